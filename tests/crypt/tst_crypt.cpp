#include "book/BookFile.h"
#include "book/BookState.h"
#include "crypt/BookCipher.h"
#include "crypt/BookCrypt.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// The passphrase the known-answer files were made with (make_vectors.py).
const QByteArray kFixturePassphrase("Tr\xe8s secret");

BookContent readFixture(const char *name)
{
    Result<BookContent> r = BookFile::read(QStringLiteral(ZANDOLIN_TEST_DATA "/") + QLatin1String(name));
    if (!r)
        qFatal("missing fixture %s", name);
    return std::move(r.value);
}

// A book that looks like real use: names, addresses over two lines, dates,
// children, the odd empty record and characters of the upper half.
std::vector<TEnreg> sampleBook(int count)
{
    static const char *first[] = {"Ann", "Bruno", "C\xe9line", "David", "Eve", "Fran\xe7ois"};
    static const char *last[] = {"Smith", "Martin", "M\xfcller", "Dupont", "O'Neil"};
    std::vector<TEnreg> book;
    for (int i = 0; i < count; ++i) {
        TEnreg r;
        if (i % 7 == 3) { // now and then a record with nothing in it
            r.Category = i % 5;
            book.push_back(r);
            continue;
        }
        std::array<QByteArray, TEnreg::TextCount> t;
        t[TEnreg::Name] = first[i % 6];
        t[TEnreg::Surname] = last[i % 5];
        t[TEnreg::Street] = QByteArray::number(i) + " rue de la Paix\r\nB\xe2timent " + QByteArray::number(i % 4);
        t[TEnreg::City] = "Lyon";
        t[TEnreg::PhoneNumber1] = "+33 4 78 " + QByteArray::number(100000 + i);
        t[TEnreg::Birthday] = "1" + QByteArray::number(i % 9) + "/0" + QByteArray::number(1 + i % 9) + "/1970";
        t[TEnreg::EMail1] = "person" + QByteArray::number(i) + "@example.org";
        t[TEnreg::Comment] = i % 2 ? QByteArray("Met at the \x80 fair\r\n\tsecond line") : QByteArray();
        t[TEnreg::Spouse] = i % 3 ? QByteArray("Sam") : QByteArray();
        for (int c = 0; c < i % 4; ++c)
            t[size_t(TEnreg::Children0 + c)] = "Kid " + QByteArray::number(c);
        std::array<QByteArrayView, TEnreg::TextCount> v;
        for (size_t k = 0; k < v.size(); ++k)
            v[k] = t[k];
        r.setTexts(v);
        r.Locked = quint8(i % 2);
        r.Category = i % 5;
        book.push_back(r);
    }
    return book;
}

bool sameRecords(const std::vector<TEnreg> &a, const std::vector<TEnreg> &b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
}

QByteArray runCipher(BookCipher &c, QByteArray bytes)
{
    c.applyField(bytes.data(), bytes.size());
    return bytes;
}

} // namespace

class TestCrypt : public QObject
{
    Q_OBJECT
private slots:
    void rc4PublishedVectors();
    void fieldRunKnownAnswers();
    void bookKnownAnswers();
    void roundTripThroughFile();
    void emptyBookAndEmptyRecords();
    void stateRules();
    void wrongPassphraseLeavesBookAlone();
    void oneShortField();
    void canonicalBase64_data();
    void canonicalBase64();
    void plainTextInEncryptedBook();
    void wipe();
};

void TestCrypt::rc4PublishedVectors()
{
    // The classic RC4 vectors: a fresh key per line, one field each.
    const struct
    {
        const char *key, *plain, *hex;
    } rows[] = {
        {"Key", "Plaintext", "bbf316e8d940af0ad3"},
        {"Wiki", "pedia", "1021bf0420"},
        {"Secret", "Attack at dawn", "45a01f645fc35b383552544b9bf5"},
    };
    for (const auto &row : rows) {
        BookCipher c = BookCipher::withRawKey(row.key);
        QCOMPARE(runCipher(c, row.plain).toHex(), QByteArray(row.hex));
    }
    // A second field restarts i and j but keeps the permutation, so it is
    // not the continuation of the keystream: "Plain" then "text" differs from
    // the tail of "Plaintext".
    BookCipher c = BookCipher::withRawKey("Key");
    QCOMPARE(runCipher(c, "Plain").toHex(), QByteArray("bbf316e8d9"));
    QVERIFY(runCipher(c, "text").toHex() != QByteArray("40af0ad3"));
}

void TestCrypt::fieldRunKnownAnswers()
{
    // One run keyed with SHA-1("key"), fields in this order (make_vectors.py).
    const struct
    {
        QByteArray plain;
        const char *stored;
    } rows[] = {
        {"a", "sA=="},       {"abc", "k3qS"},  {"abcd", "QyBPNQ=="}, {"Ann", "Gj2n"},
        {"Ann", "O5R4"},     {"\r\n", "cLI="}, {"\xe9t\xe9", "b6GC"},
    };
    BookCipher c("key");
    for (const auto &row : rows) {
        const QByteArray stored = BookCrypt::encryptText(c, row.plain);
        QCOMPARE(stored, QByteArray(row.stored));
        // 1, 3 and 4 bytes give 4, 4 and 8 characters.
        QCOMPARE(stored.size(), 4 * ((row.plain.size() + 2) / 3));
    }
    // Decrypting is the same run over the decoded bytes.
    BookCipher d("key");
    for (const auto &row : rows)
        QCOMPARE(runCipher(d, *BookCrypt::decodeStoredText(row.stored)), row.plain);
}

void TestCrypt::bookKnownAnswers()
{
    const BookContent plain = readFixture("plain.zdl");
    const BookContent encrypted = readFixture("encrypted.zdl");
    QCOMPARE(plain.records.size(), size_t(4));
    QCOMPARE(encrypted.encrypted, 1);

    std::vector<TEnreg> records = plain.records;
    BookCrypt::encryptRecords(records, kFixturePassphrase);
    for (size_t i = 0; i < records.size(); ++i)
        for (int s = 0; s < TEnreg::TextCount; ++s)
            QVERIFY2(records[i].text(s) == encrypted.records[i].text(s),
                     qPrintable(QStringLiteral("record %1 slot %2").arg(i).arg(s)));
    QVERIFY(sameRecords(records, encrypted.records)); // lock and category untouched

    BookCrypt::Judgement j;
    QVERIFY(sameRecords(BookCrypt::decryptRecords(encrypted.records, kFixturePassphrase, &j), plain.records));
    QVERIFY(j.plausible());
    QCOMPARE(j.suspicious, qsizetype(0));
}

void TestCrypt::roundTripThroughFile()
{
    const std::vector<TEnreg> original = sampleBook(200);
    BookState book;
    book.Book = original;
    QCOMPARE(BookCrypt::encryptBook(book, "correct horse"), BookCrypt::Outcome::Done);
    QCOMPARE(book.BookEncrypted, 1);
    QVERIFY(book.BookModified);
    QVERIFY(!sameRecords(book.Book, original));
    // Same names in several records are stored differently.
    QVERIFY(book.Book[0].text(TEnreg::City) != book.Book[1].text(TEnreg::City));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("b.zdl"));
    QVERIFY(BookFile::save(path, book.Book, book.BookEncrypted));

    // The same book encrypted again gives the same texts.
    std::vector<TEnreg> again = original;
    BookCrypt::encryptRecords(again, "correct horse");
    QVERIFY(sameRecords(again, book.Book));

    Result<BookContent> back = BookFile::read(path);
    QVERIFY(back.ok);
    BookState reopened;
    reopened.Book = std::move(back.value.records);
    reopened.BookEncrypted = back.value.encrypted;
    QCOMPARE(reopened.BookEncrypted, 1);
    QCOMPARE(BookCrypt::decryptBook(reopened, "correct horse"), BookCrypt::Outcome::Done);
    QCOMPARE(reopened.BookEncrypted, 0);
    QVERIFY(!reopened.BookModified); // decrypting leaves the modified state alone
    QVERIFY(sameRecords(reopened.Book, original));
    // And byte for byte as a file.
    QCOMPARE(BookFile::serialize(reopened.Book, 0), BookFile::serialize(original, 0));
}

void TestCrypt::emptyBookAndEmptyRecords()
{
    BookState empty;
    QCOMPARE(BookCrypt::encryptBook(empty, "x"), BookCrypt::Outcome::Done);
    QCOMPARE(empty.BookEncrypted, 1);
    QVERIFY(empty.BookModified);
    QCOMPARE(empty.BookCount(), 0);
    QCOMPARE(BookCrypt::decryptBook(empty, "anything"), BookCrypt::Outcome::Done);
    QCOMPARE(empty.BookEncrypted, 0);

    // Records with nothing in them are unchanged and use nothing of the
    // cipher: the record after them comes out as if they were not there.
    TEnreg blank;
    blank.Category = 4;
    blank.Locked = 1;
    TEnreg ann;
    ann.setText(TEnreg::Name, "Ann");
    std::vector<TEnreg> withBlanks{blank, blank, ann};
    std::vector<TEnreg> alone{ann};
    BookCrypt::encryptRecords(withBlanks, "k");
    BookCrypt::encryptRecords(alone, "k");
    QVERIFY(withBlanks[0] == blank && withBlanks[1] == blank);
    QVERIFY(withBlanks[2] == alone[0]);
    QVERIFY(sameRecords(BookCrypt::decryptRecords(withBlanks, "k"), {blank, blank, ann}));
}

void TestCrypt::stateRules()
{
    BookState book;
    book.Book = sampleBook(3);
    QCOMPARE(BookCrypt::encryptBook(book, ""), BookCrypt::Outcome::EmptyPassphrase);
    QCOMPARE(BookCrypt::decryptBook(book, "x"), BookCrypt::Outcome::WrongState);
    QVERIFY(sameRecords(book.Book, sampleBook(3)));
    QCOMPARE(book.BookEncrypted, 0);
    QVERIFY(!book.BookModified);

    QCOMPARE(BookCrypt::encryptBook(book, "x"), BookCrypt::Outcome::Done);
    const std::vector<TEnreg> once = book.Book;
    QCOMPARE(BookCrypt::encryptBook(book, "x"), BookCrypt::Outcome::WrongState);
    QVERIFY(sameRecords(book.Book, once));
    // The modified state a decryption finds is the one it leaves.
    QVERIFY(book.BookModified);
    QCOMPARE(BookCrypt::decryptBook(book, "x"), BookCrypt::Outcome::Done);
    QVERIFY(book.BookModified);
}

void TestCrypt::wrongPassphraseLeavesBookAlone()
{
    for (const QByteArray &wrong : {QByteArray("correct hors"), QByteArray(), QByteArray("Correct horse")}) {
        BookState book;
        book.Book = sampleBook(30);
        QCOMPARE(BookCrypt::encryptBook(book, "correct horse"), BookCrypt::Outcome::Done);
        book.BookModified = false; // as after a save
        const std::vector<TEnreg> stored = book.Book;

        QCOMPARE(BookCrypt::decryptBook(book, wrong), BookCrypt::Outcome::WrongPassphrase);
        QCOMPARE(book.BookEncrypted, 1);
        QVERIFY(!book.BookModified);
        QVERIFY(sameRecords(book.Book, stored));
        // The right one still works afterwards.
        QCOMPARE(BookCrypt::decryptBook(book, "correct horse"), BookCrypt::Outcome::Done);
        QVERIFY(sameRecords(book.Book, sampleBook(30)));
    }
}

void TestCrypt::oneShortField()
{
    // One text of one byte: a wrong passphrase gives one random byte, which
    // is a control byte only now and then. Both cases must behave: caught
    // and refused, or not caught and decrypted to an unreadable plain book.
    TEnreg r;
    r.setText(TEnreg::Name, "A");
    bool sawRefused = false, sawAccepted = false;
    for (int k = 0; k < 200 && !(sawRefused && sawAccepted); ++k) {
        BookState book;
        book.Book = {r};
        QCOMPARE(BookCrypt::encryptBook(book, "right"), BookCrypt::Outcome::Done);
        const TEnreg stored = book.Book[0];
        const QByteArray wrong = "wrong" + QByteArray::number(k);
        const BookCrypt::Outcome out = BookCrypt::decryptBook(book, wrong);
        if (out == BookCrypt::Outcome::WrongPassphrase) {
            sawRefused = true;
            QCOMPARE(book.BookEncrypted, 1);
            QVERIFY(book.Book[0] == stored);
        } else {
            QCOMPARE(out, BookCrypt::Outcome::Done);
            QCOMPARE(book.BookEncrypted, 0);
            QCOMPARE(book.Book[0].text(TEnreg::Name).size(), 1);
            sawAccepted |= book.Book[0].text(TEnreg::Name) != QByteArrayView("A");
        }
    }
    QVERIFY(sawRefused);
    QVERIFY(sawAccepted);
}

void TestCrypt::canonicalBase64_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("canonical");
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("one byte") << QByteArray("QQ==") << true;
    QTest::newRow("two bytes") << QByteArray("QUI=") << true;
    QTest::newRow("three bytes") << QByteArray("QUJD") << true;
    QTest::newRow("plus and slash") << QByteArray("a+/b") << true;
    QTest::newRow("a name that happens to be Base64") << QByteArray("John") << true;
    QTest::newRow("unused bits set, two pads") << QByteArray("QR==") << false;
    QTest::newRow("unused bits set, one pad") << QByteArray("QUJ=") << false;
    QTest::newRow("length not a multiple of 4") << QByteArray("QUJ") << false;
    QTest::newRow("plain word") << QByteArray("Paris") << false;
    QTest::newRow("pad inside") << QByteArray("QU=D") << false;
    QTest::newRow("three pads") << QByteArray("Q===") << false;
    QTest::newRow("pads only") << QByteArray("====") << false;
    QTest::newRow("blank") << QByteArray("ab c") << false;
    QTest::newRow("line break") << QByteArray("QUJD\r\nQUJD") << false;
    QTest::newRow("url alphabet") << QByteArray("-_AA") << false;
    QTest::newRow("upper half byte") << QByteArray("QUJ\xe9") << false;
}

void TestCrypt::canonicalBase64()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, canonical);
    QCOMPARE(BookCrypt::isCanonicalBase64(text), canonical);
    // Canonical means exactly: what our encoder writes for some bytes.
    const QByteArray decoded = QByteArray::fromBase64(text);
    QCOMPARE(!text.isEmpty() && decoded.toBase64() == text, canonical);
    QCOMPARE(BookCrypt::decodeStoredText(text).has_value(), canonical);
}

void TestCrypt::plainTextInEncryptedBook()
{
    // Texts typed or imported in plain while the book was encrypted.
    const std::vector<TEnreg> original = sampleBook(20);
    std::vector<TEnreg> book = original;
    BookCrypt::encryptRecords(book, "pw");
    // Not Base64: kept as typed and without effect on the other texts.
    book[0].setText(TEnreg::Nickname, "Paris");
    book[5].setText(TEnreg::Title, "Dr. M\xfcller");
    // Base64 by chance, in a record added at the end: it goes through the
    // cipher and comes out unreadable, but only that record suffers.
    TEnreg added;
    added.setText(TEnreg::Name, "John");
    book.push_back(added);

    BookCrypt::Judgement j;
    const std::vector<TEnreg> plain = BookCrypt::decryptRecords(book, "pw", &j);
    QVERIFY(j.plausible());
    QCOMPARE(plain[0].text(TEnreg::Nickname), QByteArrayView("Paris"));
    QCOMPARE(plain[5].text(TEnreg::Title), QByteArrayView("Dr. M\xfcller"));
    for (size_t i = 0; i < original.size(); ++i) {
        TEnreg expected = original[i];
        if (i == 0)
            expected.setText(TEnreg::Nickname, "Paris");
        if (i == 5)
            expected.setText(TEnreg::Title, "Dr. M\xfcller");
        QVERIFY2(plain[i] == expected, qPrintable(QStringLiteral("record %1").arg(i)));
    }
    QCOMPARE(plain.back().text(TEnreg::Name).size(), 3);
}

void TestCrypt::wipe()
{
    BookCipher c("secret");
    QVERIFY(std::any_of(c.permutation().begin(), c.permutation().end(), [](auto b) { return b != 0xFF; }));
    BookCipher moved(std::move(c));
    const auto allFF = [](const BookCipher &x) {
        return std::all_of(x.permutation().begin(), x.permutation().end(), [](auto b) { return b == 0xFF; });
    };
    QVERIFY(allFF(c)); // the moved-from object keeps no copy
    QVERIFY(!allFF(moved));
    moved.wipe();
    QVERIFY(allFF(moved));
}

QTEST_GUILESS_MAIN(TestCrypt)
#include "tst_crypt.moc"
