#include "tools/TFBirthday.h"

#include "core/Codec.h"
#include "tools/BirthdayList.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

TFBirthday::TFBirthday(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("FBirthday"));
    setModal(false);
    setWindowTitle(QStringLiteral("Birthday"));
    // The texts it has until a language file is applied.
    m_label = new QLabel(QStringLiteral("There are the following birthdays: "), this);
    m_label->setObjectName(QStringLiteral("Label1"));
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("JBirthday"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setColumnCount(4);
    m_list->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Number of days befor birthday"),
                             QStringLiteral("Age"), QStringLiteral("Index")});
    m_list->header()->setStretchLastSection(false);
    m_list->setColumnWidth(0, 160);
    m_list->setColumnWidth(1, 190);
    m_list->setColumnWidth(2, 50);
    // The record number rides along unseen. Hidden before the header stops
    // stretching its last column, it would still take room and bring up a
    // horizontal scroll bar.
    m_list->setColumnHidden(3, true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_list, 1);
    resize(440, 260);

    connect(m_list, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) { JBirthdayClick(item); });
}

void TFBirthday::setTexts(const QString &title, const QString &label, const QString &col0, const QString &col1,
                          const QString &col2)
{
    setWindowTitle(title);
    m_label->setText(label);
    QTreeWidgetItem *titles = m_list->headerItem();
    titles->setText(0, col0);
    titles->setText(1, col1);
    titles->setText(2, col2);
    // Room for the column titles of the language applied, the window
    // widening with them so that none is cut off.
    int columns = 0;
    for (int c = 0; c < 3; ++c) {
        m_list->setColumnWidth(c, qMax(m_list->columnWidth(c), m_list->header()->sectionSizeHint(c)));
        columns += m_list->columnWidth(c);
    }
    const QMargins margins = layout()->contentsMargins();
    const int needed = columns + 2 * m_list->frameWidth() + margins.left() + margins.right()
                       + style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_list);
    if (width() < needed)
        resize(needed, height());
}

void TFBirthday::setList(const BirthdayList &list)
{
    m_list->clear();
    QList<QTreeWidgetItem *> items;
    for (const BirthdayList::Row &row : list.rows()) {
        auto *item = new QTreeWidgetItem;
        item->setText(0, Codec::decode(row.name));
        item->setText(1, QString::number(row.days));
        item->setText(2, QString::number(row.age));
        item->setText(3, QString::number(row.record));
        items << item;
    }
    m_list->addTopLevelItems(items);
}

void TFBirthday::showCentred()
{
    const QScreen *screen = parentWidget() && parentWidget()->screen() ? parentWidget()->screen()
                                                                        : QGuiApplication::primaryScreen();
    show();
    // Placed once shown, when the frame around it is known.
    if (screen) {
        QRect r = frameGeometry();
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
    raise();
}

void TFBirthday::JBirthdayClick(QTreeWidgetItem *item)
{
    if (!item)
        return;
    bool ok = false;
    const int record = item->text(3).toInt(&ok);
    if (ok)
        emit recordChosen(record);
}
