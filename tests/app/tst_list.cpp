// The contact list of the real main window: grouping, filter, order,
// selection, popup menu, command states, status bar and list settings.
#include "ListWindow.h"

#include "book/CategoryImages.h"
#include "book/CategoryTable.h"
#include "platform/Dialogs.h"
#include "tools/TFFind.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

namespace {

std::vector<TEnreg> sampleBook()
{
    return {
        contact("Anna", "Zimmer", 1),            // 0
        contact("bob", "Young", 2),              // 1
        contact("\xC9ric", "Xavier", 2),         // 2  accented: "@"
        contact("zoe", "Abel", 3),               // 3  lower-case z: "Z"
        contact("Ben", "Wolf", 0),               // 4
        contact("3M", "Service", 2),             // 5  digit: "@"
        contact(" Paul", "Blank", 1),            // 6  blank: "@"
        contact("[Admin]", "Root", 1),           // 7  "[": "@"
        contact("anne", "Martin", 2, true),      // 8  locked
        contact("BEA", "Dupont", 2),             // 9
    };
}

} // namespace

class TestList : public QObject
{
    Q_OBJECT
private slots:
    void init() { Dialogs::Test::clear(); }
    void modelPassesTester();
    void groupsAndColumns();
    void emptyBookShowsTheGroupsOnly();
    void filterHidesOtherCategories();
    void headerClickTwiceRestoresOrder();
    void selectionOnlyFromTheUser();
    void commandStates_data();
    void commandStates();
    void statusBarPanels();
    void popupMenuAndExpandedState();
    void expandingSortsRenamedContacts();
    void listSettings();
    void categoryPickers();
    void userCategoryFiles();
    void missingImageListKeepsBuiltIn();
    void findAndNextSelectThroughTheList();
};

void TestList::modelPassesTester()
{
    ListWindow f;
    QVERIFY(f.open(sampleBook()));
    QAbstractItemModelTester tester(f.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    f.list()->expandAllGroups();
    f.clickRecord(0);
    // A rename that puts a contact out of order, then a sort on expand.
    f.w->book().Book[9].setText(TEnreg::Name, "Bz");
    f.list()->recordChanged(9);
    f.list()->collapse(f.group("B"));
    f.list()->expand(f.group("B"));
    QCOMPARE(f.groupNames("B"), (QStringList{"Ben", "bob", "Bz"}));
    f.list()->addTopLevelItem(4);
    f.clickHeader(1);
    f.chooseFilter(2);
    f.list()->setGroupByLetter(false);
    f.w->rebuildList();
    f.list()->contactModel()->sortChildren({});
    f.list()->setCheckBoxes(true);
    f.list()->setShowCategoryIcons(true);
    f.list()->clearRows();
    f.w->rebuildList();
}

void TestList::groupsAndColumns()
{
    ListWindow f;
    QVERIFY(f.open(sampleBook()));
    ContactListModel *m = f.model();
    QCOMPARE(m->rowCount(), 27);
    for (int g = 0; g < 27; ++g) {
        const QModelIndex gi = m->index(g, 0);
        QCOMPARE(gi.data().toString(), ContactGroups::groupCaption(g));
        // Blanks in the second and third columns mark a group.
        QCOMPARE(f.text(gi, 1), QStringLiteral(" "));
        QCOMPARE(f.text(gi, 2), QStringLiteral(" "));
    }
    QCOMPARE(f.groupNames("@").size(), 4); // accented, digit, blank, bracket
    QCOMPARE(f.groupNames("Z"), QStringList{"zoe"});
    QCOMPARE(f.groupNames("A"), (QStringList{"Anna", "anne"}));
    QCOMPARE(f.groupNames("B"), (QStringList{"BEA", "Ben", "bob"}));
    const QModelIndex bob = f.item(1);
    QCOMPARE(f.text(bob, 1), QStringLiteral("Young"));
    QCOMPARE(f.text(bob, 2), QStringLiteral("1"));
    QCOMPARE(f.text(f.item(2)), QStringLiteral("\u00c9ric"));
    // A rebuild leaves every group collapsed and nothing selected.
    for (int g = 0; g < 27; ++g)
        QVERIFY(!f.list()->isExpanded(m->index(g, 0)));
    QCOMPARE(f.list()->selectedRecord(), -1);
    QVERIFY(f.list()->isColumnHidden(2));
}

void TestList::emptyBookShowsTheGroupsOnly()
{
    ListWindow f;
    QVERIFY(f.open({}));
    QCOMPARE(f.model()->rowCount(), 27);
    for (int g = 0; g < 27; ++g)
        QCOMPARE(f.model()->rowCount(f.model()->index(g, 0)), 0);
    QCOMPARE(f.w->statusPanel(2)->text(), QStringLiteral("Contact 0"));

    ListWindow flat;
    QVERIFY(flat.open({}, "[Preferences]\r\nGroup=0\r\n"));
    QCOMPARE(flat.model()->rowCount(), 0);
}

void TestList::filterHidesOtherCategories()
{
    ListWindow f;
    QVERIFY(f.open(sampleBook()));
    f.clickRecord(1);
    QCOMPARE(f.edit(1)->text(), QStringLiteral("bob"));
    f.chooseFilter(2);
    QCOMPARE(f.w->categoryFilter()->currentIndex(), 2);
    // Category 2 only: "Anna" (1), "zoe" (3) and "Ben" (0) are gone.
    QCOMPARE(f.groupNames("A"), QStringList{"anne"});
    QCOMPARE(f.groupNames("B"), (QStringList{"BEA", "bob"}));
    QVERIFY(f.groupNames("Z").isEmpty());
    QVERIFY(!f.item(4).isValid());
    QCOMPARE(f.groupNames("@").size(), 2);
    // The form is cleared and read-only, nothing is selected.
    QVERIFY(f.edit(1)->text().isEmpty());
    QVERIFY(f.edit(1)->isReadOnly());
    QVERIFY(!f.w->book().EditsLive);
    QVERIFY(!f.w->action(Cmd::Delete)->isEnabled());
    // "All" again lists the contacts without a category too.
    f.chooseFilter(0);
    QVERIFY(f.item(4).isValid());
    QCOMPARE(f.groupNames("B"), (QStringList{"BEA", "Ben", "bob"}));
}

void TestList::headerClickTwiceRestoresOrder()
{
    ListWindow f;
    QVERIFY(f.open(sampleBook()));
    f.clickRecord(9); // "BEA Dupont"
    QCOMPARE(f.list()->selectedRecord(), 9);
    QAbstractItemModel *m = f.model();
    QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QStringLiteral("First Name"));
    QCOMPARE(m->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Surname"));

    f.clickHeader(1);
    QVERIFY(f.list()->surnameFirst());
    QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Surname"));
    QCOMPARE(m->headerData(1, Qt::Horizontal).toString(), QStringLiteral("First Name"));
    QCOMPARE(f.list()->selectedRecord(), 9);
    QCOMPARE(f.text(f.item(9)), QStringLiteral("Dupont"));
    QCOMPARE(f.text(f.item(9), 1), QStringLiteral("BEA"));
    QCOMPARE(f.item(9).parent(), f.group("D"));
    QVERIFY(f.list()->isExpanded(f.group("D")));
    QCOMPARE(f.groupNames("A"), QStringList{"Abel"});

    // A click on the first column changes nothing.
    f.clickHeader(0);
    QVERIFY(f.list()->surnameFirst());
    QCOMPARE(f.list()->selectedRecord(), 9);

    f.clickHeader(1);
    QVERIFY(!f.list()->surnameFirst());
    QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QStringLiteral("First Name"));
    QCOMPARE(f.list()->selectedRecord(), 9);
    QCOMPARE(f.item(9).parent(), f.group("B"));
    // Language captions stay over their own names whatever the order.
    m->setHeaderData(0, Qt::Horizontal, QStringLiteral("Pr\u00e9nom"));
    m->setHeaderData(1, Qt::Horizontal, QStringLiteral("Nom"));
    f.clickHeader(1);
    QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Nom"));
    QCOMPARE(m->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Pr\u00e9nom"));
    f.clickHeader(1);
    QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Pr\u00e9nom"));
    // The form was not refilled: still the same contact, still bound to it.
    QCOMPARE(f.edit(1)->text(), QStringLiteral("BEA"));
    QVERIFY(f.w->book().EditsLive);
}

void TestList::selectionOnlyFromTheUser()
{
    ListWindow f;
    QVERIFY(f.open(sampleBook()));
    BookState &b = f.w->book();
    // The mouse.
    f.clickRecord(4);
    QCOMPARE(f.edit(1)->text(), QStringLiteral("Ben"));
    QCOMPARE(f.edit(2)->text(), QStringLiteral("Wolf"));
    QVERIFY(b.UndoRecord == b.Book[4]);
    QVERIFY(b.EditsLive);
    QVERIFY(!b.BookModified);
    // The keyboard: "Ben" is followed by "bob" in group B.
    f.list()->setFocus();
    f.key(Qt::Key_Down);
    QCOMPARE(f.list()->selectedRecord(), 1);
    QCOMPARE(f.edit(1)->text(), QStringLiteral("bob"));
    QVERIFY(b.UndoRecord == b.Book[1]);
    // The program selecting: no form fill, no undo copy, no command refresh.
    QVERIFY(f.list()->selectRecord(3));
    QCOMPARE(f.list()->selectedRecord(), 3);
    QCOMPARE(f.edit(1)->text(), QStringLiteral("bob"));
    QVERIFY(b.UndoRecord == b.Book[1]);
    // A group selected by the user: the form keeps its record, read-only.
    f.click(f.group("K"));
    QCOMPARE(f.list()->selectedRecord(), -1);
    QVERIFY(f.list()->isGroupSelected());
    QCOMPARE(f.edit(1)->text(), QStringLiteral("bob"));
    QVERIFY(f.edit(1)->isReadOnly());
    // A record that is filtered out has no item: selecting it does nothing.
    f.chooseFilter(3);
    QVERIFY(!f.list()->selectRecord(1));
    QCOMPARE(f.list()->selectedRecord(), -1);
}

void TestList::commandStates_data()
{
    QTest::addColumn<int>("encrypted");
    QTest::addColumn<int>("select");   // record to click, -1 a group, -2 nothing
    QTest::addColumn<QString>("enabled");
    QTest::addColumn<bool>("editable");

    const QString withContact = QStringLiteral("Add Delete Duplicate Copy Mail Web Write Dial Encrypt");
    QTest::newRow("plain, unlocked contact") << 0 << 4 << withContact + QStringLiteral(" Lock") << true;
    QTest::newRow("plain, locked contact") << 0 << 8 << withContact + QStringLiteral(" Unlock") << false;
    QTest::newRow("plain, letter group") << 0 << -1 << QStringLiteral("Add Encrypt") << false;
    QTest::newRow("plain, nothing selected") << 0 << -2 << QStringLiteral("Add Encrypt") << false;
    QTest::newRow("encrypted, contact") << 1 << 4 << QStringLiteral("Decrypt") << false;
    QTest::newRow("encrypted, nothing") << 1 << -2 << QStringLiteral("Decrypt") << false;
}

void TestList::commandStates()
{
    QFETCH(int, encrypted);
    QFETCH(int, select);
    QFETCH(QString, enabled);
    QFETCH(bool, editable);
    ListWindow f;
    QVERIFY(f.open(sampleBook(), {}, encrypted));
    if (select >= 0)
        f.clickRecord(select);
    else if (select == -1)
        f.click(f.group("M"));
    const QStringList on = enabled.split(QLatin1Char(' '));
    const std::initializer_list<std::pair<Cmd, const char *>> table = {
        {Cmd::Add, "Add"},         {Cmd::Delete, "Delete"}, {Cmd::Duplicate, "Duplicate"}, {Cmd::Copy, "Copy"},
        {Cmd::Mail, "Mail"},       {Cmd::Web, "Web"},       {Cmd::Write, "Write"},         {Cmd::Dial, "Dial"},
        {Cmd::Encrypt, "Encrypt"}, {Cmd::Decrypt, "Decrypt"}, {Cmd::Lock, "Lock"},         {Cmd::Unlock, "Unlock"},
    };
    for (const auto &[cmd, name] : table) {
        const bool expected = on.contains(QLatin1String(name));
        QVERIFY2(f.w->action(cmd)->isEnabled() == expected, name);
        // A shown toolbar button goes with the menu entry.
        if (QWidget *button = f.w->toolbarButton(cmd); button && button->isVisibleTo(f.w->toolbar()))
            QVERIFY2(button->isEnabled() == expected, name);
    }
    // The popup menu shows the menu's own entries.
    for (Cmd c : {Cmd::Add, Cmd::Delete, Cmd::Duplicate, Cmd::Lock, Cmd::Unlock})
        QVERIFY(f.list()->popupMenu()->actions().contains(f.w->action(c)));
    QCOMPARE(!f.edit(4)->isReadOnly(), editable);
    QCOMPARE(f.form()->categoryPicker()->isEnabled(), editable);
    QCOMPARE(f.form()->addChildButton()->isEnabled(), editable);
    // The buttons behind the edits stay usable.
    QVERIFY(f.form()->speedButton(1)->isEnabled());
}

void TestList::statusBarPanels()
{
    ListWindow f;
    QVERIFY(f.open(sampleBook()));
    QCOMPARE(f.w->statusPanel(0)->text(), QString());
    QCOMPARE(f.w->statusPanel(1)->text(), QString());
    QCOMPARE(f.w->statusPanel(2)->text(), QStringLiteral("Contact 10"));
    f.clickRecord(8);
    QCOMPARE(f.w->statusPanel(0)->text(), QStringLiteral("Lock"));
    f.clickRecord(4);
    QCOMPARE(f.w->statusPanel(0)->text(), QStringLiteral("Unlock"));
    f.click(f.group("M"));
    QCOMPARE(f.w->statusPanel(0)->text(), QString());

    ListWindow crypted;
    QVERIFY(crypted.open(sampleBook(), {}, 1));
    QCOMPARE(crypted.w->statusPanel(0)->text(), QStringLiteral("Crypted"));
    crypted.clickRecord(4);
    QCOMPARE(crypted.w->statusPanel(0)->text(), QStringLiteral("Crypted"));
}

void TestList::popupMenuAndExpandedState()
{
    ListWindow f;
    QVERIFY(f.open(sampleBook()));
    QStringList entries;
    for (QAction *a : f.list()->popupMenu()->actions())
        entries << (a->isSeparator() ? QStringLiteral("-") : a->text());
    QCOMPARE(entries, (QStringList{"Add a contact", "Delete", "Duplicate contact", "-", "Refresh", "Lock", "Unlock",
                                   "-", "Expand all", "Collapse all"}));

    f.w->action(Cmd::ExpandAll)->trigger();
    for (int g = 0; g < 27; ++g)
        QVERIFY(f.list()->isExpanded(f.model()->groupIndex(g)));
    f.w->action(Cmd::CollapseAll)->trigger();
    for (int g = 0; g < 27; ++g)
        QVERIFY(!f.list()->isExpanded(f.model()->groupIndex(g)));

    // Refresh keeps the open groups open; a plain rebuild closes them.
    f.list()->expand(f.group("B"));
    f.list()->expand(f.group("Z"));
    f.clickRecord(1);
    f.w->action(Cmd::Refresh)->trigger();
    QVERIFY(f.list()->isExpanded(f.group("B")));
    QVERIFY(f.list()->isExpanded(f.group("Z")));
    QVERIFY(!f.list()->isExpanded(f.group("A")));
    // Nothing is selected after it, so the form takes no typing.
    QCOMPARE(f.list()->selectedRecord(), -1);
    QVERIFY(f.edit(1)->isReadOnly());
    f.chooseFilter(1);
    QVERIFY(!f.list()->isExpanded(f.group("B")));
    // A right click selects like a left click does.
    f.chooseFilter(0);
    f.clickRecord(0);
    f.click(f.item(4), Qt::RightButton);
    QCOMPARE(f.list()->selectedRecord(), 4);
    QCOMPARE(f.edit(1)->text(), QStringLiteral("Ben"));
}

void TestList::expandingSortsRenamedContacts()
{
    ListWindow f;
    QVERIFY(f.open(sampleBook()));
    QVERIFY(f.activate());
    f.clickRecord(9); // "BEA"
    f.edit(1)->setFocus();
    f.edit(1)->end(false);
    QTest::keyClick(f.edit(1), Qt::Key_Backspace);
    QTest::keyClick(f.edit(1), Qt::Key_Backspace);
    QTest::keyClicks(f.edit(1), "z");
    // Renamed in place: same group, same row, until the group is sorted.
    QCOMPARE(f.groupNames("B"), (QStringList{"Bz", "Ben", "bob"}));
    f.list()->collapse(f.group("B"));
    f.list()->expand(f.group("B"));
    QCOMPARE(f.groupNames("B"), (QStringList{"Ben", "bob", "Bz"}));
    QCOMPARE(f.list()->selectedRecord(), 9); // the selection followed its row
}

void TestList::listSettings()
{
    ListWindow plain;
    QVERIFY(plain.open(sampleBook()));
    plain.clickRecord(0);
    QVERIFY(!plain.item(0).data(Qt::DecorationRole).isValid());
    QVERIFY(!plain.item(0).data(Qt::CheckStateRole).isValid());
    QVERIFY(!plain.list()->hotTrack());
    QCOMPARE(plain.list()->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);

    ListWindow f;
    QVERIFY(f.open(sampleBook(), "[Preferences]\r\nCheckbox=1\r\nIndex=1\r\nHottrack=1\r\nCheckBoxes=1\r\n"
                                 "AdvScrollBars=1\r\nGroup=0\r\n"));
    // Flat and sorted.
    QStringList flat;
    for (int r = 0; r < f.model()->rowCount(); ++r)
        flat << f.text(f.model()->index(r, 0));
    QCOMPARE(flat, (QStringList{" Paul", "[Admin]", "3M", "Anna", "anne", "BEA", "Ben", "bob", "\u00c9ric", "zoe"}));
    QVERIFY(!f.list()->isColumnHidden(2));
    QVERIFY(f.list()->hotTrack());
    QCOMPARE(f.list()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(f.item(0).data(Qt::DecorationRole).value<QIcon>().availableSizes().size() > 0);
    QVERIFY(!f.item(4).data(Qt::DecorationRole).value<QIcon>().isNull()); // category 0: the "none" image
    QCOMPARE(f.item(1).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
    QVERIFY(f.model()->setData(f.item(1), Qt::Checked, Qt::CheckStateRole));
    QCOMPARE(f.model()->checkedRecords(), std::vector<int>{1});
    f.w->rebuildList();
    QVERIFY(f.model()->checkedRecords().empty());
}

void TestList::categoryPickers()
{
    ListWindow f;
    QVERIFY(f.open(sampleBook()));
    QComboBox *filter = f.w->categoryFilter();
    QComboBox *picker = f.form()->categoryPicker();
    QCOMPARE(filter->count(), 8);
    QCOMPARE(picker->count(), 8);
    // Position 0 of both pickers shows the language's "Cat1" text.
    QCOMPARE(filter->itemText(0), QStringLiteral("None"));
    QCOMPARE(picker->itemText(0), QStringLiteral("None"));
    for (int p = 1; p < 8; ++p) {
        QCOMPARE(filter->itemText(p), QString::fromLatin1(CategoryTable::builtInName(p)));
        QCOMPARE(picker->itemText(p), filter->itemText(p));
        QVERIFY(!picker->itemIcon(p).isNull());
    }
    const QList<QImage> images = CategoryImages::builtIn();
    QCOMPARE(images.size(), 8);
    for (const QImage &img : images)
        QCOMPARE(img.size(), QSize(16, 16));
    // Through the image-list file and back, pixel for pixel.
    const Result<QList<QImage>> back = CategoryImages::decode(CategoryImages::encode(images));
    QVERIFY(back);
    for (int i = 0; i < 8; ++i)
        QCOMPARE(back.value[i].convertToFormat(QImage::Format_ARGB32), images[i].convertToFormat(QImage::Format_ARGB32));
}

void TestList::userCategoryFiles()
{
    const QByteArray cat = "[NumberOfCategories]\r\nNumber=3\r\n[Category 2]\r\nName=Golf\r\nIconIndex=2\r\n"
                           "[Category 3]\r\nName=Chess\r\nIconIndex=0\r\n";
    for (bool modified : {false, true}) {
        ListWindow f;
        QVERIFY(f.dir.isValid());
        QDir(f.dir.path()).mkpath(QStringLiteral("Files"));
        QFile c(f.dir.filePath(QStringLiteral("Files/zandolin.cat")));
        QVERIFY(c.open(QIODevice::WriteOnly));
        c.write(cat);
        c.close();
        QList<QImage> images = CategoryImages::builtIn().mid(0, 3);
        images[2].fill(Qt::red);
        QVERIFY(CategoryImages::saveFile(f.dir.filePath(QStringLiteral("Files/zandolin.til")), images));
        QVERIFY(f.open(sampleBook(), modified ? "[Preferences]\r\nCategoriesModified=1\r\n" : "[Preferences]\r\n"));
        QComboBox *filter = f.w->categoryFilter();
        QComboBox *picker = f.form()->categoryPicker();
        if (!modified) {
            // The files are neither read nor needed.
            QCOMPARE(filter->count(), 8);
            QCOMPARE(picker->itemText(7), QStringLiteral("Companies"));
            continue;
        }
        QCOMPARE(filter->count(), 3);
        QCOMPARE(picker->count(), 3);
        QCOMPARE(filter->itemText(0), QStringLiteral("None"));
        QCOMPARE(picker->itemText(0), QStringLiteral("None"));
        QCOMPARE(filter->itemText(1), QStringLiteral("Golf"));
        QCOMPARE(picker->itemText(2), QStringLiteral("Chess"));
        QCOMPARE(filter->currentIndex(), 0);
        QCOMPARE(f.w->categories().count(), 3);
        // Golf's icon index is 2: the red image.
        const QImage golf = filter->itemIcon(1).pixmap(16, 16).toImage();
        QCOMPARE(golf.pixelColor(8, 8), QColor(Qt::red));
        QVERIFY(Dialogs::Test::shownMessages().isEmpty());
    }
}

void TestList::missingImageListKeepsBuiltIn()
{
    ListWindow f;
    QVERIFY(f.open(sampleBook(), "[Preferences]\r\nCategoriesModified=1\r\n"));
    QCOMPARE(Dialogs::Test::shownMessages(), QStringList{"File not found"});
    QCOMPARE(f.w->categoryFilter()->count(), 8);
    QCOMPARE(f.w->categories().count(), 8);
}

void TestList::findAndNextSelectThroughTheList()
{
    ListWindow f;
    QVERIFY(f.open(sampleBook()));
    TFFind *find = f.w->findWindow();
    find->FormShow();
    find->searchEdit()->setText(QStringLiteral("Xavier"));
    find->fieldPicker()->setCurrentIndex(1); // surname
    QCOMPARE(find->findNext(), 2);
    // Selected in the list, its group open, shown in the form with its undo copy.
    QCOMPARE(f.list()->selectedRecord(), 2);
    QVERIFY(f.list()->isExpanded(f.group("@")));
    QCOMPARE(f.edit(1)->text(), QStringLiteral("\u00c9ric"));
    QVERIFY(f.w->book().UndoRecord == f.w->book().Book[2]);
    QVERIFY(f.w->action(Cmd::Delete)->isEnabled());
    // Next and Previous follow the list's order: "@" then "A" ("Anna", "anne").
    const std::vector<int> order = f.list()->recordsInItemOrder();
    QCOMPARE(order.size(), size_t(10));
    QCOMPARE(order[4], 0);
    QCOMPARE(order[5], 8);
    f.list()->selectRecord(0);
    QCOMPARE(find->TBNextClick(), 8);
    QCOMPARE(f.edit(1)->text(), QStringLiteral("anne"));
    QCOMPARE(f.w->statusPanel(0)->text(), QStringLiteral("Lock"));
    QCOMPARE(find->TBPreviousClick(), 0);
    QCOMPARE(f.list()->selectedRecord(), 0);
    // A contact the filter hides cannot be selected.
    f.chooseFilter(2);
    find->searchEdit()->setText(QStringLiteral("Zimmer"));
    QCOMPARE(find->findNext(), -1);
}

int runListTests(int argc, char **argv)
{
    TestList t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_list.moc"
