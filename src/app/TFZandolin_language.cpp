// The main window's language and help: applying a language file to every
// window, the help file of the language, and the help and support commands.

#include "app/ContactList.h"
#include "app/FormTexts.h"
#include "app/RecordForm.h"
#include "settings/LanguageTarget.h"
#include "app/TFZandolin.h"
#include "crypt/TFCrypt.h"
#include "platform/Dialogs.h"
#include "platform/HelpViewer.h"
#include "platform/Shell.h"
#include "settings/IniFile.h"
#include "settings/LanguageFiles.h"
#include "tools/TFBirthday.h"
#include "tools/TFFind.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QToolBar>

namespace {

// These three messages are fixed texts, the same in every language.
const QString kNoLanguageFile = QStringLiteral("Fichier langue inexistant");
const QString kNoHelpFile = QStringLiteral("Le fichier d'aide est introuvable !");

const QString kSupportPage = QStringLiteral("https://zandolin.example.org/support/");
const QString kSupportPageFrench = QStringLiteral("https://zandolin.example.org/fr/support/");

// The menu caption key of each command, in the order the captions are set.
struct MenuKey
{
    Cmd cmd;
    const char *key;
};
const MenuKey kMenuKeys[] = {
    {Cmd::New, "FZandolin.ActionFile.New"},
    {Cmd::Open, "FZandolin.ActionFile.Open"},
    {Cmd::Save, "FZandolin.ActionFile.Save"},
    {Cmd::SaveAs, "FZandolin.ActionFile.SaveAs"},
    {Cmd::Import, "FZandolin.ActionFile.Import"},
    {Cmd::Export, "FZandolin.ActionFile.Export"},
    {Cmd::Lock, "FZandolin.ActionFile.Lock"},
    {Cmd::Unlock, "FZandolin.ActionFile.Unlock"},
    {Cmd::Encrypt, "FZandolin.ActionFile.Encrypt"},
    {Cmd::Decrypt, "FZandolin.ActionFile.Decrypt"},
    {Cmd::Preview, "FZandolin.ActionFile.Preview"},
    {Cmd::Setup, "FZandolin.ActionFile.Setup"},
    {Cmd::Properties, "FZandolin.ActionFile.Properties"},
    {Cmd::Exit, "FZandolin.ActionFile.Exit"},
    {Cmd::Add, "FZandolin.ActionEdit.Add"},
    {Cmd::Delete, "FZandolin.ActionEdit.Delete"},
    {Cmd::Duplicate, "FZandolin.ActionEdit.Duplicate"},
    {Cmd::Undo, "FZandolin.ActionEdit.Undo"},
    {Cmd::Find, "FZandolin.ActionEdit.Find"},
    {Cmd::Dial, "FZandolin.ActionTools.Dial"},
    {Cmd::Mail, "FZandolin.ActionTools.Mail"},
    {Cmd::Web, "FZandolin.ActionTools.Web"},
    {Cmd::Copy, "FZandolin.ActionTools.Copy"},
    {Cmd::Write, "FZandolin.ActionTools.Write"},
    {Cmd::History, "FZandolin.ActionTools.History"},
    {Cmd::Preferences, "FZandolin.ActionTools.Preferences"},
    {Cmd::Birthdays, "FZandolin.Birthday"},
    {Cmd::HelpIndex, "FZandolin.ActionHelp.Index"},
    {Cmd::About, "FZandolin.ActionHelp.About"},
    {Cmd::Support, "FZandolin.ActionHelp.Web"},
    {Cmd::EditCategories, "FZandolin.ActionTools.Category"},
    // The list's pop-up menu shares the Add, Delete, Duplicate, Lock and
    // Unlock commands, and so their captions; these three are its own.
    {Cmd::ExpandAll, "FZandolin.Expand"},
    {Cmd::CollapseAll, "FZandolin.Collapse"},
    {Cmd::Refresh, "FZandolin.Refresh"},
};

// The toolbar hint key of each button, in toolbar order.
const MenuKey kHintKeys[] = {
    {Cmd::New, "FZandolin.BHint.New"},
    {Cmd::Open, "FZandolin.BHint.Open"},
    {Cmd::Save, "FZandolin.BHint.Save"},
    {Cmd::SaveAs, "FZandolin.BHint.SaveAs"},
    {Cmd::Import, "FZandolin.BHint.Import"},
    {Cmd::Export, "FZandolin.BHint.Export"},
    {Cmd::Lock, "FZandolin.BHint.Lock"},
    {Cmd::Unlock, "FZandolin.BHint.Unlock"},
    {Cmd::Encrypt, "FZandolin.BHint.Encrypt"},
    {Cmd::Decrypt, "FZandolin.BHint.Decrypt"},
    {Cmd::Preview, "FZandolin.BHint.Preview"},
    {Cmd::Setup, "FZandolin.BHint.Setup"},
    {Cmd::Properties, "FZandolin.BHint.Properties"},
    {Cmd::Add, "FZandolin.BHint.Add"},
    {Cmd::Delete, "FZandolin.BHint.Delete"},
    {Cmd::Duplicate, "FZandolin.BHint.Duplicate"},
    {Cmd::Undo, "FZandolin.BHint.Undo"},
    {Cmd::Find, "FZandolin.BHint.Find"},
    {Cmd::Dial, "FZandolin.BHint.Dial"},
    {Cmd::Mail, "FZandolin.BHint.Mail"},
    {Cmd::Web, "FZandolin.BHint.Web"},
    {Cmd::Copy, "FZandolin.BHint.Copy"},
    {Cmd::Write, "FZandolin.BHint.Write"},
    {Cmd::History, "FZandolin.BHint.History"},
    {Cmd::Preferences, "FZandolin.BHint.Pref"},
    {Cmd::HelpIndex, "FZandolin.BHint.Help"},
    {Cmd::About, "FZandolin.BHint.About"},
    {Cmd::Support, "FZandolin.BHint.Support"},
    {Cmd::Exit, "FZandolin.BHint.Exit"},
};

} // namespace

void TFZandolin::connectLanguageCommands()
{
    connect(action(Cmd::HelpIndex), &QAction::triggered, this, &TFZandolin::TBHelpClick);
    connect(action(Cmd::Support), &QAction::triggered, this, &TFZandolin::TBSupportClick);
}

void TFZandolin::LoadLanguage(const QString &language)
{
    const QString path = LanguageFiles::find(m_paths, language);
    if (path.isEmpty()) {
        Dialogs::error(this, kNoLanguageFile);
        return; // every text stays as it was
    }
    m_texts.read(IniFile(path));
    applyMainWindowTexts();
    FormTexts::applyCategories(m_filter, m_texts);
    FormTexts::applyCategories(m_form->categoryPicker(), m_texts);
    applyDialogTexts();
    // The other windows, each with the texts of its own section(s).
    for (QWidget *w : findChildren<QWidget *>())
        if (auto *target = dynamic_cast<LanguageTarget *>(w))
            target->applyLanguage(m_texts);
    refreshStatusBar();
}

void TFZandolin::applyMainWindowTexts()
{
    auto t = [this](const char *key) { return m_texts.text(u"Main Window", QLatin1String(key)); };
    menuBar()->setWindowTitle(t("FZandolin.MainMenu"));
    m_toolbar->setWindowTitle(t("FZandolin.Toolbar"));
    applyListHeaders();

    const std::pair<const char *, const char *> menus[] = {
        {"ActionFile", "FZandolin.ActionFile"},
        {"ActionEdit", "FZandolin.ActionEdit"},
        {"ActionTools", "FZandolin.ActionTools"},
        {"ActionHelp", "FZandolin.ActionHelp"},
    };
    for (const auto &[name, key] : menus)
        if (auto *menu = findChild<QMenu *>(QLatin1String(name)))
            menu->setTitle(t(key));
    for (const MenuKey &k : kMenuKeys)
        action(k.cmd)->setText(t(k.key));
    for (const MenuKey &k : kHintKeys)
        action(k.cmd)->setToolTip(t(k.key));

    FormTexts::apply(m_pages, m_texts);
}

// The passphrase, find and birthday windows take the texts they show when
// they open; they are kept in them from here. (The exit prompt, the
// confirmations and the properties get theirs from texts() as they open.)
void TFZandolin::applyDialogTexts()
{
    TFCrypt::Captions &c = m_crypt->captions();
    c.FCryptCaption = m_texts.FCryptCaption;
    c.BCryptCaption = m_texts.BCryptCaption;
    c.LbCryptCaption = m_texts.LbCryptCaption;
    c.FDeCryptCaption = m_texts.FDeCryptCaption;
    c.BDeCryptCaption = m_texts.BDeCryptCaption;
    c.LbDeCryptCaption = m_texts.LbDeCryptCaption;
    c.ButtonCancel = m_texts.ButtonCancel;

    m_find->setTexts(m_texts.FindCaption, m_texts.FindButton, m_texts.FindCheckbox, m_texts.FindLabel1,
                     m_texts.FindLabel2);
    // The field picker is filled anew, from these, each time the window opens.
    m_find->setFieldCaption([this](int entry) { return m_texts.field(entry); });

    m_birthday->setTexts(m_texts.BirthdayTitle, m_texts.BirthdayLabel, m_texts.BirthdayCol0, m_texts.BirthdayCol1,
                         m_texts.BirthdayCol2);
}

void TFZandolin::applyListHeaders()
{
    // The list shows the two captions in the order it lists the names.
    m_list->setColumnCaptions(m_texts.ColumnFirstName, m_texts.ColumnSurname);
}

// ---------------------------------------------------------------- help

void TFZandolin::setHelpLanguage(const QString &language)
{
    m_helpLanguage = LanguageFiles::helpLanguage(language);
}

QString TFZandolin::helpFile() const
{
    return LanguageFiles::helpFile(m_paths, m_helpLanguage);
}

bool TFZandolin::checkHelpFile()
{
    if (QFileInfo(helpFile()).isFile())
        return true;
    Dialogs::error(this, kNoHelpFile);
    return false;
}

HelpViewer *TFZandolin::helpViewer()
{
    // The help window belongs to no window, as the system's help viewer would.
    if (!m_helpViewer)
        m_helpViewer = std::make_unique<HelpViewer>();
    return m_helpViewer.get();
}

void TFZandolin::TBHelpClick()
{
    helpViewer()->openIndex(helpFile());
}

void TFZandolin::showHelpContext(int context)
{
    helpViewer()->openContext(helpFile(), context);
}

void TFZandolin::TBSupportClick()
{
    Shell::openWeb(m_helpLanguage == QLatin1String("French") ? kSupportPageFrench : kSupportPage);
}
