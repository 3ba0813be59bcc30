// The contact list's grouping and name order, without a window.
#include "app/ContactGroups.h"
#include "core/NameCollator.h"

#include <QtTest>

#include <random>

namespace {

TEnreg contact(const QByteArray &name, const QByteArray &surname = {}, int category = 0)
{
    TEnreg r;
    r.setText(TEnreg::Name, name);
    r.setText(TEnreg::Surname, surname);
    r.Category = category;
    return r;
}

QStringList namesOf(const std::vector<TEnreg> &book, const std::vector<int> &rows, int slot = TEnreg::Name)
{
    QStringList out;
    for (int r : rows)
        out << QString::fromLatin1(book[size_t(r)].text(slot));
    return out;
}

} // namespace

class TestListCore : public QObject
{
    Q_OBJECT
private slots:
    void groupOfName_data();
    void groupOfName();
    void collatorIgnoresCase_data();
    void collatorIgnoresCase();
    void collatorFollowsLocale();
    void emptyBookShowsTheLetterGroups();
    void filterAndGroups();
    void flatListAndSurnameFirst();
    void renamedContactKeepsItsRowUntilSorted();
    void keysFollowEditsAndDeletes();
    void recordNumberFreedAndTakenAgainIsListed();
    void findAndTopLevelItems();
    void rebuildsMatchAFreshList();
};

void TestListCore::groupOfName_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("group");
    QTest::newRow("capital") << QByteArray("Martin") << "M";
    QTest::newRow("lower-case a") << QByteArray("anna") << "A";
    QTest::newRow("lower-case z") << QByteArray("zoe") << "Z";
    QTest::newRow("accented capital") << QByteArray("\xC9ric") << "@";
    QTest::newRow("accented lower case") << QByteArray("\xE9lodie") << "@";
    QTest::newRow("digit") << QByteArray("3M") << "@";
    QTest::newRow("blank") << QByteArray(" Paul") << "@";
    QTest::newRow("bracket") << QByteArray("[Admin]") << "@";
    QTest::newRow("backquote, just below a") << QByteArray("`x") << "@";
    QTest::newRow("brace, just above z") << QByteArray("{x") << "@";
    QTest::newRow("empty") << QByteArray() << "@";
}

void TestListCore::groupOfName()
{
    QFETCH(QByteArray, name);
    QFETCH(QString, group);
    QCOMPARE(ContactGroups::groupCaption(ContactGroups::groupOf(name)), group);
}

void TestListCore::collatorIgnoresCase_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("C") << QLocale::c();
    QTest::newRow("French") << QLocale(QLocale::French, QLocale::France);
    QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates);
}

void TestListCore::collatorIgnoresCase()
{
    QFETCH(QLocale, locale);
    const NameCollator c(locale);
    QCOMPARE(c.compare(u"apple", u"APPLE"), 0);
    QVERIFY(c.compare(u"apple", u"Bob") < 0);
    QVERIFY(c.compare(u"Bob", u"apple") > 0);
    QVERIFY(c.compare(u"bob", u"Zed") < 0);
    QVERIFY(c.compare(u"", u"a") < 0);
    QCOMPARE(c.usesLocaleRules(), locale.language() != QLocale::C);
}

void TestListCore::collatorFollowsLocale()
{
    // In French an accented initial sorts with its letter, not after "z".
    const NameCollator fr(QLocale(QLocale::French, QLocale::France));
    QVERIFY(fr.compare(u"eclair", u"\u00e9lan") < 0);
    QVERIFY(fr.compare(u"\u00e9lan", u"enfant") < 0);
    QVERIFY(fr.compare(u"\u00c9lan", u"\u00e9LAN") == 0);
    // Without locale rules it is code-point order, but still without case.
    const NameCollator c(QLocale::c());
    QVERIFY(c.compare(u"zebra", u"\u00e9lan") < 0);
    QVERIFY(c.compare(u"\u00c9lan", u"\u00e9LAN") == 0);
}

void TestListCore::emptyBookShowsTheLetterGroups()
{
    ContactGroups g(QLocale::c());
    QVERIFY(g.isEmpty());
    QCOMPARE(g.topLevelCount(), 0);
    g.rebuild({}, ListOptions{});
    QCOMPARE(g.topLevelCount(), 27);
    for (int i = 0; i < ContactGroups::GroupCount; ++i)
        QVERIFY(g.group(i).empty());
    QCOMPARE(ContactGroups::groupCaption(0), QStringLiteral("@"));
    QCOMPARE(ContactGroups::groupCaption(1), QStringLiteral("A"));
    QCOMPARE(ContactGroups::groupCaption(26), QStringLiteral("Z"));
    ListOptions flat;
    flat.grouped = false;
    g.rebuild({}, flat);
    QCOMPARE(g.topLevelCount(), 0);
}

void TestListCore::filterAndGroups()
{
    const std::vector<TEnreg> book = {contact("bob", "", 1),   contact("Zoe", "", 2),    contact("anna", "", 0),
                                      contact("BETTY", "", 2), contact("Ben", "", 2),    contact("\xC9ric", "", 2),
                                      contact("", "", 2),      contact("zack", "", 2),   contact("Bea", "", 2)};
    ContactGroups g(QLocale::c());
    g.rebuild(book, ListOptions{});
    QCOMPARE(namesOf(book, g.group(2)), (QStringList{"Bea", "Ben", "BETTY", "bob"}));
    QCOMPARE(namesOf(book, g.group(1)), QStringList{"anna"});
    QCOMPARE(namesOf(book, g.group(26)), (QStringList{"zack", "Zoe"}));
    QCOMPARE(g.group(0).size(), size_t(2)); // "" and "Éric"

    ListOptions two;
    two.category = 2;
    g.rebuild(book, two);
    QCOMPARE(namesOf(book, g.group(2)), (QStringList{"Bea", "Ben", "BETTY"}));
    QVERIFY(g.group(1).empty()); // "anna" has no category: only "All" lists her
    QCOMPARE(g.topLevelCount(), 27);
}

void TestListCore::flatListAndSurnameFirst()
{
    const std::vector<TEnreg> book = {contact("Anne", "martin"), contact("Zoe", "Abel"), contact("Bob", "durand"),
                                      contact("Carl", "")};
    ContactGroups g(QLocale(QLocale::English, QLocale::UnitedStates));
    ListOptions o;
    o.grouped = false;
    o.surnameFirst = true;
    g.rebuild(book, o);
    QCOMPARE(g.mainSlot(), int(TEnreg::Surname));
    QCOMPARE(g.topLevelCount(), 4);
    QCOMPARE(namesOf(book, g.topLevel(), TEnreg::Surname), (QStringList{"", "Abel", "durand", "martin"}));
    o.grouped = true;
    g.rebuild(book, o);
    QCOMPARE(namesOf(book, g.group(0), TEnreg::Name), QStringList{"Carl"}); // empty surname: "@"
    QCOMPARE(namesOf(book, g.group(13), TEnreg::Name), QStringList{"Anne"});
}

void TestListCore::renamedContactKeepsItsRowUntilSorted()
{
    std::vector<TEnreg> book = {contact("Adam"), contact("Alice"), contact("Axel")};
    ContactGroups g(QLocale::c());
    g.rebuild(book, ListOptions{});
    QCOMPARE(g.group(1), (std::vector<int>{0, 1, 2}));
    book[0].setText(TEnreg::Name, "Ayla");
    QCOMPARE(g.group(1), (std::vector<int>{0, 1, 2})); // nothing moves by itself
    QVERIFY(!g.needsSort(book, 1));                     // until the list hears of it
    g.noteChanged(0);
    QVERIFY(g.needsSort(book, 1));
    const std::vector<int> order = g.sortGroup(book, 1);
    QCOMPARE(order, (std::vector<int>{1, 2, 0})); // old rows in their new order
    QCOMPARE(g.group(1), (std::vector<int>{1, 2, 0}));
    QVERIFY(g.sortGroup(book, 1).empty());
}

void TestListCore::keysFollowEditsAndDeletes()
{
    // The key cache must never hand out a key for a name that changed, nor
    // the key of a record that moved down after a delete.
    std::vector<TEnreg> book;
    const QByteArrayList names = {"Mia", "max", "Mark", "Milo", "mona", "Maud", "Mel"};
    for (const QByteArray &n : names)
        book.push_back(contact(n));
    ContactGroups g(QLocale::c());
    g.rebuild(book, ListOptions{});
    QCOMPARE(namesOf(book, g.group(13)), (QStringList{"Mark", "Maud", "max", "Mel", "Mia", "Milo", "mona"}));
    book.erase(book.begin()); // "Mia" deleted, every later record one lower
    book[2].setText(TEnreg::Name, "Mz");
    g.rebuild(book, ListOptions{});
    QCOMPARE(namesOf(book, g.group(13)), (QStringList{"Mark", "Maud", "max", "Mel", "mona", "Mz"}));
    QCOMPARE(namesOf(book, g.group(1)), QStringList{});
    // Many edits of one name: the arenas are compacted, the order stays right.
    for (int i = 0; i < 20000; ++i) {
        book[0].setText(TEnreg::Name, "Mb" + QByteArray(i % 50, 'x'));
        g.noteChanged(0);
        g.sortGroup(book, 13);
    }
    g.rebuild(book, ListOptions{});
    const QString mb = QString::fromLatin1("Mb" + QByteArray(19999 % 50, 'x'));
    QCOMPARE(namesOf(book, g.group(13)), (QStringList{"Mark", "Maud", mb, "Mel", "mona", "Mz"}));
}

void TestListCore::recordNumberFreedAndTakenAgainIsListed()
{
    // Add, Delete, Add: the new contact takes the number the deleted one
    // had, with the same (empty) name. It must be listed, not left out
    // because its key looked unchanged.
    std::vector<TEnreg> book = {contact("Ann"), contact("Bob")};
    ContactGroups g(QLocale::c());
    g.rebuild(book, ListOptions{});
    book.push_back(contact(""));
    g.rebuild(book, ListOptions{});
    QCOMPARE(g.group(0), std::vector<int>{2});
    book.pop_back();
    g.rebuild(book, ListOptions{});
    QVERIFY(g.group(0).empty());
    book.push_back(contact(""));
    g.rebuild(book, ListOptions{});
    QCOMPARE(g.group(0), std::vector<int>{2});
    QVERIFY(g.find(2).found());
    // The same after a delete that is not the last, the flat list too.
    book.erase(book.begin());
    ListOptions flat;
    flat.grouped = false;
    g.rebuild(book, flat);
    book.push_back(contact(""));
    g.rebuild(book, flat);
    QCOMPARE(namesOf(book, g.topLevel()), (QStringList{"", "", "Bob"}));
}

void TestListCore::findAndTopLevelItems()
{
    const std::vector<TEnreg> book = {contact("Bob"), contact("Al"), contact("Bea", "", 3)};
    ContactGroups g(QLocale::c());
    g.rebuild(book, ListOptions{});
    ContactGroups::Place p = g.find(0);
    QCOMPARE(p.group, 2);
    QCOMPARE(p.row, 1);
    g.appendTopLevel(2); // as Duplicate does: outside the groups until the next rebuild
    QCOMPARE(g.topLevelCount(), 28);
    p = g.find(2);
    QCOMPARE(p.group, 2); // the first place in item order
    ListOptions three;
    three.category = 3;
    g.rebuild(book, three);
    QVERIFY(!g.find(0).found());
    g.appendTopLevel(0);
    QCOMPARE(g.find(0).group, -1);
    QCOMPARE(g.find(0).row, 0);
}

void TestListCore::rebuildsMatchAFreshList()
{
    // Rebuilds reuse the keys and the name order of the previous ones; after
    // any mix of edits, appends and deletes they must list exactly what a
    // list built from nothing lists.
    std::mt19937 rng(7);
    const QByteArrayList pool = {"anna", "Anna", "ANNE", "b\xE9" "a", "Ben", "\xC9ric", "eric", "Zo\xE9", "zoe", "3M",
                                 "", " x", "Marc", "marc", "Mo", "Yann", "yves", "Quentin", "lo", "L\xE9o"};
    auto randomName = [&] { return pool[int(rng() % pool.size())] + QByteArray::number(int(rng() % 30)); };
    std::vector<TEnreg> book;
    for (int i = 0; i < 3000; ++i)
        book.push_back(contact(randomName(), randomName(), int(rng() % 4)));
    ContactGroups kept(QLocale(QLocale::French, QLocale::France));
    for (int round = 0; round < 40; ++round) {
        switch (rng() % 4) {
        case 0: // a few renames
            for (int i = 0; i < 1 + int(rng() % 5); ++i)
                book[rng() % book.size()].setText(rng() % 2 ? TEnreg::Name : TEnreg::Surname, randomName());
            break;
        case 1: // appends
            for (int i = 0; i < int(rng() % 20); ++i)
                book.push_back(contact(randomName(), randomName(), int(rng() % 4)));
            break;
        case 2: // a delete: every later record moves down
            book.erase(book.begin() + int(rng() % book.size()));
            break;
        default: // many renames at once
            for (int i = 0; i < 1500; ++i)
                book[rng() % book.size()].setText(TEnreg::Name, randomName());
            break;
        }
        ListOptions o;
        o.grouped = rng() % 3 != 0;
        o.surnameFirst = rng() % 2 == 0;
        o.category = int(rng() % 5); // 4: a category nobody has
        kept.rebuild(book, o);
        ContactGroups fresh(QLocale(QLocale::French, QLocale::France));
        fresh.rebuild(book, o);
        const int slot = kept.mainSlot();
        const auto same = [&](const std::vector<int> &a, const std::vector<int> &b) {
            // Equal names may come in either order; the names must not.
            QCOMPARE(a.size(), b.size());
            for (size_t i = 0; i < a.size(); ++i)
                QCOMPARE(book[size_t(a[i])].text(slot), book[size_t(b[i])].text(slot));
            std::vector<int> x = a, y = b;
            std::sort(x.begin(), x.end());
            std::sort(y.begin(), y.end());
            QCOMPARE(x, y);
        };
        for (int g = 0; g < ContactGroups::GroupCount; ++g) {
            same(kept.group(g), fresh.group(g));
            if (QTest::currentTestFailed())
                return;
        }
        same(kept.topLevel(), fresh.topLevel());
        if (QTest::currentTestFailed())
            return;
    }
}

QTEST_GUILESS_MAIN(TestListCore)
#include "tst_listcore.moc"
