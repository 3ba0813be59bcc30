#pragma once

#include "app/ContactGroups.h"

#include <QAbstractItemModel>
#include <QIcon>
#include <QList>

#include <vector>

class BookState;

// The contact list's rows over the book, without an item object per
// contact: the letter groups ("@", "A" to "Z") at the top level with their
// contacts below, or the contacts alone. Three columns: the main name, the
// other name and the record number; a group row shows " " in the second and
// third column, which is how the rest of the program tells it from a
// contact. Texts are read from the book whenever they are shown, so an edit
// only needs recordChanged() to be seen.
class ContactListModel : public QAbstractItemModel
{
    Q_OBJECT
public:
    enum Column { MainColumn = 0, OtherColumn = 1, IndexColumn = 2, ColumnCount = 3 };
    // Record number of a contact row, -1 for a group row.
    static constexpr int RecordRole = Qt::UserRole + 1;

    explicit ContactListModel(const BookState &book, QObject *parent = nullptr);

    // Rebuilds every row from the book: nothing is selected or expanded
    // afterwards, and every level is sorted.
    void rebuild(const ListOptions &options);
    // Removes every row (not even the letter groups stay).
    void clear();
    const ListOptions &options() const { return m_groups.options(); }
    ContactGroups &groups() { return m_groups; }

    // Sorts the contacts under one group row again (renamed contacts keep
    // their rows until then); with no group, the top level of a flat list.
    void sortChildren(const QModelIndex &group);

    // The row of a record: the first in item order, or an invalid index.
    QModelIndex indexForRecord(int record, int column = 0) const;
    int recordAt(const QModelIndex &index) const;
    bool isGroup(const QModelIndex &index) const;
    QModelIndex groupIndex(int group) const;
    int groupCount() const { return m_groups.grouped() ? ContactGroups::GroupCount : 0; }

    // The texts or the category of a record changed: repaint its row, and
    // sort its group when it is next expanded. Every change to a listed
    // record's names outside a rebuild must come through here.
    void recordChanged(int record);
    // Adds a contact row at the end of the top level (outside the groups).
    QModelIndex appendTopLevel(int record);

    // Category icons (image p for category p), shown when enabled.
    void setCategoryImages(const QList<QIcon> &icons);
    void setShowIcons(bool on);
    void setShowCheckBoxes(bool on);
    // Records whose check box is ticked, in record-number order; a rebuild
    // clears every tick.
    std::vector<int> checkedRecords() const;
    bool isChecked(int record) const;
    void setChecked(int record, bool on);

    // Captions of the first-name and surname columns and of the index
    // column. The first two are shown in the order the names are listed,
    // so a caption always sits over its own name.
    void setCaptions(const QString &firstName, const QString &surname, const QString &index);
    QString firstNameCaption() const { return m_captions[0]; }
    QString surnameCaption() const { return m_captions[1]; }

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    bool hasChildren(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // Section 0 takes the first-name caption, section 1 the surname
    // caption, whichever order the names are listed in.
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant &value,
                       int role = Qt::EditRole) override;

private:
    // Child rows carry their group in the internal id, spread far apart so
    // that indexes of different groups never hash alike.
    static quintptr idForGroup(int g);
    static int groupOfId(quintptr id);
    int contactAt(const QModelIndex &index) const; // -1 for a group or invalid
    void repaintAll();

    const BookState &m_book;
    ContactGroups m_groups;
    QList<QIcon> m_icons;
    bool m_showIcons = false;
    bool m_checkBoxes = false;
    std::vector<bool> m_checked;
    QString m_captions[ColumnCount]; // first name, surname, index
};
