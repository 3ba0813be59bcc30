// The main window's contact list, category filter and categories.
#include "app/TFZandolin.h"

#include "app/RecordForm.h"
#include "book/CategoryImages.h"
#include "book/CategoryPickers.h"
#include "platform/Dialogs.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>

void TFZandolin::createListAndForm()
{
    m_list = new ContactList(m_book, m_panel);
    m_form = new RecordForm(this);
    m_pages = m_form;
    fillListPopup();
    connect(m_list, &ContactList::userSelectionChanged, this, &TFZandolin::ListChange);
    connect(m_list, &ContactList::headerClicked, this, &TFZandolin::ListHeaderColumnClick);
    connect(m_filter, &QComboBox::activated, this, [this] { ICBChoiseClick(); });

    connect(m_form, &RecordForm::fieldChanged, this, [this] { formFieldChange(); });
    connect(m_form, &RecordForm::childrenChanged, this, [this] { formFieldChange(); });
    connect(m_form, &RecordForm::firstNameChanged, this, [this](QLineEdit *source) { FlatEdit1Change(source); });
    connect(m_form, &RecordForm::surnameChanged, this, [this] { FlatEdit2Change(); });
    connect(m_form, &RecordForm::categoryChanged, this, [this] { ICBCatChange(); });

    // The built-in categories until the start-up says otherwise.
    m_categories = CategoryTable::builtIn();
    m_categoryImages = CategoryImages::builtIn();
    m_filter->setIconSize(QSize(16, 16));
    CategoryPickers::fill(m_filter, m_categories, m_categoryImages, CategoryTable::builtInAllText());
    CategoryPickers::fill(m_form->categoryPicker(), m_categories, m_categoryImages,
                          QString::fromLatin1(CategoryTable::builtInName(0)));
    rebuildCategoryPickers();
}

void TFZandolin::fillListPopup()
{
    QMenu *m = m_list->popupMenu();
    m->addAction(action(Cmd::Add));
    m->addAction(action(Cmd::Delete));
    m->addAction(action(Cmd::Duplicate));
    m->addSeparator();
    m->addAction(action(Cmd::Refresh));
    m->addAction(action(Cmd::Lock));
    m->addAction(action(Cmd::Unlock));
    m->addSeparator();
    m->addAction(action(Cmd::ExpandAll));
    m->addAction(action(Cmd::CollapseAll));

    connect(action(Cmd::Refresh), &QAction::triggered, this, [this] {
        const ContactList::ExpandedState state = m_list->saveExpandedState();
        rebuildList();
        m_list->restoreExpandedState(state);
        // Nothing is selected any more: nothing to type into either.
        refreshCommands();
        refreshStatusBar();
    });
    connect(action(Cmd::ExpandAll), &QAction::triggered, m_list, &ContactList::expandAllGroups);
    connect(action(Cmd::CollapseAll), &QAction::triggered, m_list, &ContactList::collapseAllGroups);
}

void TFZandolin::applyListSettings()
{
    m_list->setShowCategoryIcons(m_settings.Checkbox);
    m_list->setShowIndexColumn(m_settings.Index);
    m_list->setHotTrack(m_settings.Hottrack);
    m_list->setGroupByLetter(m_settings.Group);
    m_list->setSurnameFirst(false);
    m_list->setAdvancedScrollBars(m_settings.AdvScrollBars);
    m_list->setCheckBoxes(m_settings.CheckBoxes);
    if (m_filter->count() > 0)
        m_filter->setCurrentIndex(0);
}

// ---------------------------------------------------------------- the user's actions on the list

void TFZandolin::ListChange()
{
    refreshCommands();
    refreshStatusBar();
    const int n = selectedRecord();
    if (n >= 0)
        showRecord(n); // takes the undo copy
}

void TFZandolin::ListHeaderColumnClick(int section)
{
    const int before = selectedRecord();
    if (section == ContactListModel::OtherColumn) {
        m_list->setSurnameFirst(!m_list->surnameFirst());
        rebuildList();
    }
    if (before >= 0 && m_list->selectRecord(before))
        m_list->setFocus();
    refreshCommands();
    refreshStatusBar();
}

void TFZandolin::ICBChoiseClick()
{
    rebuildList();
    clearForm();
    // Nothing is selected after the rebuild, so the commands that need a
    // contact go off with the form.
    refreshCommands();
    refreshStatusBar();
}

// ---------------------------------------------------------------- categories

void TFZandolin::rebuildCategoryPickers()
{
    CategoryPickers::fill(m_filter, m_categories, m_categoryImages, CategoryTable::builtInAllText());
    CategoryPickers::fill(m_form->categoryPicker(), m_categories, m_categoryImages,
                          QString::fromLatin1(CategoryTable::builtInName(0)));
    QList<QIcon> icons;
    icons.reserve(m_categoryImages.size());
    for (const QImage &img : m_categoryImages)
        icons.append(QIcon(QPixmap::fromImage(img)));
    m_list->contactModel()->setCategoryImages(icons);
}

void TFZandolin::setCategories(const CategoryTable &table, const QList<QImage> &images)
{
    m_categories = table;
    m_categoryImages = images;
    rebuildCategoryPickers();
}

bool TFZandolin::loadCategories()
{
    if (!m_settings.CategoriesModified)
        return true;
    Result<QList<QImage>> images = CategoryImages::readFile(m_paths.imageListFile());
    if (!images) {
        Dialogs::error(this, images.message);
        return false;
    }
    setCategories(CategoryTable::readFile(m_paths.categoryFile()), images.value);
    return true;
}
