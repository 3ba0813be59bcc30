#include "AppFixture.h"

#include "app/TFConfirmUndo.h"
#include "app/TFDeleteConfirmation.h"
#include "app/TFProperties.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPushButton>

#include <csignal>
#include <sys/resource.h>

using namespace AppTest;

namespace {

QStringList filesIn(const QString &dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QStringList recentMenuTexts(TFZandolin &w)
{
    QStringList out;
    for (QAction *a : w.recentFileActions())
        out << a->data().toString();
    return out;
}

QStringList storedRecentFiles(const IniFile &ini)
{
    QStringList out;
    for (int k = 1; k <= 4; ++k)
        out << ini.readString(QStringLiteral("MRUList"), QStringLiteral("MRU%1").arg(k));
    return out;
}

// While alive, files this process writes cannot grow past `bytes`: the
// writer meets the same refusal as on a full disk.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit lim = m_saved;
        lim.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lim);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_saved); }

private:
    rlimit m_saved{};
};

} // namespace

namespace {
// Answers the "save the modified book?" prompt that is about to open.
void answerExitPrompt(const char *button)
{
    onNextModal([button](QWidget *dialog) {
        auto *b = dialog->findChild<QPushButton *>(QLatin1String(button));
        QVERIFY(b);
        b->click();
    });
}
} // namespace

class TestFileCommands : public QObject
{
    Q_OBJECT
private slots:
    void saveAsNames_data();
    void saveAsNames();
    void saveAsBackupKeepsPreviousVersion();
    void saveAsWithoutBackupReplaces();
    void failedSaveKeepsEverything_data();
    void failedSaveKeepsEverything();
    void saveOfGoneFileAsksForName();
    void newForgetsFileAndEncryption();
    void openSetsFileSettingsAndFolder();
    void openCancelledOrFailingChangesNothing();
    void replacingModifiedBookAsksFirst();
    void recentListOrderAndKeys();
    void recentEntryOfGoneFile();
    void recentListOfLengthZero();
    void properties();
    void printerSetupUsesKeptPrinter();
    void confirmationDialogs_data();
    void confirmationDialogs();
};

void TestFileCommands::saveAsNames_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("no extension") << "family" << "family.zdl";
    QTest::newRow("book extension") << "family.zdl" << "family.zdl";
    QTest::newRow("other extension") << "family.txt" << "family.txt";
    QTest::newRow("dot in base name") << "my.family" << "my.family";
}

void TestFileCommands::saveAsNames()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    Fixture f;
    TFZandolin &w = f.start();
    w.book().Book = {contact("Ann", "Lee"), contact("Bob", "Ray")};
    w.setModified(true);

    Dialogs::Test::setNextFileName(f.book(typed));
    QVERIFY(w.TBSaveAsClick());

    const QString path = f.book(written);
    QCOMPARE(filesIn(f.booksDir()), QStringList{written});
    QVERIFY(readBook(path) == w.book().Book);
    QCOMPARE(w.book().BookFileName, path);
    QVERIFY(!w.book().BookModified);
    QVERIFY(w.statusPanel(1)->text().isEmpty());
    QCOMPARE(f.ini().readString("Preferences", "LoadFile"), path);
    QCOMPARE(f.ini().readString("MRUList", "MRU1"), path);
    QCOMPARE(recentMenuTexts(w), QStringList{path});
}

void TestFileCommands::saveAsBackupKeepsPreviousVersion()
{
    Fixture f;
    f.writeSettings("[Preferences]\nBackup=1\n");
    const QString path = f.writeBook("family.zdl", {contact("v0", "")});
    const QByteArray v0 = fileBytes(path);
    TFZandolin &w = f.start({path});

    w.book().Book[0].setText(TEnreg::Name, "v1");
    Dialogs::Test::setNextFileName(path);
    QVERIFY(w.TBSaveAsClick());
    const QByteArray v1 = fileBytes(path);
    QCOMPARE(fileBytes(f.book("family.bak")), v0);

    w.book().Book[0].setText(TEnreg::Name, "v2");
    Dialogs::Test::setNextFileName(path);
    QVERIFY(w.TBSaveAsClick());
    QCOMPARE(fileBytes(f.book("family.bak")), v1);
    QCOMPARE(readBook(path).at(0).text(TEnreg::Name), "v2");
    // Nothing else is left in the folder.
    QCOMPARE(filesIn(f.booksDir()), (QStringList{"family.bak", "family.zdl"}));

    // Plain Save never makes a backup.
    w.book().Book[0].setText(TEnreg::Name, "v3");
    QVERIFY(w.TBSaveClick());
    QCOMPARE(fileBytes(f.book("family.bak")), v1);
}

void TestFileCommands::saveAsWithoutBackupReplaces()
{
    Fixture f;
    const QString path = f.writeBook("family.zdl", {contact("old", "")});
    TFZandolin &w = f.start({path});
    w.book().Book[0].setText(TEnreg::Name, "new");
    Dialogs::Test::setNextFileName(path);
    QVERIFY(w.TBSaveAsClick()); // no question about the existing file
    QCOMPARE(readBook(path).at(0).text(TEnreg::Name), "new");
    QCOMPARE(filesIn(f.booksDir()), QStringList{"family.zdl"});
}

void TestFileCommands::failedSaveKeepsEverything_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("backup");
    QTest::addColumn<QString>("message");
    QTest::newRow("save, disk full") << "save" << false << "Disk full";
    QTest::newRow("save as with backup, disk full") << "saveas-backup" << true << "Disk full";
    QTest::newRow("save as into a file used as folder") << "saveas-notdir" << false << "File not found";
}

void TestFileCommands::failedSaveKeepsEverything()
{
    QFETCH(QString, command);
    QFETCH(bool, backup);
    QFETCH(QString, message);
    Fixture f;
    f.writeSettings(backup ? "[Preferences]\nBackup=1\n" : "");
    const QString path = f.writeBook("family.zdl", contacts(200, "old"));
    const QString bak = f.writeBook("family.bak", {contact("older", "")});
    const QByteArray oldBytes = fileBytes(path), bakBytes = fileBytes(bak);
    TFZandolin &w = f.start({path});
    const QString settingsBefore = QString::fromLatin1(fileBytes(f.settingsFile()));
    w.book().Book = contacts(200, "new");
    w.setModified(true);

    bool saved = true;
    if (command == QLatin1String("saveas-notdir")) {
        Dialogs::Test::setNextFileName(f.book("family.zdl/inside.zdl"));
        saved = w.TBSaveAsClick();
    } else {
        FileSizeLimit limit(16 * 1024);
        if (command == QLatin1String("save")) {
            saved = w.TBSaveClick();
        } else {
            Dialogs::Test::setNextFileName(path);
            saved = w.TBSaveAsClick();
        }
    }

    QVERIFY(!saved);
    QCOMPARE(Dialogs::Test::shownMessages(), QStringList{message});
    QCOMPARE(fileBytes(path), oldBytes);
    QCOMPARE(fileBytes(bak), bakBytes);
    QCOMPARE(filesIn(f.booksDir()), (QStringList{"family.bak", "family.zdl"}));
    QVERIFY(w.book().BookModified);
    QVERIFY(!w.statusPanel(1)->text().isEmpty() || w.texts().Modified.isEmpty());
    QCOMPARE(w.book().BookFileName, path);
    QCOMPARE(QString::fromLatin1(fileBytes(f.settingsFile())), settingsBefore);
}

void TestFileCommands::saveOfGoneFileAsksForName()
{
    Fixture f;
    const QString path = f.writeBook("family.zdl", {contact("Ann", "Lee")});
    TFZandolin &w = f.start({path});
    QFile::remove(path);

    // Cancelling the Save as that takes over writes nothing.
    Dialogs::Test::setNextFileName(QString());
    QVERIFY(!w.TBSaveClick());
    QVERIFY(filesIn(f.booksDir()).isEmpty());

    Dialogs::Test::setNextFileName(f.book("elsewhere"));
    QVERIFY(w.TBSaveClick());
    QCOMPARE(w.book().BookFileName, f.book("elsewhere.zdl"));
    QCOMPARE(readBook(f.book("elsewhere.zdl")).size(), size_t(1));
}

void TestFileCommands::newForgetsFileAndEncryption()
{
    Fixture f;
    const QString path = f.writeBook("secret.zdl", {contact("xx", "yy"), contact("zz", "")}, 1);
    const QByteArray before = fileBytes(path);
    TFZandolin &w = f.start({path});
    QCOMPARE(w.book().BookEncrypted, 1);
    w.setModified(true);

    answerExitPrompt("ButtonNo"); // the modified book is given up on purpose
    w.action(Cmd::New)->trigger();
    QCOMPARE(w.book().BookCount(), 0);
    QCOMPARE(w.book().BookEncrypted, 0);
    QVERIFY(w.book().BookFileName.isEmpty());
    QVERIFY(!w.book().BookModified);
    QVERIFY(w.action(Cmd::Add)->isEnabled());
    QVERIFY(!w.action(Cmd::Delete)->isEnabled());
    QVERIFY(w.statusPanel(2)->text().endsWith(QLatin1String("0")));

    // The next Save asks for a name instead of emptying the old book.
    Dialogs::Test::setNextFileName(QString());
    QVERIFY(!w.TBSaveClick());
    QCOMPARE(fileBytes(path), before);
}

void TestFileCommands::openSetsFileSettingsAndFolder()
{
    Fixture f;
    f.writeSettings("[Preferences]\nFolderOptionLoad=1\n");
    const QString path = f.writeBook("family.zdl", {contact("Ann", "Lee"), contact("Bob", "Ray")});
    TFZandolin &w = f.start();
    QCOMPARE(w.settings().loadDir, f.programDir());
    Dialogs::Test::setNextFileName(path);
    w.action(Cmd::Open)->trigger();

    QCOMPARE(w.book().BookCount(), 2);
    QCOMPARE(w.book().BookFileName, path);
    QCOMPARE(w.settings().loadDir, f.booksDir());
    QCOMPARE(f.ini().readString("Preferences", "LoadFile"), path);
    QCOMPARE(storedRecentFiles(f.ini()), (QStringList{path, "", "", ""}));
    QVERIFY(!w.book().EditsLive);
    QCOMPARE(w.selectedRecord(), -1);

    // With a fixed folder the dialogs keep starting there.
    Fixture g;
    g.writeSettings(("[Preferences]\nFolderOptionLoad=2\nLoadFolder=" + g.programDir() + "\n").toUtf8());
    const QString other = g.writeBook("other.zdl", {});
    TFZandolin &v = g.start();
    Dialogs::Test::setNextFileName(other);
    v.TBOpenClick();
    QCOMPARE(v.book().BookFileName, other);
    QCOMPARE(v.settings().loadDir, g.programDir());
}

void TestFileCommands::openCancelledOrFailingChangesNothing()
{
    Fixture f;
    const QString path = f.writeBook("family.zdl", {contact("Ann", "Lee")});
    TFZandolin &w = f.start({path});
    w.setModified(true);
    const QString settingsBefore = QString::fromLatin1(fileBytes(f.settingsFile()));

    answerExitPrompt("ButtonNo");
    Dialogs::Test::setNextFileName(QString());
    w.TBOpenClick();
    answerExitPrompt("ButtonNo");
    Dialogs::Test::setNextFileName(f.book("missing.zdl"));
    w.TBOpenClick();

    QCOMPARE(Dialogs::Test::shownMessages(), QStringList{"File not found"});
    QCOMPARE(w.book().BookCount(), 1);
    QCOMPARE(w.book().BookFileName, path);
    QVERIFY(w.book().BookModified);
    QCOMPARE(QString::fromLatin1(fileBytes(f.settingsFile())), settingsBefore);
    QVERIFY(w.recentFileActions().isEmpty());
}

// New, Open and a recent book replace the book in memory: a modified one is
// never dropped without the user's answer.
void TestFileCommands::replacingModifiedBookAsksFirst()
{
    Fixture f;
    const QString mine = f.writeBook("mine.zdl", {contact("Ann", "Lee")});
    const QString other = f.writeBook("other.zdl", {contact("Bob", "Ray"), contact("Cy", "")});
    f.writeSettings(QStringLiteral("[MRUList]\nMRU1=%1\n").arg(other).toUtf8());
    TFZandolin &w = f.start({mine});
    w.book().Book[0].setText(TEnreg::City, "Lyon");
    w.setModified(true);

    // Cancel: nothing happens, not even the file dialog.
    for (QAction *a : {w.action(Cmd::New), w.action(Cmd::Open), w.recentFileActions().at(0)}) {
        answerExitPrompt("ButtonCancel");
        Dialogs::Test::setNextFileName(other);
        a->trigger();
        QCOMPARE(w.book().BookFileName, mine);
        QCOMPARE(w.book().Book.at(0).text(TEnreg::City), "Lyon");
        QVERIFY(w.book().BookModified);
        Dialogs::Test::clear();
    }

    // Yes: the edits reach the old file, then the other book opens unmodified.
    answerExitPrompt("ButtonYes");
    Dialogs::Test::setNextFileName(other);
    w.action(Cmd::Open)->trigger();
    QCOMPARE(BookFile::read(mine).value.records.at(0).text(TEnreg::City), QByteArrayView("Lyon"));
    QCOMPARE(w.book().BookFileName, other);
    QCOMPARE(w.book().BookCount(), 2);
    QVERIFY(!w.book().BookModified);
    QVERIFY(w.statusPanel(1)->text().isEmpty());
}

void TestFileCommands::recentListOrderAndKeys()
{
    Fixture f;
    QStringList books;
    for (const char *name : {"a.zdl", "b.zdl", "c.zdl", "d.zdl"})
        books << f.writeBook(QLatin1String(name), {contact(name, "")});
    // An empty key is skipped when the list is read.
    f.writeSettings(QStringLiteral("[MRUList]\nNumber=4\nMRU1=%1\nMRU2=\nMRU3=%2\nMRU4=%3\n")
                        .arg(books[0], books[1], books[2])
                        .toUtf8());
    TFZandolin &w = f.start();
    QCOMPARE(recentMenuTexts(w), (QStringList{books[0], books[1], books[2]}));

    // The entries sit between the two separators before Properties.
    const QList<QAction *> menu = w.menuBar()->findChild<QMenu *>("ActionFile")->actions();
    const qsizetype first = menu.indexOf(w.recentFileActions().first());
    QVERIFY(menu.at(first - 1)->isSeparator());
    QCOMPARE(menu.at(first + 3)->objectName(), QStringLiteral("RecentFilesEnd"));
    QCOMPARE(menu.at(first + 4), w.action(Cmd::Properties));

    // Choosing the second entry moves it to the top; the others keep their order.
    w.recentFileActions().at(1)->trigger();
    QCOMPARE(w.book().BookFileName, books[1]);
    QCOMPARE(w.book().Book.at(0).text(TEnreg::Name), "b.zdl");
    QCOMPARE(recentMenuTexts(w), (QStringList{books[1], books[0], books[2]}));
    QCOMPARE(storedRecentFiles(f.ini()), (QStringList{books[1], books[0], books[2], ""}));
    QVERIFY(!f.ini().hasKey("MRUList", "MRU4"));
    QCOMPARE(f.ini().readString("Preferences", "LoadFile"), books[1]);

    // A fifth book pushes the oldest out; a name differing only in letter
    // case is the same entry and takes the new spelling.
    Dialogs::Test::setNextFileName(books[3]);
    w.TBOpenClick();
    const QString upper = f.writeBook("A.ZDL", {contact("upper", "")});
    Dialogs::Test::setNextFileName(upper);
    w.TBOpenClick();
    QCOMPARE(recentMenuTexts(w), (QStringList{upper, books[3], books[1], books[2]}));
    QCOMPARE(storedRecentFiles(f.ini()), recentMenuTexts(w));
}

void TestFileCommands::recentEntryOfGoneFile()
{
    Fixture f;
    const QString gone = f.writeBook("gone.zdl", {});
    const QString open = f.writeBook("open.zdl", {contact("Ann", "Lee")});
    f.writeSettings(QStringLiteral("[MRUList]\nMRU1=%1\n").arg(gone).toUtf8());
    QFile::remove(gone);
    TFZandolin &w = f.start({open});
    QVERIFY(!w.openRecentFile(gone));
    QCOMPARE(Dialogs::Test::shownMessages(), QStringList{"File not found"});
    QCOMPARE(recentMenuTexts(w), QStringList{gone});
    QCOMPARE(w.book().BookFileName, open);
    QCOMPARE(w.book().BookCount(), 1);
}

void TestFileCommands::recentListOfLengthZero()
{
    Fixture f;
    const QString path = f.writeBook("family.zdl", {});
    f.writeSettings("[MRUList]\nNumber=0\nMRU1=/somewhere/kept.zdl\n");
    TFZandolin &w = f.start();
    QVERIFY(w.recentFileActions().isEmpty());
    Dialogs::Test::setNextFileName(path);
    w.TBOpenClick();
    QVERIFY(w.recentFileActions().isEmpty());
    QCOMPARE(f.ini().readString("MRUList", "MRU1"), QStringLiteral("/somewhere/kept.zdl"));
}

void TestFileCommands::properties()
{
    Fixture f;
    const QString path = f.writeBook("family.zdl", {contact("Ann", "Lee")});
    // A file written by another program keeps its identification text.
    QByteArray foreign = fileBytes(path);
    const QByteArray sig = "Other book 2.0 \xE9t\xE9";
    qint32 oldLen = 0;
    std::memcpy(&oldLen, foreign.constData() + 1, 4);
    qint32 newLen = qint32(sig.size());
    foreign = foreign.left(1) + QByteArray(reinterpret_cast<const char *>(&newLen), 4) + sig + foreign.mid(5 + oldLen);
    {
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(foreign);
    }
    TFZandolin &w = f.start();

    auto shown = [&w] {
        QStringList values;
        onNextModal([&values](QWidget *d) {
            for (const char *n : {"NameValue", "SizeValue", "FormatValue"})
                values << d->findChild<QLabel *>(QLatin1String(n))->text();
            click(d, "ButtonOk");
        });
        w.action(Cmd::Properties)->trigger();
        return values;
    };

    QCOMPARE(shown(), (QStringList{"NA", "NA", "NA"}));

    Dialogs::Test::setNextFileName(path);
    w.TBOpenClick();
    QCOMPARE(shown(), (QStringList{path, QString::number(foreign.size()) + " bytes",
                                   QString::fromUtf8("Other book 2.0 \u00e9t\u00e9")}));

    QFile::remove(path);
    QCOMPARE(shown(), (QStringList{path, "-1 bytes", QString::fromUtf8("Other book 2.0 \u00e9t\u00e9")}));
}

void TestFileCommands::printerSetupUsesKeptPrinter()
{
    Fixture f;
    TFZandolin &w = f.start();
    QPrinter *seen = nullptr;
    for (int i = 0; i < 2; ++i) {
        onNextModal([&seen](QWidget *d) {
            auto *dialog = qobject_cast<QPrintDialog *>(d);
            QVERIFY(dialog);
            seen = dialog->printer();
            dialog->reject();
        });
        w.action(Cmd::Setup)->trigger();
        QCOMPARE(seen, &w.printer());
    }
}

void TestFileCommands::confirmationDialogs_data()
{
    QTest::addColumn<bool>("undo");
    QTest::addColumn<QString>("how"); // button clicked, or "close" for the title bar
    QTest::addColumn<bool>("tick");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("askAfter");
    for (bool undo : {false, true}) {
        const char *which = undo ? "undo: " : "delete: ";
        QTest::addRow("%sYes", which) << undo << "ButtonYes" << false << int(ConfirmationDialog::Yes) << true;
        QTest::addRow("%sNo", which) << undo << "ButtonNo" << false << int(ConfirmationDialog::No) << true;
        QTest::addRow("%sclosed", which) << undo << "close" << false << int(ConfirmationDialog::Yes) << true;
        QTest::addRow("%sEscape ignored, then No", which) << undo << "escape" << false
                                                         << int(ConfirmationDialog::No) << true;
        QTest::addRow("%sdo not ask again, No", which) << undo << "ButtonNo" << true
                                                      << int(ConfirmationDialog::No) << false;
    }
}

void TestFileCommands::confirmationDialogs()
{
    QFETCH(bool, undo);
    QFETCH(QString, how);
    QFETCH(bool, tick);
    QFETCH(int, answer);
    QFETCH(bool, askAfter);

    bool ask = true;
    std::unique_ptr<ConfirmationDialog> dialog;
    if (undo)
        dialog = std::make_unique<TFConfirmUndo>(ask, nullptr);
    else
        dialog = std::make_unique<TFDeleteConfirmation>(ask, nullptr);

    bool askWhileOpen = true;
    onNextModal([&](QWidget *d) {
        QVERIFY(d->findChild<QLabel *>("Image1"));
        if (tick) {
            QTest::mouseClick(d->findChild<QCheckBox *>("CheckBox1"), Qt::LeftButton);
            askWhileOpen = ask;
        }
        if (how == QLatin1String("close")) {
            d->close();
        } else if (how == QLatin1String("escape")) {
            QTest::keyClick(d, Qt::Key_Escape);
            QVERIFY(d->isVisible());
            click(d, "ButtonNo");
        } else {
            click(d, how.toLatin1().constData());
        }
    });
    const int got = undo ? static_cast<TFConfirmUndo *>(dialog.get())->ask()
                         : static_cast<TFDeleteConfirmation *>(dialog.get())->ask("Ann", "Lee");
    QCOMPARE(got, answer);
    QCOMPARE(ask, askAfter);
    if (tick)
        QVERIFY(!askWhileOpen); // the tick acts at once
    QCOMPARE(dialog->question(), undo ? QStringLiteral("Are you sure you want to revert previous information ?")
                                      : QStringLiteral("Are you sure you want to delete Ann Lee?"));
    // The tick is kept for the next time.
    QCOMPARE(dialog->askAgainTicked(), tick);
}

QTEST_MAIN(TestFileCommands)
#include "tst_filecmds.moc"
