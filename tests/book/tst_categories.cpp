#include "book/CategoryTable.h"
#include "book/ImageListFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray be32(qint32 v)
{
    char b[4];
    qToBigEndian(v, b);
    return QByteArray(b, 4);
}

} // namespace

class TestCategories : public QObject
{
    Q_OBJECT
private slots:
    void builtInTable();
    void readFile_data();
    void readFile();
    void writeThenRead();
    void imageListRoundTrip();
    void imageListRejects_data();
    void imageListRejects();
    void imageListMissingFile();
};

void TestCategories::builtInTable()
{
    const CategoryTable t = CategoryTable::builtIn();
    QCOMPARE(t.count(), 8);
    const QStringList names = {"None", "Personal", "Family", "Web", "International", "Emergency", "Buisness",
                               "Companies"};
    for (int p = 0; p < 8; ++p) {
        QCOMPARE(t.at(p).name, names[p]);
        QCOMPARE(t.at(p).iconIndex, p);
    }
}

void TestCategories::readFile_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("names");   // positions 1 and up
    QTest::addColumn<QList<int>>("icons");

    // Position p is read from the section numbered p+1; section 1 is never used.
    QTest::newRow("three positions") << QByteArray("[NumberOfCategories]\r\nNumber=3\r\n"
                                                   "[Category 0]\r\nName=All\r\nIconIndex=0\r\n"
                                                   "[Category 1]\r\nName=Wrong\r\nIconIndex=9\r\n"
                                                   "[Category 2]\r\nName=Friends\r\nIconIndex=1\r\n"
                                                   "[Category 3]\r\nName=Club\r\nIconIndex=5\r\n")
                                     << QStringList{"Friends", "Club"} << QList<int>{1, 5};
    QTest::newRow("names in any case, as start-up spells them")
        << QByteArray("[numberofcategories]\nNUMBER=2\n[CATEGORY 2]\nname=Golf\n")
        << QStringList{"Golf"} << QList<int>{1};
    QTest::newRow("missing keys take defaults")
        << QByteArray("[NumberofCategories]\nNumber=4\n[Category 3]\nName=Only\n")
        << QStringList{"Category 1", "Only", "Category 3"} << QList<int>{1, 2, 3};
    QTest::newRow("no count: eight positions")
        << QByteArray("") << QStringList{"Category 1", "Category 2", "Category 3", "Category 4", "Category 5",
                                         "Category 6", "Category 7"}
        << QList<int>{1, 2, 3, 4, 5, 6, 7};
    QTest::newRow("count below one: the reserved position only")
        << QByteArray("[NumberOfCategories]\nNumber=-4\n") << QStringList{} << QList<int>{};
    QTest::newRow("non-UTF-8 names in the code page")
        << QByteArray("[NumberOfCategories]\nNumber=2\n[Category 2]\nName=Soci\xE9t\xE9\n")
        << QStringList{QStringLiteral("Soci\u00e9t\u00e9")} << QList<int>{1};
}

void TestCategories::readFile()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, names);
    QFETCH(QList<int>, icons);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("zandolin.cat"));
    writeFile(path, file);
    const CategoryTable t = CategoryTable::readFile(path);
    QCOMPARE(t.count(), names.size() + 1);
    for (int p = 1; p < t.count(); ++p) {
        QCOMPARE(t.at(p).name, names[p - 1]);
        QCOMPARE(t.at(p).iconIndex, icons[p - 1]);
    }
}

void TestCategories::writeThenRead()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Files/zandolin.cat"));
    // A huge count in an old file must not make the reader loop for ever.
    writeFile(dir.filePath(QStringLiteral("big.cat")), "[NumberOfCategories]\nNumber=2000000000\n");
    QCOMPARE(CategoryTable::readFile(dir.filePath(QStringLiteral("big.cat"))).count(), CategoryTable::MaxCount);

    CategoryTable t;
    t.append({QString(), 0});
    t.append({QStringLiteral("Famille"), 1});
    t.append({QStringLiteral("Caf\u00e9 \u03a9"), 2}); // omega needs UTF-8
    t.append({QStringLiteral("Golf"), 7});
    QVERIFY(t.writeFile(path, QStringLiteral("All")));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QVERIFY(bytes.contains("[Category 0]\r\nName=All\r\n"));
    QVERIFY(!bytes.contains("[Category 1]"));
    QVERIFY(bytes.contains("[Category 4]\r\nName=Golf\r\nIconIndex=7\r\n"));
    const CategoryTable back = CategoryTable::readFile(path);
    QCOMPARE(back.count(), 4);
    for (int p = 1; p < 4; ++p) {
        QCOMPARE(back.at(p).name, t.at(p).name);
        QCOMPARE(back.at(p).iconIndex, t.at(p).iconIndex);
    }
}

void TestCategories::imageListRoundTrip()
{
    ImageListData list;
    list.width = list.height = 16;
    list.images = {QByteArray("first"), QByteArray(), QByteArray(3000, '\xFF')};
    const QByteArray bytes = ImageListFile::serialize(list);
    const Result<ImageListData> back = ImageListFile::parse(bytes);
    QVERIFY(back);
    QCOMPARE(back.value.width, 16);
    QCOMPARE(back.value.images.size(), size_t(3));
    QCOMPARE(back.value.images[0], QByteArray("first"));
    QVERIFY(back.value.images[1].isEmpty());
    QCOMPARE(back.value.images[2], list.images[2]);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Files/zandolin.til"));
    QVERIFY(ImageListFile::save(path, list));
    const Result<ImageListData> read = ImageListFile::read(path);
    QVERIFY(read);
    QCOMPARE(read.value.images, list.images);
}

void TestCategories::imageListRejects_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray head = QByteArray("ZTIL") + QByteArray("\x00\x01", 2) + be32(16) + be32(16);
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("other magic") << QByteArray("PNG!\x00\x01") + be32(16) + be32(16) + be32(0);
    QTest::newRow("other version") << QByteArray("ZTIL") + QByteArray("\x00\x02", 2) + be32(16) + be32(16) + be32(0);
    QTest::newRow("header cut short") << head.left(9);
    QTest::newRow("negative count") << head + be32(-1);
    QTest::newRow("huge count") << head + be32(0x7FFFFFFF);
    QTest::newRow("image length past the end") << head + be32(1) + be32(-1) + QByteArray("abc");
    QTest::newRow("second image missing") << head + be32(2) + be32(3) + QByteArray("abc");
    QTest::newRow("trailing bytes") << head + be32(1) + be32(3) + QByteArray("abcd");
    QTest::newRow("zero width") << QByteArray("ZTIL") + QByteArray("\x00\x01", 2) + be32(0) + be32(16) + be32(0);
    QTest::newRow("absurd size") << QByteArray("ZTIL") + QByteArray("\x00\x01", 2) + be32(100000) + be32(16)
                                        + be32(0);
}

void TestCategories::imageListRejects()
{
    QFETCH(QByteArray, bytes);
    const Result<ImageListData> r = ImageListFile::parse(bytes);
    QVERIFY(!r);
    QCOMPARE(r.message, QStringLiteral("Invalid image list file"));
}

void TestCategories::imageListMissingFile()
{
    QTemporaryDir dir;
    const Result<ImageListData> r = ImageListFile::read(dir.filePath(QStringLiteral("none.til")));
    QVERIFY(!r);
    QCOMPARE(r.message, QStringLiteral("File not found"));
}

QTEST_GUILESS_MAIN(TestCategories)
#include "tst_categories.moc"
