#include "core/ShortDate.h"

#include <QString>
#include <QTime>

namespace ShortDate {

namespace {

bool digits(QByteArrayView t, qsizetype from, qsizetype count, int &value)
{
    value = 0;
    for (qsizetype k = from; k < from + count; ++k) {
        if (t[k] < '0' || t[k] > '9')
            return false;
        value = value * 10 + (t[k] - '0');
    }
    return true;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

} // namespace

QDate parse(QByteArrayView text)
{
    // Layout of Format: dd/MM/yyyy.
    if (text.size() < 10 || text[2] != '/' || text[5] != '/')
        return {};
    int d = 0, m = 0, y = 0;
    if (!digits(text, 0, 2, d) || !digits(text, 3, 2, m) || !digits(text, 6, 4, y))
        return {};
    QByteArrayView rest = text.sliced(10);
    while (!rest.isEmpty() && isBlank(rest.back()))
        rest.chop(1);
    if (!rest.isEmpty()) {
        if (!isBlank(rest.front()))
            return {};
        while (!rest.isEmpty() && isBlank(rest.front()))
            rest = rest.sliced(1);
        const QString time = QString::fromLatin1(rest);
        if (!QTime::fromString(time, QStringLiteral("H:mm:ss")).isValid()
            && !QTime::fromString(time, QStringLiteral("H:mm")).isValid())
            return {};
    }
    return QDate(y, m, d); // invalid for 31/02, 00/01 and the like
}

QByteArray format(QDate date)
{
    return date.toString(QLatin1String(Format)).toLatin1();
}

} // namespace ShortDate
