// The main window's record form: showing a record and writing every change
// into the book as it is typed.
#include "app/TFZandolin.h"

#include "app/RecordForm.h"
#include "core/Codec.h"

#include <QLineEdit>

void TFZandolin::showRecord(int n, bool takeUndoCopy)
{
    if (!m_book.isValid(n))
        return;
    m_book.EditsLive = false;
    if (takeUndoCopy)
        m_book.UndoRecord = m_book.Book[size_t(n)];
    m_form->showRecord(m_book.Book[size_t(n)]);
    m_book.EditsLive = true;
}

void TFZandolin::copyFormIntoRecord(int n)
{
    if (!m_book.isValid(n))
        return;
    m_book.BookModified = true;
    m_form->copyInto(m_book.Book[size_t(n)]);
    m_list->recordChanged(n);
    refreshStatusBar();
}

void TFZandolin::formFieldChange()
{
    if (!m_book.EditsLive)
        return;
    const int n = selectedRecord();
    if (n >= 0)
        copyFormIntoRecord(n);
}

void TFZandolin::ICBCatChange()
{
    // The item's icon is the record's category, so it follows the copy.
    formFieldChange();
}

namespace {
// Whether a main name typed now still starts with the character it started
// with: false when either is empty.
bool sameInitial(const QString &typed, QByteArrayView stored)
{
    return !typed.isEmpty() && !stored.isEmpty() && typed.front() == Codec::decode(stored.first(1)).front();
}
} // namespace

void TFZandolin::FlatEdit1Change(QLineEdit *source)
{
    nameFieldChange(TEnreg::Name, source ? static_cast<QWidget *>(source) : m_form->edit(1));
}

void TFZandolin::FlatEdit2Change()
{
    nameFieldChange(TEnreg::Surname, m_form->edit(2));
}

void TFZandolin::nameFieldChange(int slot, QWidget *focus)
{
    if (!m_book.EditsLive)
        return;
    const int n = selectedRecord();
    if (n < 0)
        return;
    // Only the main name (the first column) decides the letter group; the
    // other name is renamed in place.
    const int mainSlot = m_list->surnameFirst() ? TEnreg::Surname : TEnreg::Name;
    const bool keepsGroup = slot != mainSlot || sameInitial(m_form->text(slot), m_book.Book[size_t(n)].text(slot));
    copyFormIntoRecord(n);
    if (!keepsGroup)
        rebuildKeepingRecord(n, focus);
}

void TFZandolin::rebuildKeepingRecord(int n, QWidget *focus)
{
    const ContactList::ExpandedState state = m_list->saveExpandedState();
    rebuildList();
    m_list->restoreExpandedState(state);
    m_form->setEditable(true);
    // A contact whose category was changed away from the filter is no
    // longer listed; it stays in sight at the end until the next rebuild,
    // so that what is typed next still reaches it.
    if (!m_list->selectRecord(n)) {
        m_list->addTopLevelItem(n);
        m_list->selectRecord(n);
    }
    // The user goes on typing where they were.
    if (focus)
        focus->setFocus();
}
