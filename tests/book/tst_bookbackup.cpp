#include "book/BookBackup.h"
#include "book/BookFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

TEnreg named(QByteArrayView name)
{
    TEnreg r;
    r.setText(TEnreg::Name, name);
    return r;
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestBookBackup : public QObject
{
    Q_OBJECT
private slots:
    void backupName_data()
    {
        QTest::addColumn<QString>("book");
        QTest::addColumn<QString>("backup");
        QTest::newRow("book extension") << "/b/family.zdl" << "/b/family.bak";
        QTest::newRow("last extension only") << "/b/a.b.zdl" << "/b/a.b.bak";
        QTest::newRow("no extension") << "/b/family" << "/b/family.bak";
        QTest::newRow("dot in the folder only") << "/b/dir.d/family" << "/b/dir.d/family.bak";
        QTest::newRow("name that is all extension") << "/b/.zdl" << "/b/.bak";
        QTest::newRow("relative") << "family.zdl" << "family.bak";
    }
    void backupName()
    {
        QFETCH(QString, book);
        QFETCH(QString, backup);
        QCOMPARE(BookBackup::backupName(book), backup);
    }

    // A book reached through a symbolic link: the backup holds the old book
    // itself, not a link that would now lead to the new one.
    void backupThroughSymbolicLink()
    {
        QTemporaryDir dir;
        const QString real = dir.filePath("real.zdl"), link = dir.filePath("link.zdl");
        QVERIFY(BookFile::save(real, {named("old")}, 0));
        const QByteArray old = fileBytes(real);
        QVERIFY(QFile::link(real, link));
        QVERIFY(BookBackup::saveWithBackup(link, {named("new")}, 0));
        QCOMPARE(fileBytes(dir.filePath("link.bak")), old);
        QVERIFY(!QFileInfo(dir.filePath("link.bak")).isSymLink());
        QCOMPARE(BookFile::read(link).value.records.at(0).text(TEnreg::Name), "new");
    }

    // Saving over the backup's own name makes no backup of itself.
    void bookNamedLikeItsBackup()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("family.bak");
        QVERIFY(BookFile::save(path, {named("old")}, 0));
        QVERIFY(BookBackup::saveWithBackup(path, {named("new")}, 0));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"family.bak"});
        QCOMPARE(BookFile::read(path).value.records.at(0).text(TEnreg::Name), "new");
    }
};

QTEST_GUILESS_MAIN(TestBookBackup)
#include "tst_bookbackup.moc"
