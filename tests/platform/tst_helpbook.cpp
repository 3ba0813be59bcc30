#include "platform/HelpBook.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

class TestHelpBook : public QObject
{
    Q_OBJECT
private slots:
    void readsPagesIndexAndContexts();
    void indexDefaultsToTheFirstPage();
    void rejectsBrokenFiles_data();
    void rejectsBrokenFiles();
    void readsFromDisk();
    void shippedHelpFiles_data();
    void shippedHelpFiles();
};

void TestHelpBook::readsPagesIndexAndContexts()
{
    const QByteArray file = "\xEF\xBB\xBFZANDOLIN HELP 1\r\n"
                            "# a comment\r\n"
                            "@@title Aide\r\n"
                            "\r\n"
                            "@@index b.html\r\n"
                            "@@context 1009 a.html#part\r\n"
                            "@@future-word ignored\r\n"
                            "@@page a.html First page\r\n"
                            "<h1>A \xC3\xA9</h1>\r\n"
                            "@@@@page not a directive\r\n"
                            "@@page b.html\r\n"
                            "<p>B</p>\n";
    const Result<HelpBook> r = HelpBook::parse(file);
    QVERIFY2(r.ok, qPrintable(r.message));
    const HelpBook &b = r.value;
    QCOMPARE(b.title(), QStringLiteral("Aide"));
    QCOMPARE(b.pageNames(), (QStringList{QStringLiteral("a.html"), QStringLiteral("b.html")}));
    QCOMPARE(b.indexPage(), QStringLiteral("b.html"));
    QCOMPARE(b.contextPage(1009), QStringLiteral("a.html#part"));
    QVERIFY(b.contextPage(1).isEmpty());
    QCOMPARE(b.pageTitle(QStringLiteral("a.html")), QStringLiteral("First page"));
    QCOMPARE(b.pageTitle(QStringLiteral("b.html")), QStringLiteral("b.html"));
    QCOMPARE(b.page(QStringLiteral("a.html")), QStringLiteral("<h1>A \u00e9</h1>\n@@@page not a directive\n"));
    QCOMPARE(b.page(QStringLiteral("b.html")), QStringLiteral("<p>B</p>\n"));
}

void TestHelpBook::indexDefaultsToTheFirstPage()
{
    for (const QByteArray &header : {QByteArray(), QByteArray("@@index nowhere.html\n")}) {
        const Result<HelpBook> r = HelpBook::parse("ZANDOLIN HELP 1\n" + header + "@@page one.html\nx\n@@page two.html\ny\n");
        QVERIFY(r.ok);
        QCOMPARE(r.value.indexPage(), QStringLiteral("one.html"));
    }
}

void TestHelpBook::rejectsBrokenFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("another format") << QByteArray("ITSF\x03\x00\x00\x00", 8);
    QTest::newRow("later version") << QByteArray("ZANDOLIN HELP 2\n@@page a.html\nx\n");
    QTest::newRow("no page") << QByteArray("ZANDOLIN HELP 1\n@@title T\n");
    QTest::newRow("text before the first page") << QByteArray("ZANDOLIN HELP 1\n<p>stray</p>\n@@page a.html\n");
    QTest::newRow("page twice") << QByteArray("ZANDOLIN HELP 1\n@@page a.html\nx\n@@page a.html\ny\n");
    QTest::newRow("page without name") << QByteArray("ZANDOLIN HELP 1\n@@page\nx\n");
    QTest::newRow("context without number") << QByteArray("ZANDOLIN HELP 1\n@@context x a.html\n@@page a.html\n");
    QTest::newRow("not UTF-8") << QByteArray("ZANDOLIN HELP 1\n@@page a.html\n\xE9t\xE9\n");
    QTest::newRow("too large") << (QByteArray("ZANDOLIN HELP 1\n@@page a.html\n")
                                   + QByteArray(int(HelpBook::MaxFileSize), 'x'));
}

void TestHelpBook::rejectsBrokenFiles()
{
    QFETCH(QByteArray, content);
    QVERIFY(!HelpBook::parse(content).ok);
}

void TestHelpBook::readsFromDisk()
{
    QTemporaryDir dir;
    QVERIFY(!HelpBook::read(dir.filePath(QStringLiteral("missing.chm"))).ok);
    QFile f(dir.filePath(QStringLiteral("h.chm")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("ZANDOLIN HELP 1\n@@page a.html\nx\n");
    f.close();
    QVERIFY(HelpBook::read(f.fileName()).ok);
}

void TestHelpBook::shippedHelpFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("English") << QStringLiteral(ZANDOLIN_DATA_DIR "/help/zandolinEnglish.chm");
    QTest::newRow("French") << QStringLiteral(ZANDOLIN_DATA_DIR "/help/zandolinFrench.chm");
}

// Both help files open at their index and at context 1009, and no link of
// theirs leads to a page they do not have.
void TestHelpBook::shippedHelpFiles()
{
    QFETCH(QString, file);
    const Result<HelpBook> r = HelpBook::read(file);
    QVERIFY2(r.ok, qPrintable(r.message));
    const HelpBook &b = r.value;
    QCOMPARE(b.indexPage(), QStringLiteral("index.html"));
    QVERIFY(b.contains(b.contextPage(1009)));
    const QRegularExpression href(QStringLiteral("href=\"([^\"#]*)(#[^\"]*)?\""));
    for (const QString &name : b.pageNames()) {
        QVERIFY2(!b.pageTitle(name).isEmpty(), qPrintable(name));
        auto it = href.globalMatch(b.page(name));
        while (it.hasNext()) {
            const QString target = it.next().captured(1);
            if (target.startsWith(QLatin1String("http")) || target.isEmpty())
                continue;
            QVERIFY2(b.contains(target), qPrintable(name + " -> " + target));
        }
    }
}

QTEST_GUILESS_MAIN(TestHelpBook)
#include "tst_helpbook.moc"
