#include "tools/TFBirthday.h"

#include "core/Codec.h"
#include "tools/BirthdayList.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
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
    // The record number rides along unseen.
    m_list->setColumnHidden(3, true);
    m_list->header()->setStretchLastSection(false);
    m_list->setColumnWidth(0, 160);
    m_list->setColumnWidth(1, 190);
    m_list->setColumnWidth(2, 50);

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
    m_list->setHeaderLabels({col0, col1, col2, QStringLiteral("Index")});
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
