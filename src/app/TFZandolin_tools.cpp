// Encryption, find, next/previous and the birthday reminders of the main
// window. The windows themselves know nothing of the list: they get the book
// and a few functions from here.
#include "app/TFZandolin.h"

#include "crypt/TFCrypt.h"
#include "tools/TFBirthday.h"
#include "tools/TFFind.h"

#include <QAction>
#include <QComboBox>
#include <QDate>

void TFZandolin::connectToolCommands()
{
    m_crypt = new TFCrypt(m_book, this);
    // The form lets go of its record with EditsLive off before the texts
    // change under it, then the usual refresh follows.
    connect(m_crypt, &TFCrypt::bookAboutToChange, this, [this] { clearForm(); });
    connect(m_crypt, &TFCrypt::bookChanged, this, [this] {
        rebuildList();
        refreshCommands();
        refreshStatusBar();
    });
    connect(action(Cmd::Encrypt), &QAction::triggered, this, &TFZandolin::TBEncryptClick);
    connect(action(Cmd::Decrypt), &QAction::triggered, this, &TFZandolin::TBEncryptClick);

    TFFind::Host host;
    host.currentRecord = [this] { return selectedRecord(); };
    host.categoryFilter = [this] { return qMax(0, m_filter->currentIndex()); };
    host.displayOrder = [this] { return displayOrder(); };
    host.selectRecord = [this](int n) { selectFromTools(n); };
    m_find = new TFFind(m_book, std::move(host), this);
    connect(action(Cmd::Find), &QAction::triggered, m_find, &TFFind::showFind);
    connect(action(Cmd::FindNext), &QAction::triggered, m_find, &TFFind::TBNextClick);
    connect(action(Cmd::FindPrevious), &QAction::triggered, m_find, &TFFind::TBPreviousClick);

    m_birthday = new TFBirthday(this);
    connect(m_birthday, &TFBirthday::recordChosen, this, &TFZandolin::JBirthdayClick);
    connect(action(Cmd::Birthdays), &QAction::triggered, m_birthday, &TFBirthday::showCentred);
    // Every load builds the reminders anew; a new book has none.
    connect(this, &TFZandolin::bookLoaded, this, &TFZandolin::scanBirthdays);
    connect(action(Cmd::New), &QAction::triggered, this, [this] {
        m_birthdays.clear();
        m_birthday->setList(m_birthdays);
    });
}

void TFZandolin::setNextPreviousShortcuts(int nextCode, int previousCode)
{
    action(Cmd::FindNext)->setShortcut({});
    action(Cmd::FindPrevious)->setShortcut({});
    // Two commands on one key would both go deaf; the menus' own key wins,
    // as it does by default for New (Ctrl+N) and Duplicate (Ctrl+P).
    const auto assign = [this](Cmd which, int code) {
        const QKeySequence key(qtKeyFromShortcutCode(code));
        if (key.isEmpty())
            return;
        for (int c = 0; c < int(Cmd::Count); ++c)
            if (action(Cmd(c))->shortcuts().contains(key))
                return;
        action(which)->setShortcut(key);
    };
    assign(Cmd::FindNext, nextCode);
    assign(Cmd::FindPrevious, previousCode);
}

void TFZandolin::TBEncryptClick()
{
    m_crypt->run();
}

void TFZandolin::scanBirthdays()
{
    m_birthdays.scan(m_book, QDate::currentDate(), m_settings.Reminder);
    m_birthday->setList(m_birthdays);
}

void TFZandolin::showBirthdaysIfAny()
{
    if (!m_birthdays.isEmpty() && m_settings.ShowBirthday && m_book.BookEncrypted == 0)
        m_birthday->showCentred();
}

void TFZandolin::JBirthdayClick(int record)
{
    // The rows belong to the book as it was loaded; after a deletion the
    // number may name another contact, who must not be selected instead.
    for (const BirthdayList::Row &row : m_birthdays.rows()) {
        if (row.record != record || !m_book.isValid(record))
            continue;
        const TEnreg &r = m_book.Book[size_t(record)];
        QByteArray name = r.textCopy(TEnreg::Name);
        name += ' ';
        name += r.text(TEnreg::Surname);
        if (name == row.name)
            selectFromTools(record);
        return;
    }
}

void TFZandolin::selectFromTools(int record)
{
    // Selecting from here is the program's doing, so the list's own
    // selection handling does not run: the contact is shown explicitly.
    if (!m_book.isValid(record) || !m_list->selectRecord(record))
        return;
    refreshCommands();
    refreshStatusBar();
    showRecord(record);
}

std::vector<int> TFZandolin::displayOrder() const
{
    return m_list->recordsInItemOrder();
}
