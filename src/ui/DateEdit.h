#pragma once

#include <QDate>
#include <QLineEdit>
#include <QLocale>

class QMenu;

// A date typed or picked from a calendar, kept as the text it shows, in a
// numeric format of two-digit day and month and a four-digit year (the
// program's short date format, "31/12/1990"). With no date it shows its
// empty mask, blanks between the separators ("  /  /    "); that is also
// the text it gives.
//
// A text that does not fit the mask (a date written elsewhere in another
// form) is shown as it is rather than forced into the mask.
class DateEdit : public QLineEdit
{
    Q_OBJECT
public:
    // `format` holds "dd", "MM" and "yyyy" in any order with one separator;
    // without one, the locale's short date order is used.
    explicit DateEdit(QWidget *parent = nullptr, const QString &format = {}, const QLocale &locale = QLocale());

    // The text as the user sees it, blanks included.
    QString dateText() const;
    void setDateText(const QString &text);
    void clearDate();
    // The date shown, invalid when there is none or it is incomplete.
    QDate date() const;
    void setDate(const QDate &date);

    // The mask's empty text, e.g. "  /  /    ".
    QString emptyText() const;
    QString format() const { return m_format; }

    // Read-only also disables the calendar button.
    void setEditable(bool on);

private:
    void showCalendar();
    bool fitsMask(const QString &text) const;

    QString m_format;   // e.g. "dd/MM/yyyy"
    QString m_mask;     // e.g. "00/00/0000; "
    QAction *m_calendarAction;
};
