#include "book/BookFile.h"
#include "book/BookState.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <cstring>

namespace {

// Builds book files by hand, so the reader is tested against the layout and
// not against our own writer.
class Bytes
{
public:
    Bytes &byte(quint8 b)
    {
        data.append(char(b));
        return *this;
    }
    Bytes &len(qint32 n)
    {
        char buf[4];
        qToLittleEndian(n, buf);
        data.append(buf, 4);
        return *this;
    }
    Bytes &text(const QByteArray &t) { return len(qint32(t.size())).raw(t); }
    Bytes &raw(const QByteArray &t)
    {
        data.append(t);
        return *this;
    }
    // A record in file order whose texts are "<prefix><file position>".
    Bytes &record(const QByteArray &prefix, quint8 locked = 0, quint8 category = 0)
    {
        for (int i = 0; i < TEnreg::TextCount; ++i)
            text(prefix + QByteArray::number(i));
        return byte(locked).byte(category);
    }
    QByteArray data;
};

TEnreg fullRecord(int seed)
{
    TEnreg r;
    for (int i = 0; i < TEnreg::TextCount; ++i)
        r.setText(i, QByteArray("f") + QByteArray::number(i) + "-" + QByteArray::number(seed));
    r.setText(TEnreg::Street, "1 rue \xE9t\xE9\r\nB\xE2timent C");
    QByteArray high;
    for (int b = 0x80; b <= 0xFF; ++b)
        high.append(char(b));
    r.setText(TEnreg::Comment, high + "\r\nsecond line\r\n");
    r.Locked = quint8(seed % 2);
    r.Category = seed % 8;
    return r;
}

} // namespace

class TestBook : public QObject
{
    Q_OBJECT
private slots:
    void recordSlots();
    void deleteMovesRecordsDown();
    void writeThenReadIsIdentical();
    void spouseBeforeChildrenInFile();
    void emptyBookSize();
    void readerEdgeCases_data();
    void readerEdgeCases();
    void hugeLengthDoesNotAllocate();
    void categoryKeepsLowByte();
    void failedSaveKeepsOldFile();
    void missingFileMessage();
};

void TestBook::recordSlots()
{
    TEnreg r;
    QVERIFY(r.text(TEnreg::Name).isEmpty());
    r.setText(TEnreg::City, "Lyon");
    r.setText(TEnreg::Name, "Ann");
    r.setChild(2, "Zoe");
    QCOMPARE(r.text(TEnreg::City), QByteArrayView("Lyon"));
    QCOMPARE(r.text(TEnreg::Name), QByteArrayView("Ann"));
    QCOMPARE(r.child(2), QByteArrayView("Zoe"));
    QCOMPARE(r.text(TEnreg::Children0 + 2), QByteArrayView("Zoe"));
    // Shrinking and growing one field leaves the others alone.
    r.setText(TEnreg::Name, "");
    r.setText(TEnreg::City, "Saint-\xC9tienne");
    QCOMPARE(r.text(TEnreg::Name), QByteArrayView(""));
    QCOMPARE(r.text(TEnreg::City), QByteArrayView("Saint-\xC9tienne"));
    QCOMPARE(r.child(2), QByteArrayView("Zoe"));
    // A copy is independent of the original.
    TEnreg copy = r;
    copy.setText(TEnreg::City, "Paris");
    QCOMPARE(r.text(TEnreg::City), QByteArrayView("Saint-\xC9tienne"));
    // Setting a field from a view of itself is safe.
    r.setText(TEnreg::Surname, r.text(TEnreg::City));
    QCOMPARE(r.text(TEnreg::Surname), QByteArrayView("Saint-\xC9tienne"));
}

void TestBook::deleteMovesRecordsDown()
{
    BookState b;
    for (int i = 0; i < 3; ++i)
        b.Book[size_t(b.appendRecord())].setText(TEnreg::Name, QByteArray::number(i));
    b.deleteRecord(0);
    QCOMPARE(b.BookCount(), 2);
    QCOMPARE(b.Book[0].text(TEnreg::Name), QByteArrayView("1"));
    QCOMPARE(b.Book[1].text(TEnreg::Name), QByteArrayView("2"));
    b.deleteRecord(1);
    QCOMPARE(b.BookCount(), 1);
    b.deleteRecord(5); // out of range: nothing happens
    QCOMPARE(b.BookCount(), 1);
    b.clear();
    QCOMPARE(b.BookCount(), 0);
}

void TestBook::writeThenReadIsIdentical()
{
    std::vector<TEnreg> records;
    for (int i = 0; i < 20; ++i)
        records.push_back(fullRecord(i));
    records.push_back(TEnreg()); // all texts empty
    const QByteArray bytes = BookFile::serialize(records, 1);
    const BookContent back = BookFile::parse(bytes);
    QCOMPARE(back.encrypted, 1);
    QCOMPARE(back.format, QByteArray(BookSignature));
    QCOMPARE(back.records.size(), records.size());
    for (size_t i = 0; i < records.size(); ++i)
        QVERIFY2(back.records[i] == records[i], qPrintable(QStringLiteral("record %1").arg(i)));
    // And once more through a real file: the same bytes again.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.zdl"));
    QVERIFY(BookFile::save(path, back.records, back.encrypted));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), bytes);
}

void TestBook::spouseBeforeChildrenInFile()
{
    // Texts numbered by file position: 46 is the spouse, 47..56 the children.
    const Bytes file = Bytes().byte(0).text("other program").record("t");
    const BookContent b = BookFile::parse(file.data);
    QCOMPARE(b.records.size(), size_t(1));
    const TEnreg &r = b.records[0];
    QCOMPARE(r.text(TEnreg::CompanyWeb), QByteArrayView("t45"));
    QCOMPARE(r.text(TEnreg::Spouse), QByteArrayView("t46"));
    QCOMPARE(r.child(0), QByteArrayView("t47"));
    QCOMPARE(r.child(9), QByteArrayView("t56"));
    QCOMPARE(b.format, QByteArray("other program"));
    // Written back, the bytes are those we built.
    QCOMPARE(BookFile::serialize(b.records, 0).mid(5 + int(std::strlen(BookSignature))),
             file.data.mid(5 + 13));
}

void TestBook::emptyBookSize()
{
    const QByteArray bytes = BookFile::serialize({}, 0);
    QCOMPARE(bytes.size(), qsizetype(1 + 4 + std::strlen(BookSignature)));
    TEnreg empty;
    QCOMPARE(BookFile::serialize({empty}, 0).size() - bytes.size(), qsizetype(230));
}

void TestBook::readerEdgeCases_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("encrypted");
    QTest::addColumn<QByteArray>("format");

    const Bytes head = Bytes().byte(0).text("ID");
    QTest::newRow("empty file") << QByteArray() << 0 << 0 << QByteArray();
    QTest::newRow("flag only") << QByteArray("\x01", 1) << 0 << 1 << QByteArray();
    QTest::newRow("ends after identification") << head.data << 0 << 0 << QByteArray("ID");
    QTest::newRow("negative identification length") << Bytes().byte(0).len(-5).data << 0 << 0 << QByteArray();
    QTest::newRow("two records") << Bytes(head).record("a").record("b").data << 2 << 0 << QByteArray("ID");
    {
        const QByteArray three = Bytes(head).record("a").record("b").record("c").data;
        const QByteArray two = Bytes(head).record("a").record("b").data;
        QTest::newRow("cut in the third record") << three.left(two.size() + 100) << 2 << 0 << QByteArray("ID");
        QTest::newRow("third record misses its category") << three.left(three.size() - 1) << 2 << 0
                                                          << QByteArray("ID");
    }
    {
        Bytes neg(head);
        neg.len(-7); // first text: negative length, empty, no bytes consumed
        for (int i = 1; i < TEnreg::TextCount; ++i)
            neg.text("x");
        neg.byte(1).byte(3);
        QTest::newRow("negative length") << neg.data << 1 << 0 << QByteArray("ID");
    }
    QTest::newRow("text runs past the end") << Bytes(head).record("a").len(1000).raw("short").data << 1 << 0
                                            << QByteArray("ID");
}

void TestBook::readerEdgeCases()
{
    QFETCH(QByteArray, file);
    QFETCH(int, records);
    QFETCH(int, encrypted);
    QFETCH(QByteArray, format);
    const BookContent b = BookFile::parse(file);
    QCOMPARE(int(b.records.size()), records);
    QCOMPARE(b.encrypted, encrypted);
    QCOMPARE(b.format, format);
    if (QByteArray(QTest::currentDataTag()) == "negative length") {
        QVERIFY(b.records[0].text(TEnreg::Name).isEmpty());
        QCOMPARE(b.records[0].text(TEnreg::Surname), QByteArrayView("x"));
        QCOMPARE(int(b.records[0].Locked), 1);
        QCOMPARE(b.records[0].Category, 3);
    }
    if (records >= 2 && QByteArray(QTest::currentDataTag()).startsWith("cut")) {
        QCOMPARE(b.records[1].text(TEnreg::Name), QByteArrayView("b0"));
    }
}

void TestBook::hugeLengthDoesNotAllocate()
{
    // A length of 0x7FFFFFF0 with ten bytes left: the record is dropped, and
    // nothing near that size is ever allocated (ASan would report it).
    const Bytes file = Bytes().byte(0).text("ID").record("a").len(0x7FFFFFF0).raw("0123456789");
    const BookContent b = BookFile::parse(file.data);
    QCOMPARE(b.records.size(), size_t(1));
    QVERIFY(b.records.capacity() < 1000);
}

void TestBook::categoryKeepsLowByte()
{
    TEnreg r;
    r.Category = 300;
    TEnreg s;
    s.Category = 256;
    const BookContent b = BookFile::parse(BookFile::serialize({r, s}, 0));
    QCOMPARE(b.records[0].Category, 44);
    QCOMPARE(b.records[1].Category, 0);
}

void TestBook::failedSaveKeepsOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("book.zdl"));
    QVERIFY(BookFile::save(path, {fullRecord(1)}, 0));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray before = f.readAll();
    f.close();

    // A device that refuses writes part-way: the writer reports it.
    class Failing : public QIODevice
    {
    public:
        qint64 budget = 1000;
        qint64 readData(char *, qint64) override { return -1; }
        qint64 writeData(const char *, qint64 len) override
        {
            if (budget <= 0)
                return -1;
            const qint64 n = qMin(len, budget);
            budget -= n;
            return n;
        }
    } failing;
    failing.open(QIODevice::WriteOnly);
    std::vector<TEnreg> many(5000, fullRecord(2));
    QVERIFY(!BookFile::write(failing, many, 0).ok);

    // A save whose target cannot be written leaves the old file alone.
    QVERIFY(!BookFile::save(dir.filePath(QStringLiteral("missing/dir/x.zdl")), many, 0).ok);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), before);
}

void TestBook::missingFileMessage()
{
    const Result<BookContent> r = BookFile::read(QStringLiteral("/nonexistent/none.zdl"));
    QVERIFY(!r.ok);
    QCOMPARE(r.message, QStringLiteral("File not found"));
}

QTEST_GUILESS_MAIN(TestBook)
#include "tst_book.moc"
