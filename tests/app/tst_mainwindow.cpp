#include "../ProgramData.h"
#include "app/TFExit.h"
#include "app/TFZandolin.h"
#include "book/BookFile.h"
#include "platform/Dialogs.h"
#include "settings/IniFile.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

#include <memory>

namespace {

// Clicks a button of the modal dialog that is about to open.
void answerModal(const QString &button)
{
    QTimer::singleShot(0, [button] {
        QWidget *w = QApplication::activeModalWidget();
        QVERIFY(w);
        auto *b = w->findChild<QPushButton *>(button);
        QVERIFY(b);
        b->click();
    });
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

std::vector<TEnreg> sampleRecords()
{
    std::vector<TEnreg> r(2);
    r[0].setText(TEnreg::Name, "Anne");
    r[1].setText(TEnreg::Name, "\xC9milie");
    r[1].Category = 3;
    return r;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void menusAndToolbar();
    void commandLineBookLoadsWithoutAutoLoad();
    void autoLoadAnyCaseAndMissingBook();
    void failedLoadKeepsCurrentBook();
    void geometryIsClampedToTheScreen();
    void closeBoxWritesGeometryExitDoesNot();
    void exitPromptAnswers();
    void neverSavedBookAndCancelledSaveAs();
    void failedSaveKeepsProgramOpen();

private:
    std::unique_ptr<TFZandolin> makeWindow(const QStringList &args = {});
    void writeSettings(const QByteArray &content);
    std::unique_ptr<QTemporaryDir> m_dir;
    AppPaths m_paths;
};

void TestMainWindow::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_paths = AppPaths(m_dir->path(), QStringLiteral("zandolin"));
    QVERIFY(installProgramData(m_dir->path()));
    Dialogs::Test::clear();
}

void TestMainWindow::cleanup()
{
    Dialogs::Test::clear();
}

std::unique_ptr<TFZandolin> TestMainWindow::makeWindow(const QStringList &args)
{
    auto w = std::make_unique<TFZandolin>(m_paths, args);
    w->show();
    return w;
}

void TestMainWindow::writeSettings(const QByteArray &content)
{
    QFile f(m_paths.settingsFile());
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

void TestMainWindow::menusAndToolbar()
{
    auto w = makeWindow();
    const QList<QAction *> menus = w->menuBar()->actions();
    QCOMPARE(menus.size(), 4);
    QCOMPARE(w->action(Cmd::New)->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    QCOMPARE(w->action(Cmd::SaveAs)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Alt+S")));
    QCOMPARE(w->action(Cmd::Exit)->shortcut(), QKeySequence(QStringLiteral("Ctrl+X")));
    QCOMPARE(w->action(Cmd::HelpIndex)->shortcut(), QKeySequence(Qt::Key_F1));
    // Default toolbar: Import hidden, New shown; the menus keep both.
    QTRY_VERIFY(!w->toolbarButton(Cmd::Import)->isVisible()); // the toolbar lays out lazily
    QVERIFY(w->toolbarButton(Cmd::New)->isVisible());
    QVERIFY(!w->toolbarButton(Cmd::Birthdays)); // not on the toolbar
    QVERIFY(w->action(Cmd::Import)->isVisible());
    QCOMPARE(w->minimumSize(), QSize(800, 600));
    QCOMPARE(w->windowTitle(), QStringLiteral("Zandolin"));
    QCOMPARE(w->pages()->count(), 3);
}

void TestMainWindow::commandLineBookLoadsWithoutAutoLoad()
{
    const QString book = m_dir->filePath(QStringLiteral("a.zdl"));
    QVERIFY(BookFile::save(book, sampleRecords(), 0));
    writeSettings("[Preferences]\r\nAutoLoad=0\r\n");
    auto w = makeWindow({book});
    QCOMPARE(w->book().BookCount(), 2);
    QCOMPARE(w->book().BookFileName, QFileInfo(book).absoluteFilePath());
    QCOMPARE(w->book().Book[1].text(TEnreg::Name), QByteArrayView("\xC9milie"));
    QVERIFY(!w->book().BookModified);
}

void TestMainWindow::autoLoadAnyCaseAndMissingBook()
{
    const QString book = m_dir->filePath(QStringLiteral("b.zdl"));
    QVERIFY(BookFile::save(book, sampleRecords(), 0));
    writeSettings("[Preferences]\r\nAUTOLOAD=1\r\nLoadFile=" + book.toUtf8() + "\r\n");
    {
        auto w = makeWindow();
        QCOMPARE(w->book().BookCount(), 2);
    }
    // A start-up book that does not exist is remembered, not loaded, no message.
    const QString missing = m_dir->filePath(QStringLiteral("gone.zdl"));
    auto w = makeWindow({missing});
    QCOMPARE(w->book().BookCount(), 0);
    QCOMPARE(w->book().BookFileName, missing);
    QVERIFY(Dialogs::Test::shownMessages().isEmpty());
}

void TestMainWindow::failedLoadKeepsCurrentBook()
{
    const QString book = m_dir->filePath(QStringLiteral("a.zdl"));
    QVERIFY(BookFile::save(book, sampleRecords(), 0));
    auto w = makeWindow({book});
    w->setModified(true);
    QVERIFY(!w->loadBook(m_dir->filePath(QStringLiteral("nothing/here.zdl"))));
    QCOMPARE(Dialogs::Test::shownMessages(), QStringList{QStringLiteral("File not found")});
    QCOMPARE(w->book().BookCount(), 2);
    QCOMPARE(w->book().BookFileName, QFileInfo(book).absoluteFilePath());
    QVERIFY(w->book().BookModified);
}

void TestMainWindow::geometryIsClampedToTheScreen()
{
    writeSettings("[Size]\r\nFormX=5000\r\nFormY=4000\r\nPanelX=300\r\n");
    auto w = makeWindow();
    const QRect screen = w->screen()->availableGeometry();
    QVERIFY(w->width() <= qMax(screen.width(), w->minimumWidth()));
    QVERIFY(w->height() <= qMax(screen.height(), w->minimumHeight()));
}

void TestMainWindow::closeBoxWritesGeometryExitDoesNot()
{
    writeSettings("[Size]\r\nFormX=820\r\nFormY=610\r\n");
    {
        auto w = makeWindow();
        w->resize(900, 700);
        w->action(Cmd::Exit)->trigger();
        QVERIFY(!w->isVisible());
        const IniFile ini(m_paths.settingsFile());
        QCOMPARE(ini.readInteger(QStringLiteral("Size"), QStringLiteral("FormX"), 0), 820);
        QVERIFY(!ini.hasSection(QStringLiteral("PositionTBToolbar")));
    }
    auto w = makeWindow();
    w->resize(910, 705);
    QVERIFY(w->close());
    const IniFile ini(m_paths.settingsFile());
    QCOMPARE(ini.readInteger(QStringLiteral("Size"), QStringLiteral("FormX"), 0), w->width());
    QCOMPARE(ini.readInteger(QStringLiteral("Size"), QStringLiteral("FormY"), 0), w->height());
    QCOMPARE(ini.readInteger(QStringLiteral("PositionTBToolbar"), QStringLiteral("Rev"), 0), 2000);
    QVERIFY(ini.hasKey(QStringLiteral("Preferences"), QStringLiteral("CategoriesModified")));
    QVERIFY(!ini.hasKey(QStringLiteral("Size"), QStringLiteral("Col3"))); // third column hidden
}

void TestMainWindow::exitPromptAnswers()
{
    const QString book = m_dir->filePath(QStringLiteral("a.zdl"));
    QVERIFY(BookFile::save(book, sampleRecords(), 0));
    const QByteArray original = readFile(book);
    auto w = makeWindow({book});

    // Cancel: stays open, the toolbar layout is already written, geometry is not.
    w->book().Book[0].setText(TEnreg::City, "Lyon");
    w->setModified(true);
    answerModal(QStringLiteral("ButtonCancel"));
    QVERIFY(!w->close());
    QVERIFY(w->isVisible());
    IniFile ini(m_paths.settingsFile());
    QVERIFY(ini.hasSection(QStringLiteral("PositionTBToolbar")));
    QVERIFY(!ini.hasKey(QStringLiteral("Size"), QStringLiteral("FormX")));

    // Cancel through Exit does nothing either.
    answerModal(QStringLiteral("ButtonCancel"));
    w->action(Cmd::Exit)->trigger();
    QVERIFY(w->isVisible());

    // No: closes without saving.
    answerModal(QStringLiteral("ButtonNo"));
    w->action(Cmd::Exit)->trigger();
    QVERIFY(!w->isVisible());
    QCOMPARE(readFile(book), original);

    // Yes: saves, then closes.
    auto w2 = makeWindow({book});
    w2->book().Book[0].setText(TEnreg::City, "Lyon");
    w2->setModified(true);
    answerModal(QStringLiteral("ButtonYes"));
    QVERIFY(w2->close());
    QCOMPARE(BookFile::read(book).value.records[0].text(TEnreg::City), QByteArrayView("Lyon"));
}

void TestMainWindow::neverSavedBookAndCancelledSaveAs()
{
    auto w = makeWindow();
    w->book().appendRecord();
    w->setModified(true);
    Dialogs::Test::setNextFileName(QString()); // the Save as dialog is cancelled
    answerModal(QStringLiteral("ButtonYes"));
    QVERIFY(!w->close());
    QVERIFY(w->isVisible());

    // Named this time: ".zdl" is added and the program closes.
    Dialogs::Test::setNextFileName(m_dir->filePath(QStringLiteral("new")));
    answerModal(QStringLiteral("ButtonYes"));
    w->action(Cmd::Exit)->trigger();
    QVERIFY(!w->isVisible());
    QCOMPARE(BookFile::read(m_dir->filePath(QStringLiteral("new.zdl"))).value.records.size(), size_t(1));
}

void TestMainWindow::failedSaveKeepsProgramOpen()
{
    // The book's folder becomes a file: the save cannot succeed, even as root.
    const QString folder = m_dir->filePath(QStringLiteral("sub"));
    QVERIFY(QDir().mkpath(folder));
    const QString book = folder + QStringLiteral("/a.zdl");
    QVERIFY(BookFile::save(book, sampleRecords(), 0));
    auto w = makeWindow({book});
    w->setModified(true);
    QVERIFY(QDir(folder).removeRecursively());
    QFile blocker(folder);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    // Save falls back to Save as for a vanished file; give it the same name.
    Dialogs::Test::setNextFileName(book);
    answerModal(QStringLiteral("ButtonYes"));
    QVERIFY(!w->close());
    QVERIFY(w->isVisible());
    QVERIFY(w->book().BookModified);
    QCOMPARE(Dialogs::Test::shownMessages().size(), 1);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
