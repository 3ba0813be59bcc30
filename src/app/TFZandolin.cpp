#include "app/TFZandolin.h"

#include "app/RecordForm.h"
#include "app/TFAbout.h"
#include "app/TFConfirmUndo.h"
#include "app/TFDeleteConfirmation.h"
#include "app/TFExit.h"
#include "app/TFProperties.h"
#include "book/BookFile.h"
#include "platform/HelpViewer.h"
#include "platform/Dialogs.h"
#include "settings/IniFile.h"
#include "ui/Icons.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPrinter>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

TFZandolin::TFZandolin(const AppPaths &paths, const QStringList &args, QWidget *parent)
    : QMainWindow(parent), m_paths(paths), m_args(args)
{
    setObjectName(QStringLiteral("FZandolin"));
    setWindowTitle(QStringLiteral("Zandolin"));
    setMinimumSize(800, 600);
    createActions();
    createMenus();
    createToolbar();
    createCentre();
    connectFileCommands();
    connectLanguageCommands();

    // The dialogs live as long as the window and keep their state between uses.
    m_deleteConfirmation = new TFDeleteConfirmation(m_settings.ConfirmDelete, this);
    m_properties = new TFProperties(this);
    m_exit = new TFExit(this);
    m_confirmUndo = new TFConfirmUndo(m_settings.ConfirmUndo, this);
    m_about = new TFAbout(this);
    connect(action(Cmd::About), &QAction::triggered, m_about, &QDialog::exec);
    connectToolCommands();
    connectRecordCommands();
}

TFZandolin::~TFZandolin()
{
    // Closing the window takes the focus from an open editor, whose change
    // events must not reach a book that is already going away.
    m_book.EditsLive = false;
    disconnect(m_form, nullptr, this, nullptr);
    disconnect(m_list, nullptr, this, nullptr);
    // The list reads the book whenever it lays itself out, which hiding the
    // window still does after our members are gone: leave it no rows.
    m_list->clearRows();
}

void TFZandolin::createActions()
{
    for (int i = 0; i < int(Cmd::Count); ++i) {
        const CommandInfo &info = commandInfo(Cmd(i));
        auto *a = new QAction(commandIcon(Cmd(i)), QString::fromLatin1(info.caption), this);
        a->setObjectName(QString::fromLatin1(info.objectName));
        if (info.shortcut != QKeyCombination())
            a->setShortcut(QKeySequence(info.shortcut));
        if (*info.hint)
            a->setToolTip(QString::fromLatin1(info.hint));
        // Images show in the menus only when the settings ask for it.
        a->setIconVisibleInMenu(false);
        m_actions[size_t(i)] = a;
        addAction(a); // shortcuts work even for entries that are not on screen
    }
    connect(action(Cmd::Exit), &QAction::triggered, this, &TFZandolin::TBExitClick);
}

void TFZandolin::createMenus()
{
    auto add = [this](QMenu *m, std::initializer_list<Cmd> cmds) {
        for (Cmd c : cmds)
            m->addAction(action(c));
    };
    m_fileMenu = menuBar()->addMenu(tr("&File"));
    m_fileMenu->setObjectName(QStringLiteral("ActionFile"));
    add(m_fileMenu, {Cmd::New, Cmd::Open, Cmd::Save, Cmd::SaveAs, Cmd::Import, Cmd::Export});
    m_fileMenu->addSeparator();
    add(m_fileMenu, {Cmd::Lock, Cmd::Unlock, Cmd::Encrypt, Cmd::Decrypt});
    m_fileMenu->addSeparator();
    add(m_fileMenu, {Cmd::Preview, Cmd::Setup});
    m_fileMenu->addSeparator();
    // The recent books go between these two separators.
    m_fileMenu->addSeparator()->setObjectName(QStringLiteral("RecentFilesEnd"));
    add(m_fileMenu, {Cmd::Properties, Cmd::Exit});

    m_editMenu = menuBar()->addMenu(tr("&Edit"));
    m_editMenu->setObjectName(QStringLiteral("ActionEdit"));
    add(m_editMenu, {Cmd::Add, Cmd::Delete, Cmd::Duplicate});
    m_editMenu->addSeparator();
    add(m_editMenu, {Cmd::Undo});
    m_editMenu->addSeparator();
    // Next and Previous have no menu entry: they live on the window only, so
    // their keys work. (A hidden action would ignore its key as well.)
    add(m_editMenu, {Cmd::Find});

    m_toolsMenu = menuBar()->addMenu(tr("&Tools"));
    m_toolsMenu->setObjectName(QStringLiteral("ActionTools"));
    add(m_toolsMenu, {Cmd::Dial, Cmd::Mail, Cmd::Web, Cmd::Copy, Cmd::Write, Cmd::Birthdays});
    m_toolsMenu->addSeparator();
    add(m_toolsMenu, {Cmd::History, Cmd::Preferences});
    m_toolsMenu->addSeparator();
    add(m_toolsMenu, {Cmd::EditCategories});

    m_helpMenu = menuBar()->addMenu(tr("&Help"));
    m_helpMenu->setObjectName(QStringLiteral("ActionHelp"));
    add(m_helpMenu, {Cmd::HelpIndex, Cmd::About, Cmd::Support});
}

void TFZandolin::createToolbar()
{
    m_toolbar = new QToolBar(tr("Main Toolbar?"), this);
    m_toolbar->setObjectName(QStringLiteral("TBToolbar"));
    m_toolbar->setIconSize(QSize(24, 24));
    std::array<Cmd, ToolbarButtonCount> order{};
    for (int i = 0; i < int(Cmd::Count); ++i)
        if (commandInfo(Cmd(i)).toolbarIndex >= 0)
            order[size_t(commandInfo(Cmd(i)).toolbarIndex)] = Cmd(i);
    // Each button sits in an action of its own, so the "Icones" settings can
    // hide a button without hiding the command in the menus.
    for (size_t i = 0; i < order.size(); ++i) {
        auto *button = new QToolButton(m_toolbar);
        button->setDefaultAction(action(order[i]));
        button->setObjectName(QStringLiteral("TB") + QLatin1String(ToolbarButtonKeys[i].key));
        button->setAutoRaise(true);
        button->setIconSize(m_toolbar->iconSize());
        m_toolbarSlots[i] = m_toolbar->addWidget(button);
    }
    addToolBar(Qt::TopToolBarArea, m_toolbar);
}

QWidget *TFZandolin::toolbarButton(Cmd c) const
{
    const int pos = commandInfo(c).toolbarIndex;
    return pos < 0 ? nullptr : m_toolbar->widgetForAction(m_toolbarSlots[size_t(pos)]);
}

void TFZandolin::createCentre()
{
    m_panel = new QWidget(this);
    m_panel->setObjectName(QStringLiteral("Panel1"));
    m_filter = new QComboBox(m_panel);
    m_filter->setObjectName(QStringLiteral("ICBChoise"));
    createListAndForm();
    auto *panelLayout = new QVBoxLayout(m_panel);
    panelLayout->setContentsMargins(2, 2, 2, 2);
    panelLayout->addWidget(m_list, 1);
    panelLayout->addWidget(m_filter);

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("JvSplitter1"));
    m_splitter->addWidget(m_panel);
    m_splitter->addWidget(m_pages);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setChildrenCollapsible(false);
    connect(m_splitter, &QSplitter::splitterMoved, this, [this] { resizeLayout(); });
    setCentralWidget(m_splitter);

    auto *bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    for (int i = 0; i < 3; ++i) {
        m_panels[size_t(i)] = new QLabel(bar);
        m_panels[size_t(i)]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        m_panels[size_t(i)]->setFrameShape(QFrame::StyledPanel);
        bar->addWidget(m_panels[size_t(i)], i == 0 ? 1 : 0);
    }
    setStatusBar(bar);
}

// ---------------------------------------------------------------- show

void TFZandolin::showEvent(QShowEvent *e)
{
    QMainWindow::showEvent(e);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TFZandolin::FormShow()
{
    m_shown = true;
    const IniFile ini(m_paths.settingsFile());
    // 1. The first argument is the book to open, whatever AutoLoad says.
    const QString argBook = m_args.isEmpty() ? QString() : m_args.first();
    // 2.-4. Language, folders, list and confirmation settings.
    m_settings.read(ini, m_paths);
    // 3. The language file sets every caption and message text.
    setHelpLanguage(m_settings.Language);
    LoadLanguage(m_settings.Language);
    refreshStatusBar();
    // 9. The recent books, read before the start-up book: a book that fails
    // to load must not leave the list empty for the next Open to store over
    // the entries kept in the settings file.
    loadRecentFiles(ini);
    // 5. Toolbar buttons.
    applyToolbarVisibility();
    // 6. Nothing is selected yet: delete off, form read-only.
    action(Cmd::Delete)->setEnabled(false);
    m_form->setEditable(false);
    // 7. Grouping, first names first, the (empty) list, the filter on "All".
    applyListSettings();
    rebuildList();
    // 8. The start-up book.
    const QString startBook = !argBook.isEmpty() ? argBook : (m_settings.AutoLoad ? m_settings.LoadFile : QString());
    if (!startBook.isEmpty())
        m_book.BookFileName = QFileInfo(startBook).absoluteFilePath();
    if (!startBook.isEmpty() && QFileInfo(startBook).isFile()) {
        if (!loadBook(startBook))
            return; // the rest of the start-up settings are not applied after a failed load
    }
    // 10. Toolbar positions.
    restoreToolbarPositions(ini);
    // 11. Count panel, display settings, find shortcuts.
    applyDisplaySettings();
    setNextPreviousShortcuts(m_settings.ShortcutNext, m_settings.ShortcutPrevious);
    // 12.
    refreshCommands();
    refreshStatusBar();
    // 13. Birthdays of the start-up book.
    showBirthdaysIfAny();
    // 14. Geometry, 15. layout.
    applyGeometry();
    resizeLayout();
    // 15. Help requests go to the help file of the language. The system
    // help component's version check has no counterpart here: our own help
    // viewer is always present, so its "install HTML Help" message never shows.
    checkHelpFile();
    // 16. The user's categories.
    if (m_settings.CategoriesModified && loadCategories())
        m_filter->setCurrentIndex(0);
}

void TFZandolin::applyToolbarVisibility()
{
    for (size_t i = 0; i < m_toolbarSlots.size(); ++i)
        m_toolbarSlots[i]->setVisible(m_settings.Icones[i]);
}

void TFZandolin::applyDisplaySettings()
{
    for (QAction *a : m_actions)
        a->setIconVisibleInMenu(m_settings.ImageInMenu);
    // Skins: 0 plain, 1 and 2 two flat looks with a highlighted hover, 3 the
    // desktop's own style untouched. Menu backgrounds: plain or a gradient.
    QString sheet;
    switch (m_settings.Skin) {
    case 1:
        sheet += QStringLiteral("QToolBar#TBToolbar { background: #f4f4f4; border: none; }"
                                "QToolBar#TBToolbar QToolButton:hover { background: #cfe0f5; border: 1px solid #6f9bd1; }");
        break;
    case 2:
        sheet += QStringLiteral("QToolBar#TBToolbar { background: qlineargradient(x1:0,y1:0,x2:0,y2:1,"
                                "stop:0 #fdfdfd, stop:1 #dfe6ee); border: none; }"
                                "QToolBar#TBToolbar QToolButton:hover { background: #ffe7a2; border: 1px solid #d9a400; }");
        break;
    default:
        break;
    }
    if (m_settings.PopUpGradient == 1)
        sheet += QStringLiteral("QMenu { background: qlineargradient(x1:0,y1:0,x2:0,y2:1, stop:0 #ffffff, stop:1 #dde6f0); }");
    else if (m_settings.PopUpGradient == 2)
        sheet += QStringLiteral("QMenu { background: qlineargradient(x1:0,y1:0,x2:1,y2:0, stop:0 #ffffff, stop:1 #dde6f0); }");
    setStyleSheet(sheet);
}

void TFZandolin::applyGeometry()
{
    if (m_settings.Max) {
        setWindowState(windowState() | Qt::WindowMaximized);
    } else {
        const QRect screen = (this->screen() ? this->screen() : QGuiApplication::primaryScreen())->availableGeometry();
        const int w = qMin(m_settings.FormX, screen.width());
        const int h = qMin(m_settings.FormY, screen.height());
        resize(w, h);
        move(screen.center() - QPoint(w / 2, h / 2));
    }
    const int panel = qMax(m_settings.PanelX, 50);
    m_splitter->setSizes({panel, qMax(100, width() - panel)});
    m_list->setColumnWidth(0, m_settings.Col1);
    m_list->setColumnWidth(1, m_settings.Col2);
    if (m_settings.Index)
        m_list->setColumnWidth(2, m_settings.Col3);
}

void TFZandolin::resizeEvent(QResizeEvent *e)
{
    QMainWindow::resizeEvent(e);
    resizeLayout();
}

void TFZandolin::resizeLayout()
{
    m_panels[0]->setFixedWidth(qMax(0, width() - 275));
    m_panels[1]->setFixedWidth(75);
    m_panels[2]->setFixedWidth(200);
}

// ---------------------------------------------------------------- list, form, commands

void TFZandolin::rebuildList()
{
    m_list->rebuild(qMax(0, m_filter->currentIndex()));
}

void TFZandolin::clearForm()
{
    m_book.EditsLive = false;
    m_form->clear();
}

int TFZandolin::selectedRecord() const
{
    const int n = m_list->selectedRecord();
    return m_book.isValid(n) ? n : -1;
}

void TFZandolin::refreshCommands()
{
    const int sel = selectedRecord();
    const bool encrypted = m_book.BookEncrypted == 1;
    const bool contact = !encrypted && sel >= 0;
    const bool locked = contact && m_book.Book[size_t(sel)].Locked;
    for (Cmd c : {Cmd::Delete, Cmd::Duplicate, Cmd::Copy, Cmd::Mail, Cmd::Web, Cmd::Write, Cmd::Dial})
        action(c)->setEnabled(contact);
    action(Cmd::Add)->setEnabled(!encrypted);
    action(Cmd::Encrypt)->setEnabled(!encrypted);
    action(Cmd::Decrypt)->setEnabled(encrypted);
    action(Cmd::Lock)->setEnabled(contact && !locked);
    action(Cmd::Unlock)->setEnabled(contact && locked);
    m_form->setEditable(contact && !locked);
}

void TFZandolin::refreshStatusBar()
{
    const int sel = selectedRecord();
    QString state;
    if (m_book.BookEncrypted == 1)
        state = m_texts.Crypted;
    else if (sel >= 0)
        state = m_book.Book[size_t(sel)].Locked ? m_texts.LockCaption : m_texts.UnLockCaption;
    m_panels[0]->setText(state);
    m_panels[1]->setText(m_book.BookModified ? m_texts.Modified : QString());
    m_panels[2]->setText(m_texts.ContactText + QString::number(m_book.BookCount()));
}

void TFZandolin::setModified(bool modified)
{
    m_book.BookModified = modified;
    m_panels[1]->setText(modified ? m_texts.Modified : QString());
}

bool TFZandolin::loadBook(const QString &fileName)
{
    Result<BookContent> r = BookFile::read(fileName);
    if (!r) {
        Dialogs::error(this, r.message);
        return false;
    }
    m_book.clear();
    m_book.Book = std::move(r.value.records);
    m_book.BookEncrypted = r.value.encrypted;
    m_book.BookFormat = std::move(r.value.format);
    m_book.BookFileName = QFileInfo(fileName).absoluteFilePath();
    if (m_filter->count() > 0)
        m_filter->setCurrentIndex(0);
    clearForm();
    rebuildList();
    refreshCommands();
    refreshStatusBar();
    emit bookLoaded();
    return true;
}

// ---------------------------------------------------------------- leaving

bool TFZandolin::confirmLeave()
{
    if (m_panels[1]->text().isEmpty() && !m_book.BookModified)
        return true;
    m_exit->setTexts(m_texts.ExitFormCaption, m_texts.ExitConfirmation, m_texts.ButtonYes, m_texts.ButtonNo,
                     m_texts.ButtonCancel);
    switch (m_exit->ask()) {
    case TFExit::Yes:
        // A never-saved book goes through Save as; cancelling it, or a failed
        // save, keeps the program open so nothing is lost.
        return TBSaveClick();
    case TFExit::No:
        return true;
    case TFExit::Cancel:
        break;
    }
    return false;
}

void TFZandolin::TBExitClick()
{
    if (!confirmLeave())
        return;
    m_exiting = true;
    close();
}

void TFZandolin::closeEvent(QCloseEvent *e)
{
    if (m_exiting) {
        // Leaving through Exit writes neither the geometry nor the toolbar layout.
        e->accept();
        return;
    }
    saveToolbarPositions();
    if (!confirmLeave()) {
        e->ignore();
        return;
    }
    writeGeometry();
    e->accept();
}

bool TFZandolin::settingsWritten(const Status &s)
{
    if (s)
        return true;
    Dialogs::error(this, s.message);
    return false;
}

void TFZandolin::writeGeometry()
{
    IniFile ini(m_paths.settingsFile());
    const QString S = QStringLiteral("Size");
    const QList<int> sizes = m_splitter->sizes();
    const bool max = isMaximized();
    const QSize size = max ? normalGeometry().size() : this->size();
    // Each write stops at the first refusal; the message names the file.
    settingsWritten(ini.writeBool(S, QStringLiteral("Max"), max))
        && settingsWritten(ini.writeInteger(S, QStringLiteral("FormX"), size.width()))
        && settingsWritten(ini.writeInteger(S, QStringLiteral("FormY"), size.height()))
        && settingsWritten(ini.writeInteger(S, QStringLiteral("ListX"), m_list->width()))
        && settingsWritten(ini.writeInteger(S, QStringLiteral("PanelX"), sizes.value(0)))
        && settingsWritten(ini.writeInteger(S, QStringLiteral("Col1"), m_list->columnWidth(0)))
        && settingsWritten(ini.writeInteger(S, QStringLiteral("Col2"), m_list->columnWidth(1)))
        && (!m_settings.Index || settingsWritten(ini.writeInteger(S, QStringLiteral("Col3"), m_list->columnWidth(2))))
        && settingsWritten(ini.writeBool(QStringLiteral("Preferences"), QStringLiteral("CategoriesModified"),
                                         m_settings.CategoriesModified));
}

void TFZandolin::saveToolbarPositions()
{
    IniFile ini(m_paths.settingsFile());
    auto dockName = [this](QToolBar *bar) -> QString {
        if (bar->isFloating())
            return QStringLiteral("+");
        switch (toolBarArea(bar)) {
        case Qt::LeftToolBarArea: return QStringLiteral("TBDockLeft");
        case Qt::RightToolBarArea: return QStringLiteral("TBDockRight");
        case Qt::BottomToolBarArea: return QStringLiteral("TBDockBottom");
        default: return QStringLiteral("TBDockTop");
        }
    };
    const QString sec = QStringLiteral("PositionTBToolbar");
    const QString dock = dockName(m_toolbar);
    settingsWritten(ini.writeInteger(sec, QStringLiteral("Rev"), 2000))
        && settingsWritten(ini.writeBool(sec, QStringLiteral("Visible"), m_toolbar->isVisibleTo(this)))
        && settingsWritten(ini.writeString(sec, QStringLiteral("DockedTo"), dock))
        && settingsWritten(ini.writeString(sec, QStringLiteral("LastDock"),
                                           dock == QLatin1String("+") ? QStringLiteral("TBDockTop") : dock))
        && settingsWritten(ini.writeInteger(sec, QStringLiteral("DockRow"), 0))
        && settingsWritten(ini.writeInteger(sec, QStringLiteral("DockPos"), 0))
        && settingsWritten(ini.writeInteger(sec, QStringLiteral("FloatLeft"), m_toolbar->x()))
        && settingsWritten(ini.writeInteger(sec, QStringLiteral("FloatTop"), m_toolbar->y()))
        && settingsWritten(ini.writeInteger(QStringLiteral("PositionTBToolbarMenu"), QStringLiteral("Rev"), 2000))
        && settingsWritten(ini.writeBool(QStringLiteral("PositionTBToolbarMenu"), QStringLiteral("Visible"), true))
        && settingsWritten(ini.writeString(QStringLiteral("PositionTBToolbarMenu"), QStringLiteral("DockedTo"),
                                           QStringLiteral("TBDockTop")));
}

void TFZandolin::restoreToolbarPositions(const IniFile &ini)
{
    const QString sec = QStringLiteral("PositionTBToolbar");
    if (ini.readInteger(sec, QStringLiteral("Rev"), 0) != 2000)
        return; // leave the toolbar where the window puts it
    m_toolbar->setVisible(ini.readBool(sec, QStringLiteral("Visible"), true));
    const QString dock = ini.readString(sec, QStringLiteral("DockedTo"));
    Qt::ToolBarArea area = Qt::TopToolBarArea;
    if (dock.compare(QLatin1String("TBDockLeft"), Qt::CaseInsensitive) == 0)
        area = Qt::LeftToolBarArea;
    else if (dock.compare(QLatin1String("TBDockRight"), Qt::CaseInsensitive) == 0)
        area = Qt::RightToolBarArea;
    else if (dock.compare(QLatin1String("TBDockBottom"), Qt::CaseInsensitive) == 0)
        area = Qt::BottomToolBarArea;
    else if (dock.isEmpty() || dock == QLatin1String("+"))
        return;
    if (toolBarArea(m_toolbar) != area)
        addToolBar(area, m_toolbar);
}
