#include "tools/BirthdayList.h"

#include "book/BookState.h"
#include "core/ShortDate.h"

namespace {

// The birthday in `year`; 29 February moves to 1 March in common years.
QDate anniversaryIn(QDate birth, int year)
{
    if (birth.month() == 2 && birth.day() == 29 && !QDate::isLeapYear(year))
        return QDate(year, 3, 1);
    return QDate(year, birth.month(), birth.day());
}

} // namespace

QDate BirthdayList::nextBirthday(QDate birth, QDate today)
{
    QDate next = anniversaryIn(birth, today.year());
    if (next < today)
        next = anniversaryIn(birth, today.year() + 1);
    return next;
}

std::optional<QDate> BirthdayList::birthDateOf(QByteArrayView text)
{
    if (text.isEmpty() || text[0] < '1' || text[0] > '9')
        return std::nullopt;
    const QDate d = ShortDate::parse(text);
    if (!d.isValid())
        return std::nullopt;
    return d;
}

void BirthdayList::add(int record, QByteArrayView name, QDate birth, QDate today, int reminder)
{
    if (!birth.isValid() || !today.isValid() || birth > today)
        return;
    const QDate next = nextBirthday(birth, today);
    const qint64 days = today.daysTo(next);
    if (days >= reminder)
        return;
    m_rows.push_back({name.toByteArray(), int(days), next.year() - birth.year(), record});
}

void BirthdayList::scan(const BookState &book, QDate today, int reminder)
{
    clear();
    if (book.BookEncrypted != 0)
        return;
    for (int n = 0; n < book.BookCount(); ++n) {
        const TEnreg &r = book.Book[size_t(n)];
        const std::optional<QDate> birth = birthDateOf(r.text(TEnreg::Birthday));
        if (!birth)
            continue;
        QByteArray name = r.textCopy(TEnreg::Name);
        name += ' ';
        name += r.text(TEnreg::Surname);
        add(n, name, *birth, today, reminder);
    }
}
