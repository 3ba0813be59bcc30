#include "ui/DateEdit.h"

#include <QAction>
#include <QCalendarWidget>
#include <QMenu>
#include <QPainter>
#include <QWidgetAction>

#include <algorithm>
#include <array>
#include <limits>

namespace {

// The locale's order of day, month and year with numeric fields only.
QString numericFormat(const QLocale &locale)
{
    const QString f = locale.dateFormat(QLocale::ShortFormat);
    const qsizetype d = f.indexOf(QLatin1Char('d')), m = f.indexOf(QLatin1Char('M')), y = f.indexOf(QLatin1Char('y'));
    QChar sep = QLatin1Char('/');
    for (QChar c : f)
        if (!c.isLetter() && !c.isSpace()) {
            sep = c;
            break;
        }
    if (sep != QLatin1Char('/') && sep != QLatin1Char('.') && sep != QLatin1Char('-'))
        sep = QLatin1Char('/');
    struct Part
    {
        qsizetype pos;
        QString text;
    };
    std::array<Part, 3> parts = {{{d < 0 ? 0 : d, QStringLiteral("dd")},
                                  {m < 0 ? 1 : m, QStringLiteral("MM")},
                                  {y < 0 ? 2 : y, QStringLiteral("yyyy")}}};
    std::sort(parts.begin(), parts.end(), [](const Part &a, const Part &b) { return a.pos < b.pos; });
    return parts[0].text + sep + parts[1].text + sep + parts[2].text;
}

QIcon calendarIcon()
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(QColor(70, 70, 90));
    p.setBrush(Qt::white);
    p.drawRect(1, 2, 13, 12);
    p.fillRect(2, 3, 12, 3, QColor(200, 60, 50));
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c)
            p.fillRect(3 + c * 4, 8 + r * 3, 2, 2, QColor(90, 90, 110));
    return QIcon(pm);
}

} // namespace

DateEdit::DateEdit(QWidget *parent, const QString &format, const QLocale &locale)
    : QLineEdit(parent), m_format(format.isEmpty() ? numericFormat(locale) : format)
{
    for (QChar c : m_format)
        m_mask += c.isLetter() ? QLatin1Char('0') : c;
    m_mask += QStringLiteral("; ");
    setInputMask(m_mask);
    setMaxLength(int(m_format.size()));
    m_calendarAction = addAction(calendarIcon(), QLineEdit::TrailingPosition);
    m_calendarAction->setObjectName(QStringLiteral("CalendarButton"));
    connect(m_calendarAction, &QAction::triggered, this, &DateEdit::showCalendar);
}

QString DateEdit::emptyText() const
{
    QString t = m_format;
    for (QChar &c : t)
        if (c.isLetter())
            c = QLatin1Char(' ');
    return t;
}

bool DateEdit::fitsMask(const QString &text) const
{
    if (text.size() != m_format.size())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (m_format[i].isLetter()) {
            if (!text[i].isDigit() && text[i] != QLatin1Char(' '))
                return false;
        } else if (text[i] != m_format[i]) {
            return false;
        }
    }
    return true;
}

QString DateEdit::dateText() const
{
    return inputMask().isEmpty() ? text() : displayText();
}

void DateEdit::setDateText(const QString &text)
{
    if (text.isEmpty() || fitsMask(text)) {
        if (inputMask().isEmpty()) {
            setMaxLength(int(m_format.size()));
            setInputMask(m_mask);
        }
    } else {
        setInputMask(QString());
        setMaxLength(std::numeric_limits<int>::max());
    }
    setText(text);
}

void DateEdit::clearDate()
{
    setDateText(QString());
}

QDate DateEdit::date() const
{
    return QDate::fromString(dateText(), m_format);
}

void DateEdit::setDate(const QDate &date)
{
    setDateText(date.toString(m_format));
}

void DateEdit::setEditable(bool on)
{
    setReadOnly(!on);
    m_calendarAction->setEnabled(on);
}

void DateEdit::showCalendar()
{
    if (isReadOnly())
        return;
    QMenu menu(this);
    auto *calendar = new QCalendarWidget(&menu);
    calendar->setObjectName(QStringLiteral("Calendar"));
    const QDate current = date();
    calendar->setSelectedDate(current.isValid() ? current : QDate::currentDate());
    auto *action = new QWidgetAction(&menu);
    action->setDefaultWidget(calendar);
    menu.addAction(action);
    connect(calendar, &QCalendarWidget::clicked, &menu, [this, &menu](QDate d) {
        setDate(d);
        menu.close();
    });
    menu.exec(mapToGlobal(QPoint(width() - menu.sizeHint().width(), height())));
}
