#include "../ProgramData.h"
#include "app/ContactList.h"
#include "app/FormTexts.h"
#include "app/RecordForm.h"
#include "app/TFAbout.h"
#include "app/TFZandolin.h"
#include "tools/TFFind.h"
#include "platform/Dialogs.h"
#include "platform/HelpViewer.h"
#include "platform/Shell.h"
#include "settings/IniFile.h"
#include "settings/Texts.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QHeaderView>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

namespace {

const QString kNoLanguage = QStringLiteral("Fichier langue inexistant");
const QString kNoHelp = QStringLiteral("Le fichier d'aide est introuvable !");

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

QString menuTitle(TFZandolin &w, const char *name)
{
    auto *menu = w.findChild<QMenu *>(QLatin1String(name));
    return menu ? menu->title() : QStringLiteral("<no menu>");
}

// A record form with the controls the language texts reach, laid out the
// two ways a form may give its fields labels: a label with the field as
// buddy, or a QFormLayout row.
struct FixtureForm
{
    QTabWidget tabs;
    QWidget *page[3]{};

    explicit FixtureForm(bool withBusinessPage = true)
    {
        tabs.setObjectName(QStringLiteral("JvPageControl1"));
        const char *pages[] = {"TSGeneral", "TSBuisness", "TSPersonal"};
        for (int i = 0; i < 3; ++i) {
            page[i] = new QWidget;
            page[i]->setObjectName(QLatin1String(pages[i]));
            new QVBoxLayout(page[i]);
            if (i != 1 || withBusinessPage)
                tabs.addTab(page[i], QStringLiteral("tab%1").arg(i));
        }
        group(0, "address", {"FlatEdit1", "FlatEdit2", "FlatEdit3", "FlatEdit14", "FlatMemo1", "FlatEdit4",
                             "FlatEdit5", "FlatEdit6", "FlatEdit7"});
        group(0, "phones", {"FlatEdit8", "FlatEdit9", "FlatEdit40", "FlatEdit10", "FlatEdit11", "FlatEdit12",
                            "FlatEdit13"}, true);
        group(0, "elec", {"FlatEdit15", "FlatEdit18", "FlatEdit19", "FlatEdit16", "FlatEdit17", "JvDateEdit1"});
        if (withBusinessPage) {
            group(1, "business", {"FlatEdit27", "FlatMemo3", "FlatEdit29", "FlatEdit30", "FlatEdit31", "FlatEdit32",
                                  "FlatEdit22", "FlatEdit28", "FlatEdit37", "FlatEdit38"});
            group(1, "cphones", {"FlatEdit33", "FlatEdit34", "FlatEdit20", "FlatEdit21", "FlatEdit23", "FlatEdit24",
                                 "FlatEdit25", "FlatEdit26"}, true);
            group(1, "celec", {"FlatEdit35", "FlatEdit42", "FlatEdit43", "FlatEdit36"});
        }
        QGroupBox *family = group(2, "family", {"FlatEdit39", "ListView1"});
        for (const char *b : {"CorelButton1", "CorelButton3"}) {
            auto *button = new QPushButton(QStringLiteral("button"), family);
            button->setObjectName(QLatin1String(b));
            family->layout()->addWidget(button);
        }
        QGroupBox *misc = group(2, "misc", {});
        auto *memo = new QPlainTextEdit(misc);
        memo->setObjectName(QStringLiteral("FlatMemoComments"));
        misc->layout()->addWidget(memo);
    }

    QGroupBox *group(int p, const char *title, std::initializer_list<const char *> fields, bool formLayout = false)
    {
        auto *g = new QGroupBox(QLatin1String(title), page[p]);
        page[p]->layout()->addWidget(g);
        QFormLayout *form = formLayout ? new QFormLayout(g) : nullptr;
        QVBoxLayout *box = formLayout ? nullptr : new QVBoxLayout(g);
        for (const char *name : fields) {
            QWidget *field = QByteArray(name).startsWith("FlatMemo") ? static_cast<QWidget *>(new QPlainTextEdit(g))
                                                                     : new QLineEdit(g);
            field->setObjectName(QLatin1String(name));
            if (form) {
                form->addRow(QStringLiteral("built-in"), field);
            } else {
                auto *label = new QLabel(QStringLiteral("built-in"), g);
                label->setBuddy(field);
                box->addWidget(label);
                box->addWidget(field);
            }
        }
        return g;
    }

    QString label(const char *field) const
    {
        QLabel *l = FormTexts::labelFor(const_cast<QTabWidget *>(&tabs), QLatin1String(field));
        return l ? l->text() : QStringLiteral("<no label>");
    }
    QString groupTitle(const char *field) const
    {
        QGroupBox *g = FormTexts::groupOf(const_cast<QTabWidget *>(&tabs), QLatin1String(field));
        return g ? g->title() : QStringLiteral("<no group>");
    }
    QString button(const char *name) const
    {
        auto *b = tabs.findChild<QPushButton *>(QLatin1String(name));
        return b ? b->text() : QStringLiteral("<no button>");
    }
};

} // namespace

class TestLanguageGui : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void switchesRunningProgramToFrenchAndBack();
    void realFormAndListTakeTheTexts();
    void missingLanguageAtStartUpKeepsBuiltInCaptions();
    void missingLanguageLaterChangesNothing();
    void fileWithOnlyTheEncryptedStateText();
    void toolWindowsTakeTheTexts();
    void otherLanguageUsesEnglishHelp();
    void frenchHelpAndSupportPage();
    void missingHelpFile();
    void categoryPickers_data();
    void categoryPickers();
    void recordFormTexts_data();
    void recordFormTexts();
    void recordFormWithMissingParts();

private:
    std::unique_ptr<TFZandolin> makeWindow(const QByteArray &language = {});
    Texts textsFrom(const QByteArray &content);
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestLanguageGui::init()
{
    // Every text the program asks for must be in the key table.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("is not a language key")));
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(installProgramData(m_dir->path()));
    Dialogs::Test::clear();
    Shell::Test::record(true);
}

void TestLanguageGui::cleanup()
{
    Dialogs::Test::clear();
    Shell::Test::record(false);
}

std::unique_ptr<TFZandolin> TestLanguageGui::makeWindow(const QByteArray &language)
{
    if (!language.isEmpty())
        writeBytes(m_dir->filePath(QStringLiteral("zandolin.ini")), "[Preferences]\r\nLanguage=" + language + "\r\n");
    auto w = std::make_unique<TFZandolin>(AppPaths(m_dir->path(), QStringLiteral("zandolin")), QStringList{});
    w->show();
    return w;
}

Texts TestLanguageGui::textsFrom(const QByteArray &content)
{
    const QString path = m_dir->filePath(QStringLiteral("fixture.lang"));
    writeBytes(path, content);
    Texts t;
    t.read(IniFile(path));
    return t;
}

void TestLanguageGui::switchesRunningProgramToFrenchAndBack()
{
    auto w = makeWindow();
    QVERIFY(Dialogs::Test::shownMessages().isEmpty());
    QCOMPARE(menuTitle(*w, "ActionFile"), QStringLiteral("&File"));
    QCOMPARE(w->statusPanel(2)->text(), QStringLiteral("Contact0"));

    // Every caption of the menus and every toolbar hint, in English.
    QHash<Cmd, QString> english, englishHints;
    for (int i = 0; i < int(Cmd::Count); ++i) {
        english[Cmd(i)] = w->action(Cmd(i))->text();
        englishHints[Cmd(i)] = w->action(Cmd(i))->toolTip();
    }

    w->LoadLanguage(QStringLiteral("French"));
    QVERIFY(Dialogs::Test::shownMessages().isEmpty());
    QCOMPARE(menuTitle(*w, "ActionFile"), QStringLiteral("&Fichier"));
    QCOMPARE(menuTitle(*w, "ActionEdit"), QStringLiteral("&\u00c9dition"));
    QCOMPARE(menuTitle(*w, "ActionTools"), QStringLiteral("&Outils"));
    QCOMPARE(menuTitle(*w, "ActionHelp"), QStringLiteral("&Aide"));
    QCOMPARE(w->menuBar()->actions().first()->text(), QStringLiteral("&Fichier"));
    QCOMPARE(w->action(Cmd::New)->text(), QStringLiteral("Nouveau"));
    QCOMPARE(w->action(Cmd::Birthdays)->text(), QStringLiteral("Afficher les &anniversaires"));
    QCOMPARE(w->action(Cmd::ExpandAll)->text(), QStringLiteral("Tout d\u00e9velopper"));
    QCOMPARE(w->action(Cmd::SaveAs)->toolTip(), QStringLiteral("Enregistrer sous"));
    QCOMPARE(w->toolbar()->windowTitle(), QStringLiteral("Barre d'outils principale"));
    QCOMPARE(w->pages()->tabText(0), QStringLiteral("G\u00e9n\u00e9ral"));
    QCOMPARE(w->pages()->tabText(1), QStringLiteral("Professionnel"));
    QCOMPARE(w->statusPanel(2)->text(), QStringLiteral("Contacts : 0"));
    QCOMPARE(w->aboutBox()->windowTitle(), QStringLiteral("\u00c0 propos"));
    QCOMPARE(w->aboutBox()->findChild<QPushButton *>(QStringLiteral("ButtonCredits"))->text(),
             QStringLiteral("Remerciements"));
    // Nothing left in English: every command the user can see changed.
    for (int i = 0; i < int(Cmd::Count); ++i) {
        const Cmd c = Cmd(i);
        if (c == Cmd::FindNext || c == Cmd::FindPrevious)
            continue; // hidden entries
        QVERIFY2(w->action(c)->text() != english[c], qPrintable(english[c]));
        if (w->toolbarButton(c))
            QVERIFY2(w->action(c)->toolTip() != englishHints[c], qPrintable(englishHints[c]));
    }

    // The exit prompt is built from the text variables when it opens.
    w->setModified(true);
    QCOMPARE(w->statusPanel(1)->text(), QStringLiteral("Modifi\u00e9"));
    QString title, yes;
    QTimer::singleShot(0, [&] {
        QWidget *prompt = QApplication::activeModalWidget();
        QVERIFY(prompt);
        title = prompt->windowTitle();
        yes = prompt->findChild<QPushButton *>(QStringLiteral("ButtonYes"))->text();
        prompt->findChild<QPushButton *>(QStringLiteral("ButtonCancel"))->click();
    });
    w->TBExitClick();
    QCOMPARE(title, QStringLiteral("Quitter"));
    QCOMPARE(yes, QStringLiteral("Oui"));
    QVERIFY(w->isVisible());

    w->LoadLanguage(QStringLiteral("English"));
    QVERIFY(Dialogs::Test::shownMessages().isEmpty());
    QCOMPARE(menuTitle(*w, "ActionFile"), QStringLiteral("&File"));
    for (int i = 0; i < int(Cmd::Count); ++i) {
        QCOMPARE(w->action(Cmd(i))->text(), english[Cmd(i)]);
        QCOMPARE(w->action(Cmd(i))->toolTip(), englishHints[Cmd(i)]);
    }
    QCOMPARE(w->pages()->tabText(0), QStringLiteral("General"));
    QCOMPARE(w->statusPanel(1)->text(), QStringLiteral("Modified"));
    QCOMPARE(w->statusPanel(2)->text(), QStringLiteral("Contact0"));
    QCOMPARE(w->aboutBox()->windowTitle(), QStringLiteral("About"));
    QCOMPARE(w->texts().ButtonYes, QStringLiteral("Yes"));
    w->setModified(false);
}

void TestLanguageGui::realFormAndListTakeTheTexts()
{
    auto w = makeWindow("French");
    QWidget *form = w->recordForm();
    const auto label = [form](const char *field) {
        QLabel *l = FormTexts::labelFor(form, QLatin1String(field));
        return l ? l->text() : QStringLiteral("<no label>");
    };
    const auto group = [form](const char *field) {
        QGroupBox *g = FormTexts::groupOf(form, QLatin1String(field));
        return g ? g->title() : QStringLiteral("<no group>");
    };
    QCOMPARE(label("FlatEdit1"), QStringLiteral("Pr\u00e9nom :"));
    QCOMPARE(label("JvDateEdit1"), QStringLiteral("Anniversaire :"));
    QCOMPARE(label("ListView1"), QStringLiteral("Enfants :"));
    QCOMPARE(group("FlatEdit1"), QStringLiteral("Adresse personnelle"));
    QCOMPARE(group("FlatEdit27"), QStringLiteral("Adresse de la soci\u00e9t\u00e9"));
    QCOMPARE(group("FlatMemoComments"), QStringLiteral("Divers"));
    QCOMPARE(group("FlatEdit39"), QStringLiteral("Famille"));
    // The business page repeats the general page's address and e-mail labels.
    QCOMPARE(label("FlatMemo3"), QStringLiteral("Rue :"));
    QCOMPARE(label("FlatEdit32"), QStringLiteral("Pays :"));
    QCOMPARE(label("FlatEdit43"), QStringLiteral("Courriel 3 :"));
    QCOMPARE(label("FlatEdit36"), QStringLiteral("Site web 1 :"));
    QCOMPARE(w->recordForm()->addChildButton()->text(), QStringLiteral("Ajouter"));
    // Every label and group of the form that has a key got its text: none
    // still shows an English built-in caption.
    for (QLabel *l : form->findChildren<QLabel *>())
        if (l->buddy())
            QVERIFY2(!l->text().contains(QLatin1String("Mail")) && !l->text().contains(QLatin1String("Street"))
                         && !l->text().contains(QLatin1String("Phone"), Qt::CaseInsensitive),
                     qPrintable(l->text()));

    QAbstractItemModel *list = w->contactList()->model();
    QCOMPARE(list->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Pr\u00e9nom"));
    QCOMPARE(list->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Nom"));
    // Listed surname first, the captions stay over their own names when the
    // language changes.
    w->ListHeaderColumnClick(1);
    QVERIFY(w->contactList()->surnameFirst());
    w->LoadLanguage(QStringLiteral("English"));
    QCOMPARE(list->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Surname"));
    QCOMPARE(list->headerData(1, Qt::Horizontal).toString(), QStringLiteral("First Name"));
    w->ListHeaderColumnClick(1);
    QVERIFY(!w->contactList()->surnameFirst());
    QCOMPARE(list->headerData(0, Qt::Horizontal).toString(), QStringLiteral("First Name"));
    QCOMPARE(label("FlatEdit1"), QStringLiteral("First Name:"));
    QCOMPARE(group("FlatEdit27"), QStringLiteral("Company adress"));
}

void TestLanguageGui::missingLanguageAtStartUpKeepsBuiltInCaptions()
{
    auto w = makeWindow("Klingon");
    QCOMPARE(Dialogs::Test::shownMessages(), QStringList{kNoLanguage});
    QVERIFY(!w->texts().loaded);
    QVERIFY(w->texts().ButtonYes.isEmpty());
    // The count panel shows the number alone; the controls keep the
    // captions they were built with.
    QCOMPARE(w->statusPanel(2)->text(), QStringLiteral("0"));
    QCOMPARE(menuTitle(*w, "ActionFile"), QStringLiteral("&File"));
    QCOMPARE(w->action(Cmd::New)->text(), QStringLiteral("New"));
    QCOMPARE(w->aboutBox()->windowTitle(), QStringLiteral("About"));
    QCOMPARE(FormTexts::labelFor(w->recordForm(), QStringLiteral("FlatEdit1"))->text(), QStringLiteral("Fisrt Name:"));
    QCOMPARE(w->categoryFilter()->itemText(0), QStringLiteral("All"));
    QCOMPARE(w->recordForm()->categoryPicker()->itemText(0), QStringLiteral("None"));
    // Any other language still has English help.
    QCOMPARE(w->helpLanguage(), QStringLiteral("English"));
}

void TestLanguageGui::missingLanguageLaterChangesNothing()
{
    auto w = makeWindow("French");
    QVERIFY(Dialogs::Test::shownMessages().isEmpty());
    QFile::remove(m_dir->filePath(QStringLiteral("languages/English.lang")));
    w->LoadLanguage(QStringLiteral("English"));
    QCOMPARE(Dialogs::Test::shownMessages(), QStringList{kNoLanguage});
    QCOMPARE(menuTitle(*w, "ActionFile"), QStringLiteral("&Fichier"));
    QCOMPARE(w->texts().ButtonYes, QStringLiteral("Oui"));
    QCOMPARE(w->statusPanel(2)->text(), QStringLiteral("Contacts : 0"));
}

void TestLanguageGui::fileWithOnlyTheEncryptedStateText()
{
    writeBytes(m_dir->filePath(QStringLiteral("languages/Mini.lang")), "[StatusBar]\r\nCrypted=Sous cl\xE9\r\n");
    auto w = makeWindow("Mini");
    QVERIFY(Dialogs::Test::shownMessages().isEmpty());
    QCOMPARE(menuTitle(*w, "ActionFile"), QStringLiteral("&File"));
    QCOMPARE(w->action(Cmd::HelpIndex)->toolTip(), QStringLiteral("Help Index"));
    QCOMPARE(w->statusPanel(2)->text(), QStringLiteral("Contact0"));
    w->book().BookEncrypted = 1;
    w->refreshStatusBar();
    QCOMPARE(w->statusPanel(0)->text(), QStringLiteral("Sous cl\u00e9"));
}

void TestLanguageGui::toolWindowsTakeTheTexts()
{
    auto w = makeWindow("French");
    // The passphrase dialog, as Encrypt opens it.
    QString title, prompt, run, cancel;
    QTimer::singleShot(0, [&] {
        QWidget *d = QApplication::activeModalWidget();
        QVERIFY(d);
        title = d->windowTitle();
        prompt = d->findChild<QLabel *>(QStringLiteral("LbCrypt"))->text();
        run = d->findChild<QPushButton *>(QStringLiteral("BCrypt"))->text();
        cancel = d->findChild<QPushButton *>(QStringLiteral("BCancel"))->text();
        d->findChild<QPushButton *>(QStringLiteral("BCancel"))->click();
    });
    w->action(Cmd::Encrypt)->trigger();
    QCOMPARE(title, QStringLiteral("Chiffrer"));
    QCOMPARE(prompt, QStringLiteral("Choisissez un mot de passe"));
    QCOMPARE(run, QStringLiteral("Chiffrer"));
    QCOMPARE(cancel, QStringLiteral("Annuler"));

    // The find window and its field picker.
    w->action(Cmd::Find)->trigger();
    auto *find = w->findChild<TFFind *>(QStringLiteral("FFind"));
    QVERIFY(find && find->isVisible());
    QCOMPARE(find->windowTitle(), QStringLiteral("Rechercher"));
    QCOMPARE(find->findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("Rechercher : "));
    QCOMPARE(find->wholeFieldOption()->text(), QStringLiteral("Champ entier uniquement"));
    QCOMPARE(find->fieldPicker()->count(), 48);
    QCOMPARE(find->fieldPicker()->itemText(0), QStringLiteral("Pr\u00e9nom"));
    QCOMPARE(find->fieldPicker()->itemText(47), QStringLiteral("Anniversaire"));
    find->hide();

    // The birthday window.
    auto *birthday = w->findChild<QDialog *>(QStringLiteral("FBirthday"));
    QVERIFY(birthday);
    QCOMPARE(birthday->windowTitle(), QStringLiteral("Anniversaires"));
    QCOMPARE(birthday->findChild<QTreeWidget *>()->headerItem()->text(2), QStringLiteral("\u00c2ge"));

    // Back to English: every one of them follows.
    w->LoadLanguage(QStringLiteral("English"));
    w->action(Cmd::Find)->trigger();
    QCOMPARE(find->windowTitle(), QStringLiteral("Find"));
    QCOMPARE(find->fieldPicker()->itemText(0), QStringLiteral("First name"));
    find->hide();
    QCOMPARE(birthday->windowTitle(), QStringLiteral("Birthday"));
    // The longer column titles fit: none is cut, no scroll bar is needed.
    auto *rows = birthday->findChild<QTreeWidget *>();
    birthday->show();
    for (int c = 0; c < 3; ++c)
        QVERIFY(rows->columnWidth(c) >= rows->header()->sectionSizeHint(c));
    QTRY_COMPARE(rows->horizontalScrollBar()->maximum(), 0);
    birthday->hide();
}

void TestLanguageGui::otherLanguageUsesEnglishHelp()
{
    writeBytes(m_dir->filePath(QStringLiteral("languages/German.lang")),
               "[Main Window]\r\nFZandolin.ActionFile=&Datei\r\n[StatusBar]\r\nContactText=\"Kontakte: \"\r\n");
    auto w = makeWindow("German");
    QVERIFY(Dialogs::Test::shownMessages().isEmpty());
    QCOMPARE(menuTitle(*w, "ActionFile"), QStringLiteral("&Datei"));
    QCOMPARE(menuTitle(*w, "ActionEdit"), QStringLiteral("&Edit"));
    QCOMPARE(w->statusPanel(2)->text(), QStringLiteral("Kontakte: 0"));
    QCOMPARE(w->helpLanguage(), QStringLiteral("English"));
    QCOMPARE(w->helpFile(), QFileInfo(m_dir->filePath(QStringLiteral("help/zandolinEnglish.chm"))).absoluteFilePath());

    w->action(Cmd::HelpIndex)->trigger();
    HelpViewer *help = w->helpViewer();
    QVERIFY(help->isVisible());
    QVERIFY(!help->parentWidget()); // no owner window
    QCOMPARE(help->currentPage(), QStringLiteral("index.html"));
    QCOMPARE(help->windowTitle(), QStringLiteral("Zandolin Help"));
    QVERIFY(help->browser()->toPlainText().contains(QStringLiteral("address book")));
    w->showHelpContext(1009);
    QCOMPARE(help->currentPage(), QStringLiteral("preferences.html"));
    // A link inside the help leads to its page.
    help->browser()->setSource(QUrl(QStringLiteral("zhelp:/list.html")));
    QVERIFY(help->browser()->toPlainText().contains(QStringLiteral("Category filter")));
    w->showHelpContext(4242); // no page for it: the index
    QCOMPARE(help->currentPage(), QStringLiteral("index.html"));
}

void TestLanguageGui::frenchHelpAndSupportPage()
{
    {
        auto w = makeWindow("French");
        QCOMPARE(w->helpLanguage(), QStringLiteral("French"));
        w->TBHelpClick();
        QCOMPARE(w->helpViewer()->windowTitle(), QStringLiteral("Aide de Zandolin"));
        QVERIFY(w->helpViewer()->browser()->toPlainText().contains(QStringLiteral("carnet d'adresses")));
        w->action(Cmd::Support)->trigger();
    }
    {
        auto w = makeWindow("English");
        w->action(Cmd::Support)->trigger();
    }
    const QStringList opened = Shell::Test::opened();
    QCOMPARE(opened.size(), 2);
    QVERIFY(opened[0].contains(QStringLiteral("/fr/")));
    QVERIFY(!opened[1].contains(QStringLiteral("/fr/")));
    QVERIFY(opened[1].startsWith(QStringLiteral("https://")));
}

void TestLanguageGui::missingHelpFile()
{
    QFile::remove(m_dir->filePath(QStringLiteral("help/zandolinFrench.chm")));
    auto w = makeWindow("French");
    QCOMPARE(Dialogs::Test::shownMessages(), QStringList{kNoHelp});
    QCOMPARE(menuTitle(*w, "ActionFile"), QStringLiteral("&Fichier"));
    // The help command then shows nothing, and says nothing more.
    w->TBHelpClick();
    QVERIFY(!w->helpViewer()->isVisible());
    QCOMPARE(Dialogs::Test::shownMessages(), QStringList{kNoHelp});
}

void TestLanguageGui::categoryPickers_data()
{
    QTest::addColumn<int>("entries");
    QTest::newRow("more than eight") << 11;
    QTest::newRow("eight") << 8;
    QTest::newRow("fewer than eight") << 3;
    QTest::newRow("empty") << 0;
}

void TestLanguageGui::categoryPickers()
{
    QFETCH(int, entries);
    auto w = makeWindow();
    QComboBox *filter = w->categoryFilter();
    QComboBox *record = w->recordForm()->categoryPicker();
    QCOMPARE(record->objectName(), QStringLiteral("ICBCat"));
    const QStringList french = {QStringLiteral("Aucune"),    QStringLiteral("Personnel"), QStringLiteral("Famille"),
                                QStringLiteral("Web"),       QStringLiteral("International"),
                                QStringLiteral("Urgence"),   QStringLiteral("Affaires"),
                                QStringLiteral("Soci\u00e9t\u00e9s")};
    for (QComboBox *picker : {filter, record}) {
        picker->clear();
        for (int i = 0; i < entries; ++i)
            picker->addItem(QStringLiteral("custom %1").arg(i));
        picker->setCurrentIndex(entries / 2 > 0 ? entries / 2 : entries - 1);
    }
    const int picked = filter->currentIndex();

    // Applying the same language twice: custom names of entries 0 to 7 are
    // replaced each time, entries past 7 keep theirs.
    for (int round = 0; round < 2; ++round) {
        if (entries > 3) {
            filter->setItemText(3, QStringLiteral("Golf"));
            record->setItemText(3, QStringLiteral("Golf"));
        }
        w->LoadLanguage(QStringLiteral("French"));
        for (QComboBox *picker : {filter, record}) {
            QCOMPARE(picker->count(), entries);
            for (int i = 0; i < entries; ++i)
                QCOMPARE(picker->itemText(i), i < 8 ? french[i] : QStringLiteral("custom %1").arg(i));
        }
        QCOMPARE(filter->currentIndex(), picked);
    }
}

void TestLanguageGui::recordFormTexts_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("expected"); // "kind:control=text"

    QTest::newRow("defaults")
        << QByteArray("[StatusBar]\r\n")
        << QStringList{"tab:0=General", "tab:1=Buisness", "tab:2=Personal", "label:FlatEdit1=First Name:",
                       "label:FlatEdit8=Personnal:", "label:JvDateEdit1=Birthday:", "label:ListView1=Children:",
                       "group:FlatEdit1=Civil address", "group:FlatEdit8=Phone numbers",
                       "group:FlatEdit27=Company adress", "group:FlatMemoComments=Miscellaneous",
                       "group:FlatEdit39=Family", "button:CorelButton1=Add", "button:CorelButton3=Delete",
                       "label:FlatMemo3=Street:", "label:FlatEdit35=E Mail:", "label:FlatEdit36=Web site 1:"};
    // The later key of a group wins; a file with only the earlier one
    // still shows the later one's text.
    QTest::newRow("only the earlier business key")
        << QByteArray("[Main Window]\r\nFZandolin.BusinessGB=Earlier\r\nFZandolin.MiscGroupBox=Earlier\r\n")
        << QStringList{"group:FlatEdit27=Company adress", "group:FlatMemoComments=Miscellaneous"};
    QTest::newRow("both business keys")
        << QByteArray("[Main Window]\r\nFZandolinCompAddressGB=Later\r\nFZandolin.BusinessGB=Earlier\r\n"
                      "FZandolinMiscGB=Later misc\r\n")
        << QStringList{"group:FlatEdit27=Later", "group:FlatMemoComments=Later misc"};
    // The business address, e-mail and web labels repeat the general ones.
    QTest::newRow("copied labels")
        << QByteArray("[Main Window]\r\nFZandolinStreet=Rue :\r\nFZandolinCity=Ville :\r\n"
                      "FZandolinPostCode=CP :\r\nFZandolinProv=R\xE9gion :\r\nFZandolinCountry=Pays :\r\n"
                      "FZandolinEmail=Courriel :\r\nFZandolinEmail2=Courriel 2 :\r\nFZandolinEmail3=Courriel 3 :\r\n"
                      "FZandolinWeb1=Site 1 :\r\nFZandolinCompany=Soci\xE9t\xE9 :\r\n")
        << QStringList{"label:FlatMemo3=Rue :", "label:FlatEdit29=Ville :", "label:FlatEdit30=CP :",
                       "label:FlatEdit31=R\u00e9gion :", "label:FlatEdit32=Pays :", "label:FlatEdit35=Courriel :",
                       "label:FlatEdit42=Courriel 2 :", "label:FlatEdit43=Courriel 3 :",
                       "label:FlatEdit36=Site 1 :", "label:FlatEdit27=Soci\u00e9t\u00e9 :",
                       "label:FlatEdit33=Company phone:", "label:FlatEdit34=Company fax:"};
}

void TestLanguageGui::recordFormTexts()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, expected);
    FixtureForm form;
    FormTexts::apply(&form.tabs, textsFrom(file));
    for (const QString &e : expected) {
        const QString kind = e.section(QLatin1Char(':'), 0, 0);
        const QString control = e.section(QLatin1Char(':'), 1).section(QLatin1Char('='), 0, 0);
        const QString text = e.section(QLatin1Char('='), 1);
        const QByteArray c = control.toLatin1();
        QString actual;
        if (kind == QLatin1String("tab"))
            actual = form.tabs.tabText(control.toInt());
        else if (kind == QLatin1String("label"))
            actual = form.label(c.constData());
        else if (kind == QLatin1String("group"))
            actual = form.groupTitle(c.constData());
        else
            actual = form.button(c.constData());
        QVERIFY2(actual == text, qPrintable(e + " but shows " + actual));
    }
}

void TestLanguageGui::recordFormWithMissingParts()
{
    // A form without its business page takes the texts for what it has.
    FixtureForm form(false);
    FormTexts::apply(&form.tabs, textsFrom("[Main Window]\r\nFZandolinTSPersonal=Perso\r\n"));
    QCOMPARE(form.tabs.count(), 2);
    QCOMPARE(form.tabs.tabText(1), QStringLiteral("Perso"));
    QCOMPARE(form.label("FlatEdit4"), QStringLiteral("City:"));
    FormTexts::apply(nullptr, textsFrom("[StatusBar]\r\n"));
}

QTEST_MAIN(TestLanguageGui)
#include "tst_language_gui.moc"
