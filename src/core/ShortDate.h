#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>

// The program's short date format, used wherever a date is kept as text:
// the record form writes birthdays this way and the birthday reminders read
// them back. Two-digit day and month, four-digit year.
namespace ShortDate {

inline constexpr char Format[] = "dd/MM/yyyy";

// The date a text stands for, or an invalid date. The text is the date in
// Format, optionally followed by blanks and a time of day ("14:30" or
// "14:30:15"), which is accepted and ignored; trailing blanks are allowed.
QDate parse(QByteArrayView text);

QByteArray format(QDate date);

} // namespace ShortDate
