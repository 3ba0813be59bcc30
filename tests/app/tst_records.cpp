// The record commands of the real main window: Add, Delete, Duplicate, Lock,
// Unlock and Undo, driven through the shared actions as the menu, the
// toolbar and the list's popup menu trigger them.
#include "ListWindow.h"

#include "app/TFConfirmUndo.h"
#include "app/TFDeleteConfirmation.h"
#include "platform/Dialogs.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

const QByteArray kNoQuestions = "[Preferences]\nConfirmDelete=0\nConfirmUndo=0\n";

// Answers the modal dialog the next command opens. The timer belongs to the
// caller's scope: when no dialog comes, it dies unused instead of answering
// a dialog of a later test.
class ModalAnswer
{
public:
    explicit ModalAnswer(std::function<void(QDialog *)> answer)
    {
        m_timer.setInterval(0);
        QObject::connect(&m_timer, &QTimer::timeout, [this, answer] {
            auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!d)
                return; // not on screen yet
            m_timer.stop();
            m_asked = true;
            m_question = d->findChild<QLabel *>(QStringLiteral("Label1"))->text();
            answer(d);
            if (d->isVisible())
                d->reject(); // a failed check must not leave the test waiting
        });
        m_timer.start();
    }
    bool asked() const { return m_asked; }
    QString question() const { return m_question; }

private:
    QTimer m_timer;
    bool m_asked = false;
    QString m_question;
};

void press(QDialog *d, const char *button)
{
    QTest::mouseClick(d->findChild<QAbstractButton *>(QLatin1String(button)), Qt::LeftButton);
}

std::function<void(QDialog *)> pressing(const char *button)
{
    return [button](QDialog *d) { press(d, button); };
}

QPlainTextEdit *commentMemo(ListWindow &f)
{
    return f.form()->findChild<QPlainTextEdit *>(QStringLiteral("FlatMemoComments"));
}

// The commands that follow the selection, by name, as a test table names them.
QStringList enabledRecordCommands(const TFZandolin &w)
{
    QStringList on;
    const std::initializer_list<std::pair<Cmd, const char *>> table = {
        {Cmd::Add, "Add"}, {Cmd::Delete, "Delete"}, {Cmd::Duplicate, "Duplicate"},
        {Cmd::Lock, "Lock"}, {Cmd::Unlock, "Unlock"}, {Cmd::Mail, "Mail"},
    };
    for (const auto &[cmd, name] : table)
        if (w.action(cmd)->isEnabled())
            on << QLatin1String(name);
    return on;
}

} // namespace

class TestRecords : public QObject
{
    Q_OBJECT
private slots:
    void init() { Dialogs::Test::clear(); }
    void deleteTheOnlyRecord();
    void deleteFirstOfThreeRenumbers();
    void doNotAskAgainWithNo();
    void addTakesTheFilterCategory();
    void addWithoutGrouping();
    void addAgainAfterDeletingTheNewContact();
    void typingGoesOnAfterTheCategoryLeftTheFilter();
    void duplicateLockedRecord();
    void duplicateWithoutFirstName();
    void lockAndUnlock();
    void undoCityAndComment();
    void undoAfterLock();
    void undoAnsweredNo();
    void undoWithoutContact();
    void commandStatesAfterCommands_data();
    void commandStatesAfterCommands();
};

void TestRecords::deleteTheOnlyRecord()
{
    ListWindow f;
    QVERIFY(f.open({contact("Anna", "Martin")}));
    f.clickRecord(0);
    ModalAnswer answer(pressing("ButtonYes"));
    f.w->action(Cmd::Delete)->trigger();
    QVERIFY(answer.asked());
    QCOMPARE(answer.question(), QStringLiteral("Are you sure you want to delete Anna Martin?"));
    const BookState &b = f.w->book();
    QCOMPARE(b.BookCount(), 0);
    QVERIFY(b.BookModified);
    QVERIFY(!b.EditsLive);
    // Only the letter groups are left, nothing selected, the form empty.
    QCOMPARE(f.model()->rowCount(), 27);
    for (int g = 0; g < 27; ++g)
        QCOMPARE(f.model()->rowCount(f.model()->index(g, 0)), 0);
    QCOMPARE(f.list()->selectedRecord(), -1);
    QCOMPARE(f.edit(1)->text(), QString());
    QVERIFY(f.edit(1)->isReadOnly());
    QCOMPARE(f.w->statusPanel(2)->text(), QStringLiteral("Contact 0"));
    QCOMPARE(f.w->statusPanel(1)->text(), QStringLiteral("Modified"));
    QCOMPARE(f.w->statusPanel(0)->text(), QString());
    QVERIFY(!f.w->action(Cmd::Delete)->isEnabled());
    // Typing into the cleared form reaches no record.
    QTest::keyClicks(f.edit(4), "x");
    QCOMPARE(b.BookCount(), 0);
}

void TestRecords::deleteFirstOfThreeRenumbers()
{
    ListWindow f;
    QVERIFY(f.open({contact("Anna", "Martin"), contact("Ben", "Wolf"), contact("Carl", "Young")}));
    f.clickRecord(0);
    // The question in the list's order: surname first after a header click.
    f.clickHeader(1);
    QVERIFY(f.list()->surnameFirst());
    QCOMPARE(f.list()->selectedRecord(), 0);
    f.list()->expand(f.group("W"));
    // Closing the dialog through its title bar counts as "Yes".
    ModalAnswer answer([](QDialog *d) { d->close(); });
    f.w->action(Cmd::Delete)->trigger();
    QCOMPARE(answer.question(), QStringLiteral("Are you sure you want to delete Martin Anna?"));
    const BookState &b = f.w->book();
    QCOMPARE(b.BookCount(), 2);
    QCOMPARE(b.Book[0].text(TEnreg::Name), QByteArrayView("Ben"));
    QCOMPARE(b.Book[1].text(TEnreg::Name), QByteArrayView("Carl"));
    // The items carry the new numbers.
    QCOMPARE(f.text(f.item(0), 1), QStringLiteral("Ben"));
    QCOMPARE(f.text(f.item(0), 2), QStringLiteral("0"));
    QCOMPARE(f.text(f.item(1), 1), QStringLiteral("Carl"));
    QCOMPARE(f.text(f.item(1), 2), QStringLiteral("1"));
    QVERIFY(!f.item(2).isValid());
    QCOMPARE(f.w->statusPanel(2)->text(), QStringLiteral("Contact 2"));
    // Groups open before stay open; the rebuild selected nothing.
    QVERIFY(f.list()->isExpanded(f.group("W")));
    QVERIFY(!f.list()->isExpanded(f.group("Y")));
    QVERIFY(!f.list()->hasSelection());
}

void TestRecords::doNotAskAgainWithNo()
{
    ListWindow f;
    QVERIFY(f.open({contact("Anna", "Martin"), contact("Ben", "Wolf")}));
    const QString iniPath = f.dir.filePath(QStringLiteral("zandolin.ini"));
    const bool iniBefore = QFile::exists(iniPath);
    f.clickRecord(1);
    {
        ModalAnswer answer([](QDialog *d) {
            d->findChild<QCheckBox *>(QStringLiteral("CheckBox1"))->setChecked(true);
            press(d, "ButtonNo");
        });
        f.w->action(Cmd::Delete)->trigger();
        QVERIFY(answer.asked());
    }
    // "No" keeps the contact; the tick already switched the question off,
    // in memory only.
    QCOMPARE(f.w->book().BookCount(), 2);
    QVERIFY(!f.w->book().BookModified);
    QCOMPARE(f.list()->selectedRecord(), 1);
    QVERIFY(!f.w->settings().ConfirmDelete);
    QVERIFY(f.w->deleteConfirmation()->askAgainTicked());
    QCOMPARE(QFile::exists(iniPath), iniBefore);
    // The next Delete does not ask.
    ModalAnswer unexpected(pressing("ButtonNo"));
    f.w->action(Cmd::Delete)->trigger();
    QVERIFY(!unexpected.asked());
    QCOMPARE(f.w->book().BookCount(), 1);
    QCOMPARE(f.w->book().Book[0].text(TEnreg::Name), QByteArrayView("Anna"));
}

void TestRecords::addTakesTheFilterCategory()
{
    ListWindow f;
    QVERIFY(f.open({contact("Anna", "Martin", 3), contact("Ben", "Wolf", 1), contact("Carl", "Young", 3)}));
    QVERIFY(f.activate());
    f.clickRecord(0);
    f.chooseFilter(3);
    f.w->action(Cmd::Add)->trigger();
    BookState &b = f.w->book();
    QCOMPARE(b.BookCount(), 4);
    QCOMPARE(b.Book[3].Category, 3);
    QCOMPARE(b.Book[3].text(TEnreg::Name), QByteArrayView(""));
    // Listed in "@", selected, its group open, the form bound to it.
    const QModelIndex item = f.item(3);
    QVERIFY(item.isValid());
    QCOMPARE(item.parent(), f.group("@"));
    QVERIFY(f.list()->isExpanded(f.group("@")));
    QCOMPARE(f.list()->selectedRecord(), 3);
    QCOMPARE(f.form()->currentIndex(), int(RecordForm::General));
    QCOMPARE(f.form()->categoryPicker()->currentIndex(), 3);
    QVERIFY(!f.edit(1)->isReadOnly());
    QCOMPARE(QApplication::focusWidget(), f.edit(1));
    QVERIFY(b.EditsLive);
    QVERIFY(b.UndoRecord == b.Book[3]);
    // Nothing is modified until the first keystroke.
    QVERIFY(!b.BookModified);
    QCOMPARE(f.w->statusPanel(1)->text(), QString());
    QCOMPARE(f.w->statusPanel(2)->text(), QStringLiteral("Contact 4"));
    QTest::keyClicks(f.edit(1), "Zoe");
    QVERIFY(b.BookModified);
    QCOMPARE(b.Book[3].text(TEnreg::Name), QByteArrayView("Zoe"));
    QCOMPARE(b.Book[3].Category, 3);
    // The first letter moved it to "Z", still shown under the filter.
    QCOMPARE(f.item(3).parent(), f.group("Z"));
    QCOMPARE(QApplication::focusWidget(), f.edit(1));
    // Undo empties the new contact again; it stays in the book.
    ModalAnswer answer(pressing("ButtonYes"));
    f.w->action(Cmd::Undo)->trigger();
    QVERIFY(answer.asked());
    QCOMPARE(b.BookCount(), 4);
    QCOMPARE(b.Book[3].text(TEnreg::Name), QByteArrayView(""));
    QCOMPARE(b.Book[3].Category, 3);
    QCOMPARE(f.edit(1)->text(), QString());
    QCOMPARE(f.text(f.item(3)), QString());
}

void TestRecords::addWithoutGrouping()
{
    ListWindow f;
    QVERIFY(f.open({contact("Anna", "Martin")}, "[Preferences]\nGroup=0\n"));
    f.w->action(Cmd::Add)->trigger();
    const QModelIndex item = f.item(1);
    QVERIFY(item.isValid());
    QVERIFY(!item.parent().isValid());
    QCOMPARE(f.list()->selectedRecord(), 1);
    QCOMPARE(f.w->book().Book[1].Category, 0);
    QVERIFY(!f.w->book().BookModified);
}

void TestRecords::addAgainAfterDeletingTheNewContact()
{
    // The second new contact takes the number the first one had: it must
    // be listed and selected, and typing must reach it.
    ListWindow f;
    QVERIFY(f.open({contact("Anna", "Martin")}, kNoQuestions));
    f.w->action(Cmd::Add)->trigger();
    QCOMPARE(f.list()->selectedRecord(), 1);
    f.w->action(Cmd::Delete)->trigger();
    QCOMPARE(f.w->book().BookCount(), 1);
    f.w->action(Cmd::Add)->trigger();
    const BookState &b = f.w->book();
    QCOMPARE(b.BookCount(), 2);
    QVERIFY(f.item(1).isValid());
    QCOMPARE(f.list()->selectedRecord(), 1);
    QTest::keyClicks(f.edit(4), "Lyon");
    QCOMPARE(b.Book[1].text(TEnreg::City), QByteArrayView("Lyon"));
    QCOMPARE(b.Book[0].text(TEnreg::City), QByteArrayView(""));
}

void TestRecords::typingGoesOnAfterTheCategoryLeftTheFilter()
{
    // A new contact under a category filter is given another category,
    // then named: the new initial rebuilds the list, which the filter would
    // no longer show it in. Every keystroke must still reach the contact.
    ListWindow f;
    QVERIFY(f.open({contact("Anna", "Martin", 3)}, kNoQuestions));
    QVERIFY(f.activate());
    f.chooseFilter(3);
    f.w->action(Cmd::Add)->trigger();
    f.form()->categoryPicker()->setCurrentIndex(2);
    const BookState &b = f.w->book();
    QCOMPARE(b.Book[1].Category, 2);
    QTest::keyClicks(f.edit(1), "Zoe");
    QCOMPARE(b.Book[1].text(TEnreg::Name), QByteArrayView("Zoe"));
    QCOMPARE(f.list()->selectedRecord(), 1);
    QTest::keyClicks(f.edit(4), "Lyon");
    QCOMPARE(b.Book[1].text(TEnreg::City), QByteArrayView("Lyon"));
    QCOMPARE(b.Book[0].text(TEnreg::City), QByteArrayView(""));
}

void TestRecords::duplicateLockedRecord()
{
    TEnreg source = contact("Anna", "Martin", 2, true);
    source.setText(TEnreg::City, "Lyon \xE9t\xE9");
    source.setText(TEnreg::Comment, "one\r\ntwo");
    source.setChild(0, "Tom");
    ListWindow f;
    QVERIFY(f.open({contact("Ben", "Wolf"), source}));
    f.clickRecord(1);
    QVERIFY(f.edit(4)->isReadOnly());
    f.w->action(Cmd::Duplicate)->trigger();
    const BookState &b = f.w->book();
    QCOMPARE(b.BookCount(), 3);
    TEnreg expected = b.Book[1];
    expected.Locked = 0;
    QVERIFY(b.Book[2] == expected);
    QCOMPARE(b.Book[1].Locked, 1);
    QVERIFY(b.BookModified);
    // The undo copy is still the source's.
    QVERIFY(b.UndoRecord == b.Book[1]);
    // The copy is selected as a top-level item, named, outside the groups.
    const QModelIndex item = f.item(2);
    QVERIFY(!item.parent().isValid());
    QCOMPARE(item.row(), 27);
    QCOMPARE(f.text(item), QStringLiteral("Anna"));
    QCOMPARE(f.text(item, 1), QStringLiteral("Martin"));
    QCOMPARE(f.text(item, 2), QStringLiteral("2"));
    QCOMPARE(f.list()->selectedRecord(), 2);
    // Unlocked, so editable, and Lock rather than Unlock is offered.
    QVERIFY(!f.edit(4)->isReadOnly());
    QVERIFY(f.w->action(Cmd::Lock)->isEnabled());
    QVERIFY(!f.w->action(Cmd::Unlock)->isEnabled());
    QCOMPARE(f.w->statusPanel(0)->text(), QStringLiteral("Unlock"));
    // Typing goes into the copy, not the source.
    QTest::keyClick(f.edit(4), Qt::Key_End);
    QTest::keyClicks(f.edit(4), "!");
    QCOMPARE(b.Book[2].text(TEnreg::City), QByteArrayView("Lyon \xE9t\xE9!"));
    QCOMPARE(b.Book[1].text(TEnreg::City), QByteArrayView("Lyon \xE9t\xE9"));
    // The next rebuild puts the copy in its group.
    f.w->action(Cmd::Refresh)->trigger();
    QCOMPARE(f.item(2).parent(), f.group("A"));
}

void TestRecords::duplicateWithoutFirstName()
{
    ListWindow f;
    QVERIFY(f.open({contact("", "Solo", 1)}));
    f.clickRecord(0);
    f.w->action(Cmd::Duplicate)->trigger();
    // An empty first name rebuilds at once: the copy sits in "@", selected.
    QCOMPARE(f.item(1).parent(), f.group("@"));
    QCOMPARE(f.list()->selectedRecord(), 1);
    QCOMPARE(f.w->book().Book[1].text(TEnreg::Surname), QByteArrayView("Solo"));
    QCOMPARE(f.w->book().Book[1].Category, 1);
}

void TestRecords::lockAndUnlock()
{
    ListWindow f;
    QVERIFY(f.open({contact("Anna", "Martin")}));
    f.clickRecord(0);
    f.w->action(Cmd::Lock)->trigger();
    const BookState &b = f.w->book();
    QCOMPARE(b.Book[0].Locked, 1);
    QVERIFY(b.BookModified);
    QVERIFY(f.edit(1)->isReadOnly());
    QCOMPARE(f.w->statusPanel(0)->text(), QStringLiteral("Lock"));
    QCOMPARE(f.w->statusPanel(1)->text(), QStringLiteral("Modified"));
    f.w->action(Cmd::Unlock)->trigger();
    QCOMPARE(b.Book[0].Locked, 0);
    QVERIFY(!f.edit(1)->isReadOnly());
    QCOMPARE(f.w->statusPanel(0)->text(), QStringLiteral("Unlock"));
    // Nothing else of the record changed.
    QCOMPARE(b.Book[0].text(TEnreg::Name), QByteArrayView("Anna"));
}

void TestRecords::undoCityAndComment()
{
    TEnreg anna = contact("Anna", "Martin", 2);
    anna.setText(TEnreg::City, "Lyon");
    anna.setText(TEnreg::Comment, "old\r\nnote");
    anna.setChild(0, "Tom");
    ListWindow f;
    QVERIFY(f.open({contact("Ben", "Wolf"), anna}, "[Preferences]\nConfirmUndo=0\n"));
    f.clickRecord(1);
    const TEnreg original = f.w->book().Book[1];
    QTest::keyClick(f.edit(4), Qt::Key_End);
    QTest::keyClicks(f.edit(4), "-Nord");
    f.form()->setCurrentIndex(RecordForm::Personal);
    commentMemo(f)->setFocus();
    QTest::keyClick(commentMemo(f), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(commentMemo(f), "more");
    QCOMPARE(f.w->book().Book[1].text(TEnreg::Comment), QByteArrayView("old\r\nnotemore"));
    QTest::keyClick(f.edit(1), Qt::Key_End);
    QTest::keyClicks(f.edit(1), "bel"); // same initial: renamed in place
    BookState &b = f.w->book();
    QCOMPARE(b.Book[1].text(TEnreg::City), QByteArrayView("Lyon-Nord"));
    QCOMPARE(f.text(f.item(1)), QStringLiteral("Annabel"));

    f.w->action(Cmd::Undo)->trigger();
    QVERIFY(b.Book[1] == original);
    QVERIFY(b.BookModified);
    QCOMPARE(f.w->statusPanel(1)->text(), QStringLiteral("Modified"));
    // The form shows the restored record and stays bound to it.
    QCOMPARE(f.edit(4)->text(), QStringLiteral("Lyon"));
    QCOMPARE(commentMemo(f)->toPlainText(), QStringLiteral("old\nnote"));
    QCOMPARE(f.text(f.item(1)), QStringLiteral("Anna"));
    QCOMPARE(f.list()->selectedRecord(), 1);
    QVERIFY(b.EditsLive);
    // Repeatable: the same copy comes back after new changes.
    QTest::keyClick(f.edit(4), Qt::Key_End);
    QTest::keyClicks(f.edit(4), "!");
    QCOMPARE(b.Book[1].text(TEnreg::City), QByteArrayView("Lyon!"));
    f.w->action(Cmd::Undo)->trigger();
    QVERIFY(b.Book[1] == original);
    // Another record is untouched.
    QCOMPARE(b.Book[0].text(TEnreg::Name), QByteArrayView("Ben"));
    // A new selection takes a new copy: the earlier state is gone.
    f.clickRecord(0);
    QTest::keyClicks(f.edit(4), "Bonn");
    f.clickRecord(1);
    f.clickRecord(0);
    f.w->action(Cmd::Undo)->trigger();
    QCOMPARE(b.Book[0].text(TEnreg::City), QByteArrayView("Bonn"));
}

void TestRecords::undoAfterLock()
{
    ListWindow f;
    QVERIFY(f.open({contact("Anna", "Martin")}, "[Preferences]\nConfirmUndo=0\n"));
    f.clickRecord(0);
    f.w->action(Cmd::Lock)->trigger();
    QVERIFY(f.edit(1)->isReadOnly());
    f.w->action(Cmd::Undo)->trigger();
    // The lock byte is part of the copy.
    QCOMPARE(f.w->book().Book[0].Locked, 0);
    QVERIFY(!f.edit(1)->isReadOnly());
    QVERIFY(f.w->action(Cmd::Lock)->isEnabled());
    QVERIFY(!f.w->action(Cmd::Unlock)->isEnabled());
    QCOMPARE(f.w->statusPanel(0)->text(), QStringLiteral("Unlock"));
}

void TestRecords::undoAnsweredNo()
{
    ListWindow f;
    QVERIFY(f.open({contact("Anna", "Martin")}));
    f.clickRecord(0);
    QTest::keyClicks(f.edit(4), "Lyon");
    ModalAnswer answer(pressing("ButtonNo"));
    f.w->action(Cmd::Undo)->trigger();
    QVERIFY(answer.asked());
    QCOMPARE(answer.question(), QStringLiteral("Are you sure you want to revert previous information ?"));
    QCOMPARE(f.w->book().Book[0].text(TEnreg::City), QByteArrayView("Lyon"));
    QCOMPARE(f.edit(4)->text(), QStringLiteral("Lyon"));
}

void TestRecords::undoWithoutContact()
{
    ListWindow f;
    QVERIFY(f.open({contact("Anna", "Martin"), contact("Ben", "Wolf")}));
    const BookState &b = f.w->book();
    const std::vector<TEnreg> before = b.Book;
    {
        // Right after the load nothing is selected: no question, no change.
        ModalAnswer answer(pressing("ButtonYes"));
        f.w->action(Cmd::Undo)->trigger();
        QVERIFY(!answer.asked());
        QVERIFY(b.Book == before);
        QVERIFY(!b.BookModified);
    }
    // A letter group selected after a contact: the copy exists but belongs
    // to no group.
    f.clickRecord(1);
    QTest::keyClicks(f.edit(4), "Bonn");
    f.click(f.group("A"));
    ModalAnswer answer(pressing("ButtonYes"));
    f.w->action(Cmd::Undo)->trigger();
    QVERIFY(!answer.asked());
    QCOMPARE(b.Book[1].text(TEnreg::City), QByteArrayView("Bonn"));
    QCOMPARE(b.Book[0].text(TEnreg::City), QByteArrayView(""));
    QVERIFY(f.list()->isGroupSelected());
}

void TestRecords::commandStatesAfterCommands_data()
{
    QTest::addColumn<int>("select");      // record the user clicks first, -1 none
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<QString>("enabled"); // Add Delete Duplicate Lock Unlock Mail
    QTest::addColumn<bool>("editable");

    const QString unlocked = QStringLiteral("Add Delete Duplicate Lock Mail");
    const QString locked = QStringLiteral("Add Delete Duplicate Unlock Mail");
    QTest::newRow("add, nothing selected") << -1 << QStringList{"Add"} << unlocked << true;
    QTest::newRow("add from a locked contact") << 1 << QStringList{"Add"} << unlocked << true;
    QTest::newRow("delete") << 0 << QStringList{"Delete"} << QStringLiteral("Add") << false;
    QTest::newRow("duplicate a locked contact") << 1 << QStringList{"Duplicate"} << unlocked << true;
    QTest::newRow("lock") << 0 << QStringList{"Lock"} << locked << false;
    QTest::newRow("unlock") << 1 << QStringList{"Unlock"} << unlocked << true;
    QTest::newRow("undo after unlock") << 1 << QStringList{"Unlock", "Undo"} << locked << false;
    QTest::newRow("undo, nothing selected") << -1 << QStringList{"Undo"} << QStringLiteral("Add") << false;
}

void TestRecords::commandStatesAfterCommands()
{
    QFETCH(int, select);
    QFETCH(QStringList, commands);
    QFETCH(QString, enabled);
    QFETCH(bool, editable);
    ListWindow f;
    QVERIFY(f.open({contact("Anna", "Martin"), contact("Ben", "Wolf", 0, true)}, kNoQuestions));
    if (select >= 0)
        f.clickRecord(select);
    for (const QString &c : commands) {
        const Cmd cmd = c == "Add"         ? Cmd::Add
                        : c == "Delete"    ? Cmd::Delete
                        : c == "Duplicate" ? Cmd::Duplicate
                        : c == "Lock"      ? Cmd::Lock
                        : c == "Unlock"    ? Cmd::Unlock
                                           : Cmd::Undo;
        QVERIFY(f.w->action(cmd)->isEnabled() || cmd == Cmd::Undo);
        f.w->action(cmd)->trigger();
    }
    QCOMPARE(enabledRecordCommands(*f.w).join(QLatin1Char(' ')), enabled);
    QCOMPARE(!f.edit(4)->isReadOnly(), editable);
    QCOMPARE(f.form()->addChildButton()->isEnabled(), editable);
}

int runRecordTests(int argc, char **argv)
{
    TestRecords t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_records.moc"
