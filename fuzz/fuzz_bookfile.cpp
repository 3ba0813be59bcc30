// The book reader must take any bytes: no crash, no read past the data, no
// allocation beyond what the data can hold, and what it reads writes back
// to bytes that read the same.
#include "book/BookFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const BookContent book = BookFile::parse(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    const BookContent again = BookFile::parse(BookFile::serialize(book.records, book.encrypted));
    if (again.records.size() != book.records.size())
        std::abort();
    for (size_t i = 0; i < book.records.size(); ++i)
        if (again.records[i] != book.records[i])
            std::abort();
    return 0;
}
