#pragma once

#include "book/TEnreg.h"
#include "core/Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <vector>

class QIODevice;

// What a book file holds.
struct BookContent
{
    int encrypted = 0;
    QByteArray format; // the identification text as found in the file
    std::vector<TEnreg> records;
};

// Reader and writer of ".zdl" book files: a flag byte, a length-prefixed
// identification text, then the records, each 57 length-prefixed texts (the
// spouse before the children) and two bytes, lock and low byte of category.
namespace BookFile {

// Parses the bytes of a book file. Never fails: a record cut short by the end
// of the data is dropped, negative lengths read as empty texts, and no length
// prefix can make the reader allocate more than the bytes that remain.
BookContent parse(QByteArrayView data);

// Reads a whole file. Fails only when the file cannot be opened or read.
Result<BookContent> read(const QString &fileName);

// The bytes of a book as the writer lays them out.
QByteArray serialize(const std::vector<TEnreg> &records, int encrypted);

// Writes to a device in chunks, checking every write.
Status write(QIODevice &dev, const std::vector<TEnreg> &records, int encrypted);

// Replaces `fileName` with the book. The previous file stays untouched
// unless the whole new content reached the disk.
Status save(const QString &fileName, const std::vector<TEnreg> &records, int encrypted);

} // namespace BookFile
