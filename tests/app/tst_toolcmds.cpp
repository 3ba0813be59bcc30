#include "AppFixture.h"

#include "core/ShortDate.h"
#include "crypt/TFCrypt.h"
#include "tools/TFBirthday.h"
#include "tools/TFFind.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTreeWidget>

using namespace AppTest;

namespace {

void typePassphrase(QWidget *dialog, const char *text)
{
    QTest::keyClicks(dialog->findChild<QLineEdit *>(QStringLiteral("ECrypt")), QLatin1String(text));
}

// A birthday some weeks ahead whatever today is, with a day that does not
// begin with 0, so the loader offers it.
QByteArray comingBirthday()
{
    const QDate later = QDate::currentDate().addMonths(2);
    return ShortDate::format(QDate(1980, later.month(), 15));
}

std::vector<TEnreg> bookWithBirthdays()
{
    std::vector<TEnreg> b{contact("Ann", "Smith"), contact("Bob", "Stone"), contact("Cy", "Young")};
    b[1].setText(TEnreg::Birthday, comingBirthday());
    b[1].setText(TEnreg::Street, "1 rue Haute\r\nB\xe2timent C");
    b[2].setText(TEnreg::Birthday, "0" + comingBirthday().mid(1)); // a leading zero: never offered
    return b;
}

int birthdayRows(TFZandolin &w)
{
    return w.birthdayWindow()->findChild<QTreeWidget *>(QStringLiteral("JBirthday"))->topLevelItemCount();
}

} // namespace

class TestToolCommands : public QObject
{
    Q_OBJECT
private slots:
    void encryptSaveReopenDecrypt();
    void wrongPassphraseKeepsBookEncrypted();
    void birthdayWindowAtStartUp();
    void birthdayWindowAfterOpenNotAfterRecent();
    void birthdaysOfEncryptedBook();
    void findWindowAndHotKey();
    void nextPreviousKeys();
};

void TestToolCommands::encryptSaveReopenDecrypt()
{
    Fixture f;
    const std::vector<TEnreg> original = bookWithBirthdays();
    const QString path = f.writeBook(QStringLiteral("a.zdl"), original);
    TFZandolin &w = f.start({path});
    w.texts().Crypted = QStringLiteral("Crypted");
    w.texts().Modified = QStringLiteral("Modified");
    QVERIFY(w.action(Cmd::Encrypt)->isEnabled());
    QVERIFY(!w.action(Cmd::Decrypt)->isEnabled());

    onNextModal([](QWidget *d) {
        QCOMPARE(d->windowTitle(), QStringLiteral("Crypt"));
        typePassphrase(d, "open sesame");
        click(d, "BCrypt");
    });
    w.action(Cmd::Encrypt)->trigger();
    QCOMPARE(w.book().BookEncrypted, 1);
    QVERIFY(w.book().BookModified);
    QCOMPARE(w.statusPanel(0)->text(), QStringLiteral("Crypted"));
    QCOMPARE(w.statusPanel(1)->text(), QStringLiteral("Modified"));
    QVERIFY(!w.action(Cmd::Encrypt)->isEnabled());
    QVERIFY(w.action(Cmd::Decrypt)->isEnabled());
    QVERIFY(!w.action(Cmd::Add)->isEnabled());
    QVERIFY(w.TBSaveClick());
    QCOMPARE(fileBytes(path).at(0), '\x01');

    Fixture g;
    TFZandolin &v = g.start({path});
    QCOMPARE(v.book().BookEncrypted, 1);
    QVERIFY(v.birthdays().isEmpty()); // an encrypted book has no reminders
    onNextModal([](QWidget *d) {
        QCOMPARE(d->windowTitle(), QStringLiteral("Decrypt"));
        typePassphrase(d, "open sesame");
        click(d, "BCrypt");
    });
    v.action(Cmd::Decrypt)->trigger();
    QCOMPARE(v.book().BookEncrypted, 0);
    QVERIFY(!v.book().BookModified);
    QVERIFY(v.book().Book == original);
    QVERIFY(v.action(Cmd::Encrypt)->isEnabled());
    QVERIFY(!v.action(Cmd::Decrypt)->isEnabled());
}

void TestToolCommands::wrongPassphraseKeepsBookEncrypted()
{
    Fixture f;
    std::vector<TEnreg> stored = bookWithBirthdays();
    TFZandolin &w0 = f.start({f.writeBook(QStringLiteral("p.zdl"), stored)});
    onNextModal([](QWidget *d) {
        typePassphrase(d, "right");
        click(d, "BCrypt");
    });
    w0.action(Cmd::Encrypt)->trigger();
    QVERIFY(w0.TBSaveClick());
    stored = w0.book().Book;

    Fixture g;
    TFZandolin &w = g.start({f.book(QStringLiteral("p.zdl"))});
    onNextModal([](QWidget *d) {
        typePassphrase(d, "wrong");
        click(d, "BCrypt");
        // Told so, and the dialog waits for another try.
        QVERIFY(d->isVisible());
        click(d, "BCancel");
    });
    w.action(Cmd::Decrypt)->trigger();
    QCOMPARE(Dialogs::Test::shownMessages(), QStringList{w.cryptDialog()->captions().WrongPassword});
    QCOMPARE(w.book().BookEncrypted, 1);
    QVERIFY(!w.book().BookModified);
    QVERIFY(w.book().Book == stored);
}

void TestToolCommands::birthdayWindowAtStartUp()
{
    Fixture f;
    const QString path = f.writeBook(QStringLiteral("b.zdl"), bookWithBirthdays());
    {
        TFZandolin &w = f.start({path});
        QVERIFY(w.birthdayWindow()->isVisible());
        QVERIFY(!w.birthdayWindow()->isModal());
        QCOMPARE(birthdayRows(w), 1);
        const QTreeWidgetItem *row =
            w.birthdayWindow()->findChild<QTreeWidget *>(QStringLiteral("JBirthday"))->topLevelItem(0);
        QCOMPARE(row->text(0), QStringLiteral("Bob Stone"));
        QCOMPARE(row->text(3), QStringLiteral("1"));
        // New starts a book without reminders.
        w.action(Cmd::New)->trigger();
        QVERIFY(w.birthdays().isEmpty());
        QCOMPARE(birthdayRows(w), 0);
    }
    // Not shown by itself when the settings say so; the Tools command shows it.
    f.writeSettings("[Birthday]\r\nShowBirthday=0\r\n");
    TFZandolin &w = f.start({path});
    QCOMPARE(birthdayRows(w), 1);
    QVERIFY(!w.birthdayWindow()->isVisible());
    w.action(Cmd::Birthdays)->trigger();
    QVERIFY(w.birthdayWindow()->isVisible());
}

void TestToolCommands::birthdayWindowAfterOpenNotAfterRecent()
{
    Fixture f;
    const QString withBirthdays = f.writeBook(QStringLiteral("b.zdl"), bookWithBirthdays());
    const QString without = f.writeBook(QStringLiteral("n.zdl"), {contact("Ann", "Smith")});
    TFZandolin &w = f.start();
    QVERIFY(!w.birthdayWindow()->isVisible());

    // From the recent books: the list is built, the window not shown.
    QVERIFY(w.openRecentFile(withBirthdays));
    QCOMPARE(birthdayRows(w), 1);
    QVERIFY(!w.birthdayWindow()->isVisible());

    Dialogs::Test::setNextFileName(without);
    w.action(Cmd::Open)->trigger();
    QCOMPARE(birthdayRows(w), 0);
    QVERIFY(!w.birthdayWindow()->isVisible());

    Dialogs::Test::setNextFileName(withBirthdays);
    w.action(Cmd::Open)->trigger();
    QCOMPARE(birthdayRows(w), 1);
    QVERIFY(w.birthdayWindow()->isVisible());
}

void TestToolCommands::birthdaysOfEncryptedBook()
{
    Fixture f;
    std::vector<TEnreg> book = bookWithBirthdays();
    const QString path = f.writeBook(QStringLiteral("e.zdl"), book, 1);
    TFZandolin &w = f.start({path});
    QVERIFY(w.birthdays().isEmpty());
    QVERIFY(!w.birthdayWindow()->isVisible());
}

void TestToolCommands::findWindowAndHotKey()
{
    Fixture f;
    TFZandolin &w = f.start();
    QVERIFY(w.actions().contains(w.findWindow()->findAgainAction()));
    QCOMPARE(w.findWindow()->findAgainAction()->shortcut(), QKeySequence(Qt::Key_F3));
    w.action(Cmd::Find)->trigger();
    QVERIFY(w.findWindow()->isVisible());
    QVERIFY(!w.findWindow()->isModal());
    QCOMPARE(w.findWindow()->windowTitle(), QStringLiteral("Find"));
}

void TestToolCommands::nextPreviousKeys()
{
    Fixture f;
    {
        // By default Next and Previous would share Ctrl+N and Ctrl+P with New
        // and Duplicate; the menu commands keep their keys and still work.
        TFZandolin &w = f.start();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QVERIFY(w.action(Cmd::FindNext)->shortcut().isEmpty());
        QVERIFY(w.action(Cmd::FindPrevious)->shortcut().isEmpty());
        QSignalSpy news(w.action(Cmd::New), &QAction::triggered);
        QTest::keyClick(&w, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(news.count(), 1);
    }
    // Keys of their own work, with Next and Previous in no menu.
    f.writeSettings("[Preferences]\r\nShortcutNext=8305\r\nShortcutPrevious=8304\r\n"); // Shift+F2, Shift+F1
    TFZandolin &w = f.start();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(w.action(Cmd::FindNext)->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F2));
    QCOMPARE(w.action(Cmd::FindPrevious)->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F1));
    QSignalSpy nexts(w.action(Cmd::FindNext), &QAction::triggered);
    QSignalSpy previouses(w.action(Cmd::FindPrevious), &QAction::triggered);
    QTest::keyClick(&w, Qt::Key_F2, Qt::ShiftModifier);
    QTest::keyClick(&w, Qt::Key_F1, Qt::ShiftModifier);
    QCOMPARE(nexts.count(), 1);
    QCOMPARE(previouses.count(), 1);
    for (QAction *menu : w.menuBar()->actions())
        for (QAction *entry : menu->menu()->actions())
            QVERIFY(entry != w.action(Cmd::FindNext) && entry != w.action(Cmd::FindPrevious));
}

QTEST_MAIN(TestToolCommands)
#include "tst_toolcmds.moc"
