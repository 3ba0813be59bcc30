#include "app/ContactList.h"

#include "book/BookState.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTimer>

namespace {

// Paints the highlight under the mouse only when the list asks for it;
// some styles would draw it always, others never.
class HotTrackDelegate : public QStyledItemDelegate
{
public:
    HotTrackDelegate(ContactList *list) : QStyledItemDelegate(list), m_list(list) {}
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem opt = option;
        if (m_list->hotTrack() && (opt.state & QStyle::State_MouseOver) && !(opt.state & QStyle::State_Selected)) {
            QColor c = opt.palette.color(QPalette::Highlight);
            c.setAlpha(50);
            painter->fillRect(opt.rect, c);
        }
        if (!m_list->hotTrack())
            opt.state &= ~QStyle::State_MouseOver;
        QStyledItemDelegate::paint(painter, opt, index);
    }

private:
    ContactList *m_list;
};

} // namespace

ContactList::ContactList(const BookState &book, QWidget *parent)
    : QTreeView(parent), m_book(book), m_model(new ContactListModel(book, this)), m_popup(new QMenu(this))
{
    setObjectName(QStringLiteral("List"));
    m_popup->setObjectName(QStringLiteral("PopupMenu1"));
    setModel(m_model);
    // Every row has one height: the view then lays out 100,000 rows
    // without asking for each one's size.
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSortingEnabled(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAllColumnsShowFocus(true);
    setExpandsOnDoubleClick(true);
    setItemDelegate(new HotTrackDelegate(this));
    setIconSize(QSize(16, 16));
    header()->setSectionsClickable(true);
    header()->setSectionsMovable(false);
    header()->setStretchLastSection(false);
    setColumnHidden(ContactListModel::IndexColumn, true);
    connect(header(), &QHeaderView::sectionClicked, this, &ContactList::headerClicked);
    connect(this, &QTreeView::expanded, m_model, &ContactListModel::sortChildren);
}

void ContactList::setSurnameFirst(bool on)
{
    m_surnameFirst = on;
}

void ContactList::setColumnCaptions(const QString &firstName, const QString &surname)
{
    m_model->setCaptions(firstName, surname, m_model->headerData(ContactListModel::IndexColumn, Qt::Horizontal).toString());
}

void ContactList::rebuild(int category)
{
    ListOptions o;
    o.grouped = m_grouped;
    o.surnameFirst = m_surnameFirst;
    o.category = category;
    m_model->rebuild(o);
    if (!m_preparing) {
        m_preparing = true;
        QTimer::singleShot(0, this, &ContactList::prepareOtherOrder);
    }
}

void ContactList::prepareOtherOrder()
{
    // Slices of 20,000 records keep the window responsive while a large
    // book is being prepared.
    if (m_model->groups().prepareOtherOrder(m_book.Book, 20000)) {
        m_preparing = false;
        return;
    }
    QTimer::singleShot(0, this, &ContactList::prepareOtherOrder);
}

void ContactList::clearRows()
{
    m_model->clear();
}

ContactList::ExpandedState ContactList::saveExpandedState() const
{
    ExpandedState s;
    for (int g = 0; g < m_model->groupCount(); ++g)
        s.expanded.push_back(isExpanded(m_model->groupIndex(g)));
    return s;
}

void ContactList::restoreExpandedState(const ExpandedState &state)
{
    const int n = qMin(int(state.expanded.size()), m_model->groupCount());
    for (int g = 0; g < n; ++g)
        setExpanded(m_model->groupIndex(g), state.expanded[size_t(g)]);
}

void ContactList::expandAllGroups()
{
    for (int g = 0; g < m_model->groupCount(); ++g)
        expand(m_model->groupIndex(g));
}

void ContactList::collapseAllGroups()
{
    for (int g = 0; g < m_model->groupCount(); ++g)
        collapse(m_model->groupIndex(g));
}

QModelIndex ContactList::itemForRecord(int record) const
{
    return m_model->indexForRecord(record);
}

bool ContactList::selectRecord(int record)
{
    QModelIndex idx = m_model->indexForRecord(record);
    if (!idx.isValid())
        return false;
    if (idx.parent().isValid() && !isExpanded(idx.parent())) {
        // Expanding sorts the group, which may move the row.
        expand(idx.parent());
        idx = m_model->indexForRecord(record);
    }
    selectionModel()->setCurrentIndex(idx, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(idx);
    return true;
}

std::vector<int> ContactList::recordsInItemOrder() const
{
    const ContactGroups &g = m_model->groups();
    std::vector<int> out;
    if (g.grouped())
        for (int i = 0; i < ContactGroups::GroupCount; ++i)
            out.insert(out.end(), g.group(i).begin(), g.group(i).end());
    out.insert(out.end(), g.topLevel().begin(), g.topLevel().end());
    return out;
}

int ContactList::selectedRecord() const
{
    const QModelIndexList rows = selectionModel()->selectedRows(0);
    return rows.isEmpty() ? -1 : m_model->recordAt(rows.first());
}

bool ContactList::hasSelection() const
{
    return selectionModel()->hasSelection();
}

bool ContactList::isGroupSelected() const
{
    const QModelIndexList rows = selectionModel()->selectedRows(0);
    return !rows.isEmpty() && m_model->isGroup(rows.first());
}

void ContactList::recordChanged(int record)
{
    m_model->recordChanged(record);
}

QModelIndex ContactList::addTopLevelItem(int record)
{
    return m_model->appendTopLevel(record);
}

void ContactList::setShowCategoryIcons(bool on)
{
    m_model->setShowIcons(on);
}

void ContactList::setShowIndexColumn(bool on)
{
    setColumnHidden(ContactListModel::IndexColumn, !on);
}

void ContactList::setHotTrack(bool on)
{
    m_hotTrack = on;
    setMouseTracking(on);
    viewport()->setAttribute(Qt::WA_Hover, on);
    viewport()->update();
}

void ContactList::setCheckBoxes(bool on)
{
    m_model->setShowCheckBoxes(on);
}

void ContactList::setAdvancedScrollBars(bool on)
{
    const Qt::ScrollBarPolicy p = on ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded;
    setVerticalScrollBarPolicy(p);
    setHorizontalScrollBarPolicy(p);
}

// ---------------------------------------------------------------- the user's actions

template <typename F>
void ContactList::asUser(F &&handler)
{
    ++m_userDepth;
    if (m_userDepth == 1)
        m_userChanged = false;
    handler();
    --m_userDepth;
    if (m_userDepth == 0 && m_userChanged) {
        m_userChanged = false;
        emit userSelectionChanged();
    }
}

void ContactList::selectionChanged(const QItemSelection &selected, const QItemSelection &deselected)
{
    QTreeView::selectionChanged(selected, deselected);
    if (m_userDepth > 0)
        m_userChanged = true;
}

void ContactList::mousePressEvent(QMouseEvent *e)
{
    asUser([&] { QTreeView::mousePressEvent(e); });
}

void ContactList::mouseReleaseEvent(QMouseEvent *e)
{
    asUser([&] { QTreeView::mouseReleaseEvent(e); });
}

void ContactList::mouseMoveEvent(QMouseEvent *e)
{
    asUser([&] { QTreeView::mouseMoveEvent(e); });
}

void ContactList::mouseDoubleClickEvent(QMouseEvent *e)
{
    asUser([&] { QTreeView::mouseDoubleClickEvent(e); });
}

void ContactList::keyPressEvent(QKeyEvent *e)
{
    asUser([&] { QTreeView::keyPressEvent(e); });
}

void ContactList::contextMenuEvent(QContextMenuEvent *e)
{
    if (!m_popup->isEmpty())
        m_popup->popup(e->globalPos());
    e->accept();
}
