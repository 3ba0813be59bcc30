// The File menu's book commands: New, Open, Save, Save as, the recent books,
// Printer setup and Properties.
#include "app/TFZandolin.h"

#include "app/TFProperties.h"
#include "book/BookBackup.h"
#include "book/BookFile.h"
#include "platform/Dialogs.h"
#include "settings/IniFile.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>

namespace {

const QString kBookFilter = QStringLiteral("Zandolin (*.zdl)");
const QString kRecentSection = QStringLiteral("MRUList");

// A name typed without an extension gets the book extension; any other
// extension is used as typed.
QString withBookExtension(const QString &fileName)
{
    if (QFileInfo(fileName).fileName().contains(QLatin1Char('.')))
        return fileName;
    return fileName + QStringLiteral(".zdl");
}

} // namespace

void TFZandolin::connectFileCommands()
{
    connect(action(Cmd::New), &QAction::triggered, this, &TFZandolin::TBNewClick);
    connect(action(Cmd::Open), &QAction::triggered, this, &TFZandolin::TBOpenClick);
    connect(action(Cmd::Save), &QAction::triggered, this, [this] { TBSaveClick(); });
    connect(action(Cmd::SaveAs), &QAction::triggered, this, [this] { TBSaveAsClick(); });
    connect(action(Cmd::Setup), &QAction::triggered, this, &TFZandolin::TBSetupClick);
    connect(action(Cmd::Properties), &QAction::triggered, this, &TFZandolin::TBPropertiesClick);
}

// ---------------------------------------------------------------- New, Open

void TFZandolin::TBNewClick()
{
    // Replacing a modified book asks first, as leaving does: edits are never
    // thrown away without the user's word.
    if (!confirmLeave())
        return;
    m_book.BookEncrypted = 0;
    action(Cmd::Add)->setEnabled(true);
    action(Cmd::Delete)->setEnabled(false);
    m_book.clear();
    // The new book has no file yet: the next Save asks for a name instead of
    // writing the empty book over the one that was open before.
    m_book.BookFileName.clear();
    clearForm();
    setModified(false);
    rebuildList();
    refreshCommands();
    refreshStatusBar();
}

void TFZandolin::TBOpenClick()
{
    if (!confirmLeave())
        return;
    const QString name = Dialogs::getOpenFileName(this, action(Cmd::Open)->text(), m_settings.loadDir, kBookFilter);
    if (name.isEmpty())
        return;
    if (m_settings.FolderOptionLoad == 1)
        m_settings.loadDir = QFileInfo(name).absolutePath();
    if (openBook(name))
        showBirthdaysIfAny();
}

bool TFZandolin::openRecentFile(const QString &fileName)
{
    if (!confirmLeave())
        return false;
    const bool ok = openBook(fileName);
    refreshCommands();
    return ok;
}

bool TFZandolin::openBook(const QString &fileName)
{
    // The loader swaps the book in only when the whole file was read, so a
    // failure leaves the book, its name, the settings and the list alone.
    if (!loadBook(fileName))
        return false;
    // The book in memory is now the file's content.
    setModified(false);
    rememberBook(m_book.BookFileName, true);
    return true;
}

// ---------------------------------------------------------------- Save, Save as

bool TFZandolin::saveBook(const QString &fileName, bool keepBackup)
{
    QString backupProblem;
    const Status s = keepBackup
                         ? BookBackup::saveWithBackup(fileName, m_book.Book, m_book.BookEncrypted, &backupProblem)
                         : BookFile::save(fileName, m_book.Book, m_book.BookEncrypted);
    if (!s) {
        // The previous file is untouched and the book stays modified.
        Dialogs::error(this, s.message);
        return false;
    }
    setModified(false);
    if (m_settings.FolderOptionLoad == 1)
        m_settings.loadDir = QFileInfo(fileName).absolutePath();
    if (!backupProblem.isEmpty())
        Dialogs::error(this, backupProblem);
    return true;
}

bool TFZandolin::TBSaveClick()
{
    // A book without a file, or whose file has gone, is saved under a name
    // the user chooses.
    if (m_book.BookFileName.isEmpty() || !QFileInfo::exists(m_book.BookFileName))
        return TBSaveAsClick();
    if (!saveBook(m_book.BookFileName))
        return false;
    rememberBook(m_book.BookFileName, false);
    return true;
}

bool TFZandolin::TBSaveAsClick()
{
    // No overwrite question: the backup setting is what protects an old book.
    QString name = Dialogs::getSaveFileName(this, action(Cmd::SaveAs)->text(), m_settings.loadDir, kBookFilter);
    if (name.isEmpty())
        return false;
    name = QFileInfo(withBookExtension(name)).absoluteFilePath();
    if (!saveBook(name, m_settings.Backup))
        return false;
    m_book.BookFileName = name;
    rememberBook(name, true);
    return true;
}

// ---------------------------------------------------------------- recent books

void TFZandolin::rememberBook(const QString &fileName, bool asStartupBook)
{
    IniFile ini(m_paths.settingsFile());
    if (asStartupBook) {
        m_settings.LoadFile = fileName;
        if (!settingsWritten(ini.writeString(QStringLiteral("Preferences"), QStringLiteral("LoadFile"), fileName)))
            return;
    }
    m_recent.add(fileName);
    rebuildRecentMenu();
    settingsWritten(m_recent.store(ini, kRecentSection));
}

void TFZandolin::loadRecentFiles(const IniFile &ini)
{
    m_recent.setMax(m_settings.MRUNumber);
    m_recent.load(ini, kRecentSection);
    rebuildRecentMenu();
}

void TFZandolin::rebuildRecentMenu()
{
    for (QAction *a : std::as_const(m_recentActions)) {
        m_fileMenu->removeAction(a);
        delete a;
    }
    m_recentActions.clear();
    QAction *end = nullptr;
    for (QAction *a : m_fileMenu->actions())
        if (a->objectName() == QLatin1String("RecentFilesEnd"))
            end = a;
    const QStringList &files = m_recent.items();
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString file = files[i];
        QString caption = QDir::toNativeSeparators(file);
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto *a = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(caption), this);
        a->setObjectName(QStringLiteral("RecentFile%1").arg(i + 1));
        a->setData(file);
        connect(a, &QAction::triggered, this, [this, file] { openRecentFile(file); });
        m_fileMenu->insertAction(end, a);
        m_recentActions << a;
    }
}

// ---------------------------------------------------------------- Printer setup, Properties

QPrinter &TFZandolin::printer()
{
    // Made on first use: asking the system for its printers can take a while.
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

void TFZandolin::TBSetupClick()
{
    // The dialog writes the choice into the printer only when accepted.
    QPrintDialog dialog(&printer(), this);
    dialog.setObjectName(QStringLiteral("PrinterSetup"));
    dialog.setWindowTitle(action(Cmd::Setup)->toolTip());
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    dialog.exec();
}

void TFZandolin::TBPropertiesClick()
{
    m_properties->setTexts(m_texts.ProprWindows, m_texts.ProprLabel1, m_texts.ProprLabel2, m_texts.ProprLabel3);
    m_properties->fill(m_book.BookFileName, m_book.BookFormat);
    m_properties->exec();
}
