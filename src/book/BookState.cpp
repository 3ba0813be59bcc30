#include "book/BookState.h"

const char *const BookSignature = "Zandolin 1.0 The Zandolin developers https://zandolin.example.org";

int BookState::appendRecord()
{
    Book.emplace_back();
    return BookCount() - 1;
}

void BookState::deleteRecord(int n)
{
    if (!isValid(n))
        return;
    Book.erase(Book.begin() + n);
}

void BookState::clear()
{
    Book.clear();
    Book.shrink_to_fit();
}
