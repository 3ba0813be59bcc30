#include "app/ContactListModel.h"

#include "book/BookState.h"
#include "core/Codec.h"

namespace {
constexpr int kShift = sizeof(quintptr) >= 8 ? 32 : 0;
} // namespace

ContactListModel::ContactListModel(const BookState &book, QObject *parent) : QAbstractItemModel(parent), m_book(book)
{
    m_captions[MainColumn] = QStringLiteral("First Name");
    m_captions[OtherColumn] = QStringLiteral("Surname");
    m_captions[IndexColumn] = QStringLiteral("Index");
}

quintptr ContactListModel::idForGroup(int g)
{
    return quintptr(g + 1) << kShift;
}

int ContactListModel::groupOfId(quintptr id)
{
    return int(id >> kShift) - 1;
}

void ContactListModel::rebuild(const ListOptions &options)
{
    beginResetModel();
    m_groups.rebuild(m_book.Book, options);
    m_checked.assign(m_book.Book.size(), false);
    endResetModel();
}

void ContactListModel::clear()
{
    beginResetModel();
    m_groups.clear();
    m_checked.clear();
    endResetModel();
}

void ContactListModel::sortChildren(const QModelIndex &group)
{
    const int g = group.isValid() ? (isGroup(group) ? group.row() : -2) : (m_groups.grouped() ? -2 : -1);
    if (g == -2)
        return;
    const QModelIndex parent = group.isValid() ? group.siblingAtColumn(0) : QModelIndex();
    // Expanding a group that is still in order must not disturb the view.
    if (!m_groups.needsSort(m_book.Book, g))
        return;
    emit layoutAboutToBeChanged({QPersistentModelIndex(parent)}, QAbstractItemModel::VerticalSortHint);
    const std::vector<int> order = m_groups.sortGroup(m_book.Book, g);
    std::vector<int> newRowOf(order.size());
    for (size_t i = 0; i < order.size(); ++i)
        newRowOf[size_t(order[i])] = int(i);
    QModelIndexList from, to;
    for (const QModelIndex &idx : persistentIndexList()) {
        if (idx.parent() != parent || size_t(idx.row()) >= newRowOf.size())
            continue;
        from << idx;
        to << createIndex(newRowOf[size_t(idx.row())], idx.column(), idx.internalId());
    }
    changePersistentIndexList(from, to);
    emit layoutChanged({QPersistentModelIndex(parent)}, QAbstractItemModel::VerticalSortHint);
}

int ContactListModel::recordAt(const QModelIndex &index) const
{
    return contactAt(index);
}

bool ContactListModel::isGroup(const QModelIndex &index) const
{
    return index.isValid() && index.internalId() == 0 && m_groups.grouped() && index.row() < ContactGroups::GroupCount;
}

QModelIndex ContactListModel::groupIndex(int group) const
{
    if (!m_groups.grouped() || group < 0 || group >= ContactGroups::GroupCount)
        return {};
    return createIndex(group, 0, quintptr(0));
}

int ContactListModel::contactAt(const QModelIndex &index) const
{
    if (!index.isValid())
        return -1;
    if (index.internalId() != 0) {
        const auto &v = m_groups.group(groupOfId(index.internalId()));
        return size_t(index.row()) < v.size() ? v[size_t(index.row())] : -1;
    }
    const int first = m_groups.grouped() ? ContactGroups::GroupCount : 0;
    const int row = index.row() - first;
    if (row < 0 || size_t(row) >= m_groups.topLevel().size())
        return -1;
    return m_groups.topLevel()[size_t(row)];
}

QModelIndex ContactListModel::indexForRecord(int record, int column) const
{
    const ContactGroups::Place p = m_groups.find(record);
    if (!p.found())
        return {};
    if (p.group >= 0)
        return createIndex(p.row, column, idForGroup(p.group));
    return createIndex(p.row + (m_groups.grouped() ? ContactGroups::GroupCount : 0), column, quintptr(0));
}

void ContactListModel::recordChanged(int record)
{
    m_groups.noteChanged(record);
    const QModelIndex first = indexForRecord(record, 0);
    if (first.isValid())
        emit dataChanged(first, first.siblingAtColumn(ColumnCount - 1));
}

QModelIndex ContactListModel::appendTopLevel(int record)
{
    const int row = m_groups.topLevelCount();
    beginInsertRows({}, row, row);
    m_groups.appendTopLevel(record);
    if (size_t(record) >= m_checked.size())
        m_checked.resize(size_t(record) + 1, false);
    endInsertRows();
    return index(row, 0);
}

void ContactListModel::setCategoryImages(const QList<QIcon> &icons)
{
    m_icons = icons;
    if (m_showIcons)
        repaintAll();
}

void ContactListModel::repaintAll()
{
    // dataChanged cannot span groups; an empty layout change repaints every
    // row and moves none.
    emit layoutAboutToBeChanged();
    emit layoutChanged();
}

void ContactListModel::setShowIcons(bool on)
{
    if (m_showIcons == on)
        return;
    m_showIcons = on;
    repaintAll();
}

void ContactListModel::setShowCheckBoxes(bool on)
{
    if (m_checkBoxes == on)
        return;
    m_checkBoxes = on;
    repaintAll();
}

std::vector<int> ContactListModel::checkedRecords() const
{
    std::vector<int> out;
    for (size_t i = 0; i < m_checked.size(); ++i)
        if (m_checked[i])
            out.push_back(int(i));
    return out;
}

bool ContactListModel::isChecked(int record) const
{
    return record >= 0 && size_t(record) < m_checked.size() && m_checked[size_t(record)];
}

void ContactListModel::setChecked(int record, bool on)
{
    if (record < 0)
        return;
    if (size_t(record) >= m_checked.size())
        m_checked.resize(size_t(record) + 1, false);
    m_checked[size_t(record)] = on;
    const QModelIndex idx = indexForRecord(record);
    if (idx.isValid())
        emit dataChanged(idx, idx, {Qt::CheckStateRole});
}

void ContactListModel::setCaptions(const QString &firstName, const QString &surname, const QString &indexCaption)
{
    m_captions[0] = firstName;
    m_captions[1] = surname;
    m_captions[IndexColumn] = indexCaption;
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

QModelIndex ContactListModel::index(int row, int column, const QModelIndex &parent) const
{
    if (row < 0 || column < 0 || column >= ColumnCount)
        return {};
    if (!parent.isValid())
        return row < m_groups.topLevelCount() ? createIndex(row, column, quintptr(0)) : QModelIndex();
    if (!isGroup(parent) || parent.column() != 0)
        return {};
    if (size_t(row) >= m_groups.group(parent.row()).size())
        return {};
    return createIndex(row, column, idForGroup(parent.row()));
}

QModelIndex ContactListModel::parent(const QModelIndex &child) const
{
    if (!child.isValid() || child.internalId() == 0)
        return {};
    return createIndex(groupOfId(child.internalId()), 0, quintptr(0));
}

int ContactListModel::rowCount(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return m_groups.topLevelCount();
    if (parent.column() != 0 || !isGroup(parent))
        return 0;
    return int(m_groups.group(parent.row()).size());
}

int ContactListModel::columnCount(const QModelIndex &) const
{
    return ColumnCount;
}

bool ContactListModel::hasChildren(const QModelIndex &parent) const
{
    return rowCount(parent) > 0;
}

QVariant ContactListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int record = contactAt(index);
    if (record < 0) {
        if (!isGroup(index))
            return {};
        if (role == Qt::DisplayRole)
            return index.column() == MainColumn ? ContactGroups::groupCaption(index.row()) : QStringLiteral(" ");
        if (role == RecordRole)
            return -1;
        return {};
    }
    if (size_t(record) >= m_book.Book.size())
        return {};
    const TEnreg &r = m_book.Book[size_t(record)];
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case MainColumn: return Codec::decode(r.text(m_groups.mainSlot()));
        case OtherColumn: return Codec::decode(r.text(m_groups.otherSlot()));
        default: return QString::number(record);
        }
    case Qt::DecorationRole:
        if (m_showIcons && index.column() == MainColumn && r.Category >= 0 && r.Category < m_icons.size())
            return m_icons[r.Category];
        return {};
    case Qt::CheckStateRole:
        if (m_checkBoxes && index.column() == MainColumn)
            return isChecked(record) ? Qt::Checked : Qt::Unchecked;
        return {};
    case RecordRole: return record;
    default: return {};
    }
}

bool ContactListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    const int record = contactAt(index);
    if (record < 0 || role != Qt::CheckStateRole || !m_checkBoxes || index.column() != MainColumn)
        return false;
    setChecked(record, value.toInt() == Qt::Checked);
    return true;
}

Qt::ItemFlags ContactListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (m_checkBoxes && index.column() == MainColumn && contactAt(index) >= 0)
        f |= Qt::ItemIsUserCheckable;
    if (!isGroup(index))
        f |= Qt::ItemNeverHasChildren;
    return f;
}

QVariant ContactListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
        return {};
    if (section < IndexColumn && m_groups.options().surnameFirst)
        return m_captions[1 - section];
    return m_captions[section];
}

bool ContactListModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant &value, int role)
{
    if (orientation != Qt::Horizontal || (role != Qt::EditRole && role != Qt::DisplayRole) || section < 0
        || section >= ColumnCount)
        return false;
    m_captions[section] = value.toString();
    emit headerDataChanged(orientation, 0, ColumnCount - 1);
    return true;
}
