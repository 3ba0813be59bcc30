#pragma once

#include "book/TEnreg.h"

#include <QByteArray>
#include <QString>

#include <vector>

// The book the main window works on: the records and what the program knows
// about the file they came from. One instance per main window.
class BookState
{
public:
    std::vector<TEnreg> Book;
    int BookEncrypted = 0;     // 1 when the texts hold the encrypted form
    QByteArray BookFormat;     // identification text of the last file loaded
    bool BookModified = false;
    QString BookFileName;      // empty until a file was opened or saved
    TEnreg UndoRecord;
    bool EditsLive = false;

    int BookCount() const { return int(Book.size()); }

    // Appends an empty record and returns its record number.
    int appendRecord();
    // Removes record n; the records after it move down by one.
    void deleteRecord(int n);
    void clear();

    bool isValid(int n) const { return n >= 0 && n < BookCount(); }
};

// Identification text every save writes.
extern const char *const BookSignature;
