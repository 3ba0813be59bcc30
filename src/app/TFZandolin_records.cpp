// The record commands of the main window: Add, Delete, Duplicate, Lock,
// Unlock and Undo. Each works on the contact selected in the list and ends
// with the list, the record form and the status bar up to date.
#include "app/TFZandolin.h"

#include "app/RecordForm.h"
#include "app/TFConfirmUndo.h"
#include "app/TFDeleteConfirmation.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>

void TFZandolin::connectRecordCommands()
{
    connect(action(Cmd::Add), &QAction::triggered, this, &TFZandolin::TBAddClick);
    connect(action(Cmd::Delete), &QAction::triggered, this, &TFZandolin::TBDeleteClick);
    connect(action(Cmd::Duplicate), &QAction::triggered, this, &TFZandolin::TBDuplicateClick);
    connect(action(Cmd::Lock), &QAction::triggered, this, [this] { setSelectedLock(true); });
    connect(action(Cmd::Unlock), &QAction::triggered, this, [this] { setSelectedLock(false); });
    connect(action(Cmd::Undo), &QAction::triggered, this, &TFZandolin::TBUndoClick);
}

// ---------------------------------------------------------------- Add

void TFZandolin::TBAddClick()
{
    if (m_book.BookEncrypted == 1)
        return; // the texts of a new contact would not be in the book's form
    const int category = qMax(0, m_filter->currentIndex());
    const int n = m_book.appendRecord();
    // The new contact belongs to the category being looked at, so it stays
    // in sight.
    m_book.Book[size_t(n)].Category = category;
    m_form->setCurrentIndex(RecordForm::General);
    m_form->setEditable(true);
    clearForm();
    m_form->setCategory(category);
    m_book.EditsLive = true;
    // An untouched new contact leaves the book unmodified: only typing
    // into it marks the book.
    m_book.UndoRecord = m_book.Book[size_t(n)];

    const ContactList::ExpandedState state = m_list->saveExpandedState();
    rebuildList();
    m_list->restoreExpandedState(state);
    // The empty name puts the contact in "@" (or at the top level without
    // grouping); selecting it opens its group.
    m_list->selectRecord(n);
    m_list->setFocus();
    // The commands follow the new contact, which is now the selected one.
    refreshCommands();
    refreshStatusBar();
    m_form->setEditable(true);
    m_form->edit(1)->setFocus();
}

// ---------------------------------------------------------------- Delete

void TFZandolin::TBDeleteClick()
{
    const int n = selectedRecord();
    if (n < 0 || m_book.BookEncrypted == 1)
        return; // a letter group, or nothing selected
    if (m_settings.ConfirmDelete) {
        // The question names the contact as the list shows it.
        const QModelIndex item = m_list->itemForRecord(n);
        const QString mainName = item.siblingAtColumn(ContactListModel::MainColumn).data().toString();
        const QString secondName = item.siblingAtColumn(ContactListModel::OtherColumn).data().toString();
        m_deleteConfirmation->setTexts(m_texts.ConfirmCaption, m_texts.AskAgain, m_texts.ButtonYes, m_texts.ButtonNo);
        m_deleteConfirmation->setDeleteString(m_texts.DeleteString);
        if (m_deleteConfirmation->ask(mainName, secondName) == ConfirmationDialog::No)
            return;
    }
    const ContactList::ExpandedState state = m_list->saveExpandedState();
    // The form lets go of the record before the records after it move down.
    m_book.EditsLive = false;
    setModified(true);
    m_book.deleteRecord(n);
    rebuildList();
    clearForm();
    m_list->restoreExpandedState(state);
    refreshCommands();
    refreshStatusBar();
}

// ---------------------------------------------------------------- Duplicate

void TFZandolin::TBDuplicateClick()
{
    const int source = selectedRecord();
    if (source < 0 || m_book.BookEncrypted == 1)
        return;
    action(Cmd::Delete)->setEnabled(true);
    const int n = m_book.appendRecord();
    m_form->setCurrentIndex(RecordForm::General);
    m_form->setEditable(true);
    // The copy sits at the end of the list, outside the groups, until the
    // next rebuild puts it in its place.
    m_list->addTopLevelItem(n);
    m_list->selectRecord(n);
    m_list->setFocus();
    m_form->edit(1)->setFocus();
    // The copy is what the form shows, unlocked: a new record is never
    // locked. The undo copy stays the source's.
    copyFormIntoRecord(n);
    // Name the item and set its image as typing would; an empty main name
    // moves the copy into "@" at once.
    FlatEdit1Change(m_form->edit(1));
    FlatEdit2Change();
    ICBCatChange();
    // The copy is unlocked whatever the source was: Lock, not Unlock, and an
    // editable form.
    refreshCommands();
    refreshStatusBar();
}

// ---------------------------------------------------------------- Lock, Unlock

void TFZandolin::setSelectedLock(bool locked)
{
    const int n = selectedRecord();
    if (n < 0 || m_book.BookEncrypted == 1)
        return;
    setModified(true);
    m_book.Book[size_t(n)].Locked = locked ? 1 : 0;
    m_list->recordChanged(n);
    // The form turns read-only or editable and the status bar says which.
    refreshCommands();
    refreshStatusBar();
}

// ---------------------------------------------------------------- Undo

void TFZandolin::TBUndoClick()
{
    // Nothing to give back without a contact: no question either, since
    // its answer could change nothing.
    const int n = selectedRecord();
    if (n < 0 || m_list->isGroupSelected() || m_book.BookEncrypted == 1)
        return;
    if (m_settings.ConfirmUndo) {
        m_confirmUndo->setTexts(m_texts.ConfirmCaption, m_texts.AskAgain, m_texts.ButtonYes, m_texts.ButtonNo);
        m_confirmUndo->setQuestionText(m_texts.UndoLabel);
        if (m_confirmUndo->ask() == ConfirmationDialog::No)
            return;
    }
    // Every slot comes back, the lock and the category included. The copy
    // itself stays, so Undo can be repeated.
    m_book.Book[size_t(n)] = m_book.UndoRecord;
    showRecord(n, false);
    // The names are put back into the item where it stands; a changed
    // initial moves it at the next rebuild only.
    copyFormIntoRecord(n);
    // A lock that came back (or went) shows at once.
    refreshCommands();
    refreshStatusBar();
}
