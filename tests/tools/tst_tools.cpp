#include "book/BookState.h"
#include "core/ShortDate.h"
#include "tools/BirthdayList.h"
#include "tools/FindEngine.h"

#include <QtTest>

#include <set>

namespace {

TEnreg person(const char *name, const char *surname = "", int category = 0)
{
    TEnreg r;
    r.setText(TEnreg::Name, name);
    r.setText(TEnreg::Surname, surname);
    r.Category = category;
    return r;
}

TEnreg born(const char *name, const char *surname, const char *birthday)
{
    TEnreg r = person(name, surname);
    r.setText(TEnreg::Birthday, birthday);
    return r;
}

} // namespace

class TestTools : public QObject
{
    Q_OBJECT
private slots:
    void daysAndAge_data();
    void daysAndAge();
    void reminderHorizon();
    void birthDateOfText_data();
    void birthDateOfText();
    void scanBook();
    void shortDateRoundTrip();

    void entrySlots();
    void search_data();
    void search();
    void childrenPassByPass();
    void searchEdges();
    void nextPrevious();
};

// ------------------------------------------------------------ birthdays

void TestTools::daysAndAge_data()
{
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("age");
    QTest::newRow("today") << QDate(1980, 6, 15) << QDate(2023, 6, 15) << 0 << 43;
    QTest::newRow("born today") << QDate(2023, 6, 15) << QDate(2023, 6, 15) << 0 << 0;
    QTest::newRow("tomorrow") << QDate(1980, 6, 16) << QDate(2023, 6, 15) << 1 << 43;
    QTest::newRow("yesterday, no 29 February ahead") << QDate(1980, 6, 14) << QDate(2022, 6, 15) << 364 << 43;
    QTest::newRow("yesterday, 29 February ahead") << QDate(1980, 6, 14) << QDate(2023, 6, 15) << 365 << 44;
    QTest::newRow("over new year") << QDate(1990, 1, 1) << QDate(2023, 12, 31) << 1 << 34;
    QTest::newRow("1 March of a leap year, common year") << QDate(2000, 3, 1) << QDate(2023, 3, 1) << 0 << 23;
    QTest::newRow("29 February, common year, day before") << QDate(2000, 2, 29) << QDate(2023, 2, 28) << 1 << 23;
    QTest::newRow("29 February on 1 March") << QDate(2000, 2, 29) << QDate(2023, 3, 1) << 0 << 23;
    QTest::newRow("29 February, leap year") << QDate(2000, 2, 29) << QDate(2024, 2, 29) << 0 << 24;
    QTest::newRow("29 February, just after") << QDate(2000, 2, 29) << QDate(2024, 3, 1) << 365 << 25;
    QTest::newRow("31 December from 1 January") << QDate(1970, 12, 31) << QDate(2024, 1, 1) << 365 << 54;
}

void TestTools::daysAndAge()
{
    QFETCH(QDate, birth);
    QFETCH(QDate, today);
    QFETCH(int, days);
    QFETCH(int, age);
    BirthdayList list;
    list.add(7, "Ann Smith", birth, today, 366);
    QCOMPARE(list.rows().size(), size_t(1));
    const BirthdayList::Row &row = list.rows()[0];
    QCOMPARE(row.days, days);
    QCOMPARE(row.age, age);
    QCOMPARE(row.record, 7);
    QCOMPARE(row.name, QByteArray("Ann Smith"));
}

void TestTools::reminderHorizon()
{
    const QDate today(2023, 6, 15);
    BirthdayList list;
    for (int d = 0; d < 10; ++d)
        list.add(d, "x", QDate(1990, 6, 15).addDays(d), today, 7);
    QCOMPARE(list.rows().size(), size_t(7));
    QCOMPARE(list.rows().back().days, 6);
    // Yesterday is 364 days ahead: listed with the default 365, not with 364.
    list.clear();
    list.add(0, "x", QDate(1990, 6, 14), QDate(2022, 6, 15), 364);
    QVERIFY(list.isEmpty());
    list.add(0, "x", QDate(1990, 6, 14), QDate(2022, 6, 15), 365);
    QCOMPARE(list.rows().size(), size_t(1));
    // A birth date still to come is no birthday yet; a horizon of 0 lists nothing.
    list.clear();
    list.add(0, "x", QDate(2030, 1, 1), today, 365);
    list.add(1, "x", today, today, 0);
    QVERIFY(list.isEmpty());
}

void TestTools::birthDateOfText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QDate>("date");
    QTest::newRow("plain date") << QByteArray("12/05/1980") << QDate(1980, 5, 12);
    QTest::newRow("with a time") << QByteArray("12/05/1980 14:30") << QDate(1980, 5, 12);
    QTest::newRow("with seconds and blanks") << QByteArray("31/12/1999  9:05:01 ") << QDate(1999, 12, 31);
    QTest::newRow("leading zero day") << QByteArray("05/12/1980") << QDate();
    QTest::newRow("empty") << QByteArray() << QDate();
    QTest::newRow("empty date mask") << QByteArray("  /  /    ") << QDate();
    QTest::newRow("no such day") << QByteArray("31/02/1990") << QDate();
    QTest::newRow("29 February of a common year") << QByteArray("29/02/1990") << QDate();
    QTest::newRow("29 February of a leap year") << QByteArray("29/02/1992") << QDate(1992, 2, 29);
    QTest::newRow("month 13") << QByteArray("12/13/1990") << QDate();
    QTest::newRow("one-digit day") << QByteArray("1/05/1980") << QDate();
    QTest::newRow("two-digit year") << QByteArray("12/05/80") << QDate();
    QTest::newRow("other separator") << QByteArray("12-05-1980") << QDate();
    QTest::newRow("text after the date") << QByteArray("12/05/1980 soon") << QDate();
    QTest::newRow("glued time") << QByteArray("12/05/198014:30") << QDate();
    QTest::newRow("a word") << QByteArray("1st of May") << QDate();
}

void TestTools::birthDateOfText()
{
    QFETCH(QByteArray, text);
    QFETCH(QDate, date);
    const std::optional<QDate> got = BirthdayList::birthDateOf(text);
    QCOMPARE(got.has_value(), date.isValid());
    if (got)
        QCOMPARE(*got, date);
}

void TestTools::scanBook()
{
    const QDate today(2023, 6, 15);
    BookState book;
    book.Book = {
        born("Ann", "Smith", "16/06/1980"), // 1 day
        born("Bob", "", "05/06/1980"),      // leading zero: not offered
        born("Cid", "Ray", "31/02/1980"),   // not a date: skipped, the scan goes on
        person("Dan"),                      // no birthday
        born("Eve", "Lee", "15/06/2001"),   // today
        born("Fay", "Moe", "20/12/1980"),   // too far for a horizon of 30
    };
    BirthdayList list;
    list.scan(book, today, 30);
    QCOMPARE(list.rows().size(), size_t(2));
    QCOMPARE(list.rows()[0].record, 0);
    QCOMPARE(list.rows()[0].name, QByteArray("Ann Smith"));
    QCOMPARE(list.rows()[0].days, 1);
    QCOMPARE(list.rows()[1].record, 4);
    QCOMPARE(list.rows()[1].days, 0);
    QCOMPARE(list.rows()[1].age, 22);

    // A new scan starts from an empty list; an encrypted book gives none.
    list.scan(book, today, 365);
    QCOMPARE(list.rows().size(), size_t(3));
    book.BookEncrypted = 1;
    list.scan(book, today, 365);
    QVERIFY(list.isEmpty());
}

void TestTools::shortDateRoundTrip()
{
    QCOMPARE(ShortDate::format(QDate(2001, 2, 3)), QByteArray("03/02/2001"));
    QCOMPARE(ShortDate::parse(ShortDate::format(QDate(1999, 12, 31))), QDate(1999, 12, 31));
}

// ------------------------------------------------------------ find

void TestTools::entrySlots()
{
    QCOMPARE(FindEngine::slotsOfEntry(1), std::vector<int>{TEnreg::Name});
    QCOMPARE(FindEngine::slotsOfEntry(16), std::vector<int>{TEnreg::PagerNumber});
    QCOMPARE(FindEngine::slotsOfEntry(17), std::vector<int>{TEnreg::EMail1});
    QCOMPARE(FindEngine::slotsOfEntry(45), std::vector<int>{TEnreg::CompanyWeb});
    QCOMPARE(FindEngine::slotsOfEntry(46), std::vector<int>{TEnreg::Spouse});
    QCOMPARE(FindEngine::slotsOfEntry(48), std::vector<int>{TEnreg::Birthday});
    QCOMPARE(FindEngine::slotsOfEntry(47).size(), size_t(10));
    QCOMPARE(FindEngine::slotsOfEntry(47).front(), int(TEnreg::Children0));
    QVERIFY(FindEngine::slotsOfEntry(0).empty());
    QVERIFY(FindEngine::slotsOfEntry(49).empty());
    // The 48 entries reach every text slot exactly once.
    std::multiset<int> all;
    for (int e = 1; e <= FindEngine::EntryCount; ++e)
        for (int s : FindEngine::slotsOfEntry(e))
            all.insert(s);
    QCOMPARE(all.size(), size_t(TEnreg::TextCount));
    QCOMPARE(std::set<int>(all.begin(), all.end()).size(), size_t(TEnreg::TextCount));
    QCOMPARE(QByteArray(FindEngine::defaultCaption(1)), QByteArray("First name"));
    QCOMPARE(QByteArray(FindEngine::defaultCaption(17)), QByteArray("E mail"));
    QCOMPARE(QByteArray(FindEngine::defaultCaption(48)), QByteArray("Birthday"));
}

namespace {

// Names in stored order; the list might show them in any other order.
std::vector<TEnreg> findBook()
{
    std::vector<TEnreg> b = {
        person("Annabel", "Zola", 1), // 0
        person("ann", "Young", 2),    // 1
        person("Joanna", "Xu", 1),    // 2: "ann" in the middle
        person("ANN", "West", 0),     // 3
        person("ann", "Vance", 1),    // 4
        person("", "Ann", 0),         // 5: empty first name, "Ann" in another field
    };
    b[3].setText(TEnreg::EMail1, "ann@example.org");
    b[2].setText(TEnreg::Birthday, "12/05/1980");
    b[2].setText(TEnreg::Spouse, "Hannah");
    return b;
}

} // namespace

void TestTools::search_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("entry");
    QTest::addColumn<bool>("whole");
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("found");
    QTest::newRow("inside, from nothing") << QByteArray("ann") << 1 << false << 0 << -1 << 1;
    QTest::newRow("inside, after 1") << QByteArray("ann") << 1 << false << 0 << 1 << 2;
    QTest::newRow("inside, after 2") << QByteArray("ann") << 1 << false << 0 << 2 << 4;
    QTest::newRow("inside, wraps") << QByteArray("ann") << 1 << false << 0 << 4 << 1;
    QTest::newRow("case differs") << QByteArray("ANN") << 1 << false << 0 << -1 << 3;
    QTest::newRow("whole field") << QByteArray("ann") << 1 << true << 0 << 1 << 4;
    QTest::newRow("whole field, wraps") << QByteArray("ann") << 1 << true << 0 << 4 << 1;
    QTest::newRow("whole field, not a part") << QByteArray("Ann") << 1 << true << 0 << -1 << -1;
    QTest::newRow("category filter") << QByteArray("ann") << 1 << false << 1 << -1 << 2;
    QTest::newRow("category filter, wraps") << QByteArray("ann") << 1 << false << 1 << 4 << 2;
    QTest::newRow("category without contacts") << QByteArray("ann") << 1 << false << 9 << -1 << -1;
    QTest::newRow("lone match found again") << QByteArray("Annabel") << 1 << false << 0 << 0 << 0;
    QTest::newRow("e-mail is slot 17") << QByteArray("@example") << 17 << false << 0 << -1 << 3;
    QTest::newRow("surname") << QByteArray("Ann") << 2 << false << 0 << -1 << 5;
    QTest::newRow("spouse") << QByteArray("ann") << 46 << false << 0 << -1 << 2;
    QTest::newRow("birthday") << QByteArray("/05/") << 48 << false << 0 << -1 << 2;
    QTest::newRow("empty text") << QByteArray() << 1 << false << 0 << -1 << -1;
    QTest::newRow("current out of range") << QByteArray("ann") << 1 << true << 0 << 99 << 1;
    QTest::newRow("upper-half bytes exact") << QByteArray("\xe9") << 1 << false << 0 << -1 << -1;
}

void TestTools::search()
{
    QFETCH(QByteArray, text);
    QFETCH(int, entry);
    QFETCH(bool, whole);
    QFETCH(int, category);
    QFETCH(int, current);
    QFETCH(int, found);
    QCOMPARE(FindEngine::search(findBook(), {text, entry, whole, category}, current), found);
}

void TestTools::childrenPassByPass()
{
    std::vector<TEnreg> b(5);
    b[1].setChild(0, "Tom");
    b[1].setChild(2, "Zed"); // third child of an early record
    b[3].setChild(0, "Ada");
    b[3].setChild(1, "Zed"); // second child of a later one
    const FindEngine::Query q{"Zed", FindEngine::ChildrenEntry, false, 0};
    // Every second child is looked at before any third child.
    QCOMPARE(FindEngine::search(b, q, -1), 3);
    QCOMPARE(FindEngine::search(b, q, 3), 3);
    b[3].setChild(1, "Zoe");
    QCOMPARE(FindEngine::search(b, q, 3), 1);
    // The passes start from the same record each time.
    b[0].setChild(1, "Zed");
    b[4].setChild(1, "Zed");
    QCOMPARE(FindEngine::search(b, q, 3), 4);
    QCOMPARE(FindEngine::search(b, q, 4), 0);
}

void TestTools::searchEdges()
{
    QCOMPARE(FindEngine::search({}, {"a", 1, false, 0}, -1), -1);
    QCOMPARE(FindEngine::search(findBook(), {"a", 0, false, 0}, -1), -1);
    // Repeating the search walks every match in stored order, then wraps.
    std::vector<int> walk;
    int at = -1;
    for (int k = 0; k < 5; ++k)
        walk.push_back(at = FindEngine::search(findBook(), {"ann", 1, false, 0}, at));
    QCOMPARE(walk, (std::vector<int>{1, 2, 4, 1, 2}));
    // An empty field never holds a text, but equals an empty one only if
    // the text is empty, which never searches.
    QVERIFY(!FindEngine::matches({}, "a", false));
    QVERIFY(!FindEngine::matches({}, "a", true));
}

void TestTools::nextPrevious()
{
    const std::vector<int> order{4, 2, 0, 3}; // display order, e.g. by surname
    QCOMPARE(FindEngine::next(order, -1), 4);
    QCOMPARE(FindEngine::next(order, 4), 2);
    QCOMPARE(FindEngine::next(order, 0), 3);
    QCOMPARE(FindEngine::next(order, 3), -1); // the last: nothing changes
    QCOMPARE(FindEngine::previous(order, 4), -1);
    QCOMPARE(FindEngine::previous(order, 0), 2);
    QCOMPARE(FindEngine::previous(order, -1), 3);
    QCOMPARE(FindEngine::next(order, 7), 4); // not shown: as if none were current
    QCOMPARE(FindEngine::next({}, -1), -1);
    QCOMPARE(FindEngine::previous({}, -1), -1);
}

QTEST_GUILESS_MAIN(TestTools)
#include "tst_tools.moc"
