#pragma once

#include "app/Commands.h"
#include "app/ContactList.h"
#include "book/BookState.h"
#include "book/CategoryTable.h"
#include "core/AppPaths.h"
#include "settings/Settings.h"
#include "settings/Texts.h"
#include "tools/BirthdayList.h"

#include <QImage>
#include <QList>
#include <QMainWindow>

#include <array>
#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QSplitter;
class QTabWidget;
class QToolBar;
class QTreeView;
class QWidget;
class QPrinter;
class RecordForm;
class TFBirthday;
class TFConfirmUndo;
class TFCrypt;
class TFFind;
class TFDeleteConfirmation;
class TFAbout;
class TFExit;
class TFProperties;
class HelpViewer;
class IniFile;

// The main window: owns the book, the settings read at start-up and the
// interface texts, and runs every command.
class TFZandolin : public QMainWindow
{
    Q_OBJECT
public:
    // `args` are the program's arguments without the program name.
    TFZandolin(const AppPaths &paths, const QStringList &args, QWidget *parent = nullptr);
    ~TFZandolin() override;

    BookState &book() { return m_book; }
    const BookState &book() const { return m_book; }
    Settings &settings() { return m_settings; }
    Texts &texts() { return m_texts; }
    const AppPaths &paths() const { return m_paths; }

    QAction *action(Cmd c) const { return m_actions[size_t(c)]; }
    QToolBar *toolbar() const { return m_toolbar; }
    // The toolbar button of a command, or null when it has none.
    QWidget *toolbarButton(Cmd c) const;
    QTreeView *list() const { return m_list; }
    QComboBox *categoryFilter() const { return m_filter; }
    QTabWidget *pages() const { return m_pages; }
    QLabel *statusPanel(int i) const { return m_panels[size_t(i)]; }
    TFExit *exitPrompt() const { return m_exit; }
    TFAbout *aboutBox() const { return m_about; }
    TFDeleteConfirmation *deleteConfirmation() const { return m_deleteConfirmation; }
    TFConfirmUndo *confirmUndo() const { return m_confirmUndo; }
    TFProperties *properties() const { return m_properties; }
    TFCrypt *cryptDialog() const { return m_crypt; }
    TFFind *findWindow() const { return m_find; }
    TFBirthday *birthdayWindow() const { return m_birthday; }
    // The birthday reminders of the book loaded last.
    const BirthdayList &birthdays() const { return m_birthdays; }
    const RecentList &recentFiles() const { return m_recent; }
    // The recent books' entries of the File menu, most recent first.
    QList<QAction *> recentFileActions() const { return m_recentActions; }
    // The printer and page chosen in Printer setup, kept for printing.
    QPrinter &printer();

    // The routines that run after every command that changes the book.
    void rebuildList();
    void refreshCommands();
    void refreshStatusBar();
    void clearForm();
    // Record number of the selected contact, -1 for none.
    int selectedRecord() const;

    // ---- Contact list, record form and categories
    ContactList *contactList() const { return m_list; }
    RecordForm *recordForm() const { return m_form; }
    // Shows record n in the form with EditsLive off, then switches it on.
    // Selecting a contact also takes its undo copy; Undo's refill does not.
    void showRecord(int n, bool takeUndoCopy = true);
    // Writes every control of the form into record n; the book is modified.
    void copyFormIntoRecord(int n);
    // Rebuilds the list around a record whose main name moved it to
    // another group: expanded groups kept, the record selected again and
    // the keyboard focus given back to `focus`.
    void rebuildKeepingRecord(int n, QWidget *focus);
    // The category table, its images and the two pickers filled from them.
    const CategoryTable &categories() const { return m_categories; }
    const QList<QImage> &categoryImages() const { return m_categoryImages; }
    void setCategories(const CategoryTable &table, const QList<QImage> &images);
    // Start-up: the user's table and images in place of the built-in ones
    // when CategoriesModified is set. False (after telling the user) when
    // the image list cannot be read; the built-in table then stays.
    bool loadCategories();

    // Change handlers of the list and the form.
    void ListChange();
    void ListHeaderColumnClick(int section);
    void ICBChoiseClick();
    void FlatEdit1Change(QLineEdit *source = nullptr);
    void FlatEdit2Change();
    // A first name or surname typed in the form: the record takes it, and
    // the list is rebuilt when the main name's initial changed.
    void nameFieldChange(int slot, QWidget *focus);
    void ICBCatChange();
    void formFieldChange();

    // Loads a book file in place of the current book. On failure the user
    // is told why and the current book stays as it was.
    bool loadBook(const QString &fileName);
    // Writes the book; on success the book is no longer modified. With
    // `keepBackup` an existing file's previous version becomes its ".bak".
    bool saveBook(const QString &fileName, bool keepBackup = false);
    void setModified(bool modified);

    // File commands. The save commands return true when the book was written.
    void TBNewClick();
    void TBOpenClick();
    bool TBSaveClick();
    bool TBSaveAsClick();
    void TBSetupClick();
    void TBPropertiesClick();
    // Loads a book named in the recent-books list.
    bool openRecentFile(const QString &fileName);
    void TBExitClick();
    // Encrypt and Decrypt: the passphrase dialog in the mode the book calls for.
    void TBEncryptClick();
    // Record commands: Add, Delete (asking first while ConfirmDelete is on),
    // Duplicate, Lock and Unlock of the selected contact, and Undo, which
    // gives the selected contact back the content it had when selected.
    void TBAddClick();
    void TBDeleteClick();
    void TBDuplicateClick();
    void setSelectedLock(bool locked);
    void TBUndoClick();
    // A row of the birthday window: select that contact when it still exists.
    void JBirthdayClick(int record);
    // The keys of Next and Previous, as settings shortcut codes. A key that
    // another command already answers to stays with that command.
    void setNextPreviousShortcuts(int nextCode, int previousCode);

    // Applies a language file ("<program folder>/languages/<language>.lang")
    // to every window: captions straight into the controls that exist, the
    // other texts into texts() for the windows that show them later. With
    // no such file the user is told and nothing changes.
    void LoadLanguage(const QString &language);
    // The help file follows the language: French help for "French",
    // English help for every other language. checkHelpFile tells the user
    // when the file is missing.
    void setHelpLanguage(const QString &language);
    QString helpLanguage() const { return m_helpLanguage; }
    QString helpFile() const;
    bool checkHelpFile();
    // The help window, made on first use.
    HelpViewer *helpViewer();
    void TBHelpClick();
    void showHelpContext(int context);
    void TBSupportClick();

    // The show sequence; runs once, when the window is first shown.
    void FormShow();
    bool isClosingFromExit() const { return m_exiting; }

signals:
    void bookLoaded();

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    void createActions();
    void createMenus();
    void createToolbar();
    void createCentre();
    void connectFileCommands();
    void connectToolCommands();
    void connectRecordCommands();
    // Builds the birthday reminders of the book just loaded.
    void scanBirthdays();
    // After Open and at start-up: the birthday window, when there is
    // something to remind and the settings ask for it.
    void showBirthdaysIfAny();
    // Selects, focuses and shows a contact for find, next/previous and the
    // birthday window; nothing when the list does not show it.
    void selectFromTools(int record);
    // Record numbers of the contacts in the order the list shows them.
    std::vector<int> displayOrder() const;
    void connectLanguageCommands();
    void applyMainWindowTexts();
    void applyListHeaders();
    void applyDialogTexts();
    void applyToolbarVisibility();
    void applyDisplaySettings();
    void applyGeometry();
    void resizeLayout();
    // Asks to save a modified book; false when the user chose to stay.
    bool confirmLeave();
    void saveToolbarPositions();
    void restoreToolbarPositions(const IniFile &ini);
    void writeGeometry();
    // Loading a book for Open and the recent-books list: on success the
    // book becomes the start-up book and the most recent one.
    bool openBook(const QString &fileName);
    // "LoadFile" (when asked) and the recent-books list after a book was
    // opened or saved under `fileName`.
    void rememberBook(const QString &fileName, bool asStartupBook);
    void loadRecentFiles(const IniFile &ini);
    void rebuildRecentMenu();
    // A settings write that failed stops the command with this message.
    bool settingsWritten(const Status &s);
    void createListAndForm();
    void applyListSettings();
    void fillListPopup();
    void rebuildCategoryPickers();

    AppPaths m_paths;
    QStringList m_args;
    BookState m_book;
    Settings m_settings;
    Texts m_texts;

    std::array<QAction *, size_t(Cmd::Count)> m_actions{};
    QMenu *m_fileMenu = nullptr, *m_editMenu = nullptr, *m_toolsMenu = nullptr, *m_helpMenu = nullptr;
    QToolBar *m_toolbar = nullptr;
    std::array<QAction *, ToolbarButtonCount> m_toolbarSlots{};
    QWidget *m_panel = nullptr;
    ContactList *m_list = nullptr;
    QComboBox *m_filter = nullptr;
    QSplitter *m_splitter = nullptr;
    RecordForm *m_form = nullptr;
    QTabWidget *m_pages = nullptr; // the record form's pages
    std::array<QLabel *, 3> m_panels{};
    TFExit *m_exit = nullptr;
    TFAbout *m_about = nullptr;
    TFDeleteConfirmation *m_deleteConfirmation = nullptr;
    TFConfirmUndo *m_confirmUndo = nullptr;
    TFProperties *m_properties = nullptr;
    TFCrypt *m_crypt = nullptr;
    TFFind *m_find = nullptr;
    TFBirthday *m_birthday = nullptr;
    BirthdayList m_birthdays;
    RecentList m_recent;
    QList<QAction *> m_recentActions;
    std::unique_ptr<QPrinter> m_printer;
    QString m_helpLanguage = QStringLiteral("English");
    std::unique_ptr<HelpViewer> m_helpViewer;

    CategoryTable m_categories;
    QList<QImage> m_categoryImages;

    bool m_shown = false;
    bool m_exiting = false;
};
