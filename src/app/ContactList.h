#pragma once

#include "app/ContactListModel.h"

#include <QTreeView>

#include <vector>

class BookState;
class QMenu;

// The contact list `List`: the tree view over ContactListModel with the
// behaviour the main window relies on.
//
// - Only the user's own mouse and keyboard actions report a new selection
//   (userSelectionChanged); selecting from code (selectRecord, a rebuild)
//   never does, so a command keeps what it put into the record form.
// - The view never sorts by itself. Rows are sorted by rebuild() and the
//   contacts of a group each time that group is expanded.
// - Groups are expanded one by one, never with a whole-tree expand, which
//   would cost a persistent index per contact.
class ContactList : public QTreeView
{
    Q_OBJECT
public:
    explicit ContactList(const BookState &book, QWidget *parent = nullptr);

    ContactListModel *contactModel() const { return m_model; }

    // Grouping by letter and the name order, used by the next rebuild
    // (the header shows the new order from then on).
    void setGroupByLetter(bool on) { m_grouped = on; }
    bool groupByLetter() const { return m_grouped; }
    void setSurnameFirst(bool on);
    bool surnameFirst() const { return m_surnameFirst; }
    // Header captions of the first-name and surname columns (the language
    // texts); they are shown in the order the names are listed.
    void setColumnCaptions(const QString &firstName, const QString &surname);

    // Rebuilds every row from the book for the category filter position
    // (0 = all). Afterwards nothing is selected and every group is collapsed.
    void rebuild(int category);
    // Removes every row.
    void clearRows();
    int category() const { return m_model->options().category; }

    // The expanded flags of the letter groups, in item order.
    struct ExpandedState
    {
        std::vector<bool> expanded;
    };
    ExpandedState saveExpandedState() const;
    void restoreExpandedState(const ExpandedState &state);
    void expandAllGroups();
    void collapseAllGroups();

    // The item of a record (the first in item order), invalid when the
    // record is not listed, for instance filtered out.
    QModelIndex itemForRecord(int record) const;
    // Selects and focuses the record's item, expanding its group first, as
    // the program does after a command: no userSelectionChanged. False when
    // the record is not listed.
    bool selectRecord(int record);
    // Record numbers of the listed contacts in item order: each group's
    // contacts from "@" to "Z" (expanded or not), then the top level.
    std::vector<int> recordsInItemOrder() const;
    // Record number of the selected contact; -1 when nothing or a letter
    // group is selected.
    int selectedRecord() const;
    bool hasSelection() const;
    bool isGroupSelected() const;
    // A record's texts, lock or category changed: repaint its row (and let
    // its group be sorted again when next expanded). Call it after every
    // change to a listed record that is not followed by a rebuild.
    void recordChanged(int record);
    // A contact row at the end of the top level, outside the groups, until
    // the next rebuild (what Duplicate shows).
    QModelIndex addTopLevelItem(int record);

    // The list settings: category icons ("Checkbox"), the record-number
    // column ("Index"), highlight under the mouse ("Hottrack"), a check box
    // per contact ("CheckBoxes"), and scroll bars that are always shown
    // ("AdvScrollBars").
    void setShowCategoryIcons(bool on);
    void setShowIndexColumn(bool on);
    void setHotTrack(bool on);
    void setCheckBoxes(bool on);
    void setAdvancedScrollBars(bool on);
    bool hotTrack() const { return m_hotTrack; }

    // The popup menu the main window fills with its commands.
    QMenu *popupMenu() const { return m_popup; }

signals:
    // The user selected another item (or nothing) with the mouse or the keyboard.
    void userSelectionChanged();
    // The user clicked a column header.
    void headerClicked(int section);

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void contextMenuEvent(QContextMenuEvent *e) override;
    void selectionChanged(const QItemSelection &selected, const QItemSelection &deselected) override;

private:
    // Runs one of the view's own input handlers and reports a selection the
    // user made with it.
    template <typename F>
    void asUser(F &&handler);
    // Between events, a slice at a time: the keys of the other name order.
    void prepareOtherOrder();

    const BookState &m_book;
    ContactListModel *m_model;
    QMenu *m_popup;
    bool m_preparing = false;
    bool m_grouped = true;
    bool m_surnameFirst = false;
    bool m_hotTrack = false;
    int m_userDepth = 0;
    bool m_userChanged = false;
};
