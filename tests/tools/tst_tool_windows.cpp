#include "book/BookState.h"
#include "tools/BirthdayList.h"
#include "tools/TFBirthday.h"
#include "tools/TFFind.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTreeWidget>
#include <QtTest>

namespace {

// What the contact list would tell the find window: the current contact,
// the filter and the display order; selecting moves the current contact.
struct FakeList
{
    int current = -1;
    int filter = 0;
    std::vector<int> order;
    std::vector<int> selected;

    TFFind::Host host()
    {
        return {[this] { return current; }, [this] { return filter; }, [this] { return order; },
                [this](int n) {
                    current = n;
                    selected.push_back(n);
                }};
    }
};

BookState findBook()
{
    BookState b;
    const char *names[] = {"Joanna", "Dan", "Hannah", "ann", "Bob"};
    const char *surnames[] = {"Young", "Xu", "Able", "Zorn", "Cole"};
    for (int i = 0; i < 5; ++i) {
        TEnreg r;
        r.setText(TEnreg::Name, names[i]);
        r.setText(TEnreg::Surname, surnames[i]);
        r.Category = i % 2 + 1;
        b.Book.push_back(r);
    }
    b.Book[1].setChild(1, "Hanna");
    b.Book[4].setChild(0, "Anna");
    return b;
}

} // namespace

class TestToolWindows : public QObject
{
    Q_OBJECT
private slots:
    void findWindowControls();
    void findButtonWalksStoredOrder();
    void f3WorksWithWindowHiddenOrShown();
    void findHonoursFilterAndChildren();
    void nextPreviousFollowDisplayOrder();
    void birthdayWindow();
};

void TestToolWindows::findWindowControls()
{
    BookState book = findBook();
    FakeList list;
    TFFind find(book, list.host());
    QVERIFY(!find.isModal());
    QCOMPARE(find.windowTitle(), QStringLiteral("Find"));
    QComboBox *picker = find.findChild<QComboBox *>(QStringLiteral("ComboBox1"));
    QVERIFY(picker);
    QCOMPARE(picker->count(), 48);
    QCOMPARE(picker->itemText(0), QStringLiteral("First name"));
    QCOMPARE(picker->itemText(46), QStringLiteral("Children"));
    QCOMPARE(picker->maxVisibleItems(), 30);
    QVERIFY(find.findChild<QPushButton *>(QStringLiteral("CorelButton1")));
    QCOMPARE(find.findChild<QCheckBox *>(QStringLiteral("CheckBox1"))->text(), QStringLiteral("Whole field only"));

    // Showing again resets the field to the first entry, keeps the rest.
    QTest::keyClicks(find.searchEdit(), "ann");
    picker->setCurrentIndex(20);
    find.wholeFieldOption()->setChecked(true);
    find.setFieldCaption([](int e) { return QStringLiteral("Champ %1").arg(e); });
    find.showFind();
    QCOMPARE(picker->currentIndex(), 0);
    QCOMPARE(picker->itemText(47), QStringLiteral("Champ 48"));
    QCOMPARE(find.searchEdit()->text(), QStringLiteral("ann"));
    QVERIFY(find.wholeFieldOption()->isChecked());
    find.hide();
}

void TestToolWindows::findButtonWalksStoredOrder()
{
    BookState book = findBook();
    FakeList list;
    list.order = {2, 4, 1, 0, 3}; // sorted by surname: the search ignores it
    TFFind find(book, list.host());
    QTest::keyClicks(find.searchEdit(), "ann");
    auto *button = find.findChild<QPushButton *>(QStringLiteral("CorelButton1"));
    for (int k = 0; k < 4; ++k)
        QTest::mouseClick(button, Qt::LeftButton);
    // "Joanna", "Hannah", "ann", then round again; "Anna" differs in case.
    QCOMPARE(list.selected, (std::vector<int>{0, 2, 3, 0}));

    // Whole field: only the exact text.
    list.selected.clear();
    find.wholeFieldOption()->setChecked(true);
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(list.selected, (std::vector<int>{3, 3}));

    // Nothing found: nothing selected; no text: no search.
    list.selected.clear();
    find.searchEdit()->setText(QStringLiteral("nobody"));
    QTest::mouseClick(button, Qt::LeftButton);
    find.searchEdit()->clear();
    QTest::mouseClick(button, Qt::LeftButton);
    // A character the book cannot hold matches nothing, not a '?' either.
    book.Book[1].setText(TEnreg::Name, "D?n");
    find.wholeFieldOption()->setChecked(false);
    find.searchEdit()->setText(QStringLiteral("\u4e2d"));
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(list.selected.empty());
    QCOMPARE(list.current, 3);
}

void TestToolWindows::f3WorksWithWindowHiddenOrShown()
{
    BookState book = findBook();
    FakeList list;
    QWidget mainWindow;
    TFFind find(book, list.host(), &mainWindow);
    QCOMPARE(find.findAgainAction()->shortcut(), QKeySequence(Qt::Key_F3));
    QCOMPARE(find.findAgainAction()->shortcutContext(), Qt::ApplicationShortcut);
    QTest::keyClicks(find.searchEdit(), "ann");

    mainWindow.show();
    mainWindow.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&mainWindow));
    QVERIFY(!find.isVisible());
    QTest::keyClick(&mainWindow, Qt::Key_F3);
    QCOMPARE(list.selected, std::vector<int>{0});

    find.showFind();
    QVERIFY(QTest::qWaitForWindowActive(&find));
    QTest::keyClick(find.searchEdit(), Qt::Key_F3);
    QCOMPARE(list.selected, (std::vector<int>{0, 2}));
    find.hide();
}

void TestToolWindows::findHonoursFilterAndChildren()
{
    BookState book = findBook();
    FakeList list;
    TFFind find(book, list.host());
    find.searchEdit()->setText(QStringLiteral("ann"));
    list.filter = 2; // records 1 and 3
    QCOMPARE(find.findNext(), 3);
    QCOMPARE(find.findNext(), 3);
    list.filter = 7; // a category nobody is in
    QCOMPARE(find.findNext(), -1);
    QCOMPARE(list.current, 3);

    // Children: "Anna" is a first child, "Hanna" a second child.
    list.filter = 0;
    list.current = -1;
    find.fieldPicker()->setCurrentIndex(46);
    find.searchEdit()->setText(QStringLiteral("nna"));
    QCOMPARE(find.findNext(), 4);
    QCOMPARE(find.findNext(), 4); // the first children are all looked at first
}

void TestToolWindows::nextPreviousFollowDisplayOrder()
{
    BookState book = findBook();
    FakeList list;
    list.order = {2, 4, 1, 0, 3};
    TFFind find(book, list.host());
    QCOMPARE(find.TBNextClick(), 2);
    QCOMPARE(find.TBNextClick(), 4);
    list.current = 3;
    QCOMPARE(find.TBNextClick(), -1);
    QCOMPARE(list.current, 3);
    QCOMPARE(find.TBPreviousClick(), 0);
    list.current = 2;
    QCOMPARE(find.TBPreviousClick(), -1);
    QCOMPARE(list.current, 2);
}

void TestToolWindows::birthdayWindow()
{
    QWidget mainWindow;
    TFBirthday window(&mainWindow);
    QVERIFY(!window.isModal());
    QVERIFY(window.windowFlags() & Qt::WindowStaysOnTopHint);
    QTreeWidget *rows = window.findChild<QTreeWidget *>(QStringLiteral("JBirthday"));
    QVERIFY(rows);
    QCOMPARE(rows->headerItem()->text(1), QStringLiteral("Number of days befor birthday"));

    BookState book;
    book.Book.resize(3);
    book.Book[0].setText(TEnreg::Name, "Ann");
    book.Book[0].setText(TEnreg::Surname, "Smith");
    book.Book[0].setText(TEnreg::Birthday, "16/06/1980");
    book.Book[2].setText(TEnreg::Name, "\xc9milie");
    book.Book[2].setText(TEnreg::Birthday, "15/06/2000");
    BirthdayList list;
    list.scan(book, QDate(2023, 6, 15), 365);
    window.setList(list);
    window.setTexts("Birthday", "There are the following birthdays", "Name", "Number of days before birthday", "Age");
    QCOMPARE(rows->topLevelItemCount(), 2);
    QCOMPARE(rows->topLevelItem(0)->text(0), QStringLiteral("Ann Smith"));
    QCOMPARE(rows->topLevelItem(0)->text(1), QStringLiteral("1"));
    QCOMPARE(rows->topLevelItem(0)->text(2), QStringLiteral("43"));
    QCOMPARE(rows->topLevelItem(1)->text(0), QStringLiteral("\u00c9milie "));
    QCOMPARE(rows->topLevelItem(1)->text(1), QStringLiteral("0"));
    QVERIFY(rows->isColumnHidden(3));
    QCOMPARE(rows->headerItem()->text(1), QStringLiteral("Number of days before birthday"));

    window.showCentred();
    QVERIFY(window.isVisible());
    const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
    QVERIFY((window.frameGeometry().center() - screenCentre).manhattanLength() < 4);

    QSignalSpy chosen(&window, &TFBirthday::recordChosen);
    const QRect second = rows->visualItemRect(rows->topLevelItem(1));
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, second.center());
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen[0][0].toInt(), 2);
    QVERIFY(window.isVisible()); // stays open
}

QTEST_MAIN(TestToolWindows)
#include "tst_tool_windows.moc"
