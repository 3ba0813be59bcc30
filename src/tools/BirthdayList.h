#pragma once

#include "book/TEnreg.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>

#include <optional>
#include <vector>

class BookState;

// The birthday reminders of the book loaded last: the contacts whose next
// birthday is fewer than `reminder` days away, in record-number order. The
// list is built when a book is loaded and stays as it is until the next
// load, whatever happens to the contacts meanwhile.
class BirthdayList
{
public:
    struct Row
    {
        QByteArray name; // first name, a blank, surname, as stored
        int days = 0;    // until the next birthday; 0 is today
        int age = 0;     // the age reached on that birthday
        int record = -1; // record number at load time
    };

    // Days ahead: the calendar distance from `today` to the next birthday,
    // today itself counting as 0. Someone born on 29 February has a birthday
    // on 1 March in common years.
    static QDate nextBirthday(QDate birth, QDate today);

    // The birth date the loader offers for a Birthday text: only texts that
    // begin with a digit 1 to 9 are looked at, and of these only those that
    // hold a valid date in the short date format. Nothing for any other text.
    static std::optional<QDate> birthDateOf(QByteArrayView text);

    void clear() { m_rows.clear(); }
    // Adds a row when the birthday is near enough. A birth date after today
    // is no birthday yet and is not listed.
    void add(int record, QByteArrayView name, QDate birth, QDate today, int reminder);
    // The loader's scan: clears the list, then looks at every record of a
    // plain book in record-number order. An encrypted book gives no rows.
    // Texts that are not dates are skipped; they never stop the scan.
    void scan(const BookState &book, QDate today, int reminder);

    const std::vector<Row> &rows() const { return m_rows; }
    bool isEmpty() const { return m_rows.empty(); }

private:
    std::vector<Row> m_rows;
};
