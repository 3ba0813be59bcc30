#include "core/AppPaths.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
void writeFile(const QString &path, const QByteArray &content)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}
QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class TestSettings : public QObject
{
    Q_OBJECT
private slots:
    void namesMatchInAnyCase();
    void integers_data();
    void integers();
    void floats_data();
    void floats();
    void longValuesAreCut();
    void writesReplaceInPlace();
    void deleteKey();
    void refusedWrite();
    void codePageAndUtf8();
    void defaultsWithoutFile();
    void settingsFromFile();
    void recentList();
    void shortcutCodes();
};

void TestSettings::namesMatchInAnyCase()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("z.ini"));
    writeFile(path, "[PREFERENCES]\r\nAUTOLOAD=1\r\nLoadFile = C:\\books\\a.zdl \r\n");
    const IniFile ini(path);
    QCOMPARE(ini.readBool(QStringLiteral("Preferences"), QStringLiteral("AutoLoad"), false), true);
    QCOMPARE(ini.readString(QStringLiteral("preferences"), QStringLiteral("loadfile")),
             QStringLiteral("C:\\books\\a.zdl"));
    QCOMPARE(ini.readString(QStringLiteral("Missing"), QStringLiteral("x"), QStringLiteral("dflt")),
             QStringLiteral("dflt"));
}

void TestSettings::integers_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("expected");
    QTest::newRow("decimal") << QByteArray("42") << 42;
    QTest::newRow("negative") << QByteArray("-7") << -7;
    QTest::newRow("hex") << QByteArray("0x404E") << 16462;
    QTest::newRow("hex upper") << QByteArray("0X1f") << 31;
    QTest::newRow("bare 0x") << QByteArray("0x") << 99;
    QTest::newRow("text") << QByteArray("abc") << 99;
    QTest::newRow("empty") << QByteArray("") << 99;
    QTest::newRow("trailing junk") << QByteArray("12abc") << 99;
}

void TestSettings::integers()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("z.ini"));
    writeFile(path, "[S]\r\nK=" + stored + "\r\n");
    QCOMPARE(IniFile(path).readInteger(QStringLiteral("S"), QStringLiteral("K"), 99), expected);
}

void TestSettings::floats_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<double>("expected");
    QTest::newRow("whole") << QByteArray("2") << 2.0;
    QTest::newRow("point") << QByteArray("2.5") << 2.5;
    QTest::newRow("decimal comma gives the default") << QByteArray("2,5") << 3.0;
    QTest::newRow("empty gives the default") << QByteArray("") << 3.0;
}

void TestSettings::floats()
{
    QFETCH(QByteArray, stored);
    QFETCH(double, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("z.ini"));
    writeFile(path, "[History]\r\nStorage=" + stored + "\r\n");
    QCOMPARE(IniFile(path).readFloat(QStringLiteral("History"), QStringLiteral("Storage"), 3.0), expected);
    // Written in shortest form.
    IniFile ini(path);
    QVERIFY(ini.writeFloat(QStringLiteral("History"), QStringLiteral("Storage"), 3.0));
    QVERIFY(readFile(path).contains("Storage=3\r\n"));
    QVERIFY(ini.writeFloat(QStringLiteral("History"), QStringLiteral("Storage"), 0.1));
    QVERIFY(readFile(path).contains("Storage=0.1\r\n"));
}

void TestSettings::longValuesAreCut()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("z.ini"));
    const QByteArray exact(2047, 'a');
    writeFile(path, "[S]\r\nExact=" + exact + "\r\nLong=" + exact + "bcd\r\n");
    const IniFile ini(path);
    QCOMPARE(ini.readString(QStringLiteral("S"), QStringLiteral("Exact")).size(), 2047);
    QCOMPARE(ini.readString(QStringLiteral("S"), QStringLiteral("Long")), QString::fromLatin1(exact));
}

void TestSettings::writesReplaceInPlace()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("z.ini"));
    writeFile(path, "; kept comment\r\n[Size]\r\nFormX=800\r\nFormY=640\r\n\r\n[Other]\r\nA=1\r\n");
    IniFile ini(path);
    QVERIFY(ini.writeInteger(QStringLiteral("SIZE"), QStringLiteral("formx"), 1024));
    QVERIFY(ini.writeInteger(QStringLiteral("Size"), QStringLiteral("Max"), 1));
    QVERIFY(ini.writeString(QStringLiteral("New"), QStringLiteral("Key"), QStringLiteral("v")));
    QCOMPARE(readFile(path), QByteArray("; kept comment\r\n[Size]\r\nFormX=1024\r\nFormY=640\r\nMax=1\r\n\r\n"
                                        "[Other]\r\nA=1\r\n\r\n[New]\r\nKey=v\r\n"));
    // A fresh reader sees what was written.
    QCOMPARE(IniFile(path).readInteger(QStringLiteral("size"), QStringLiteral("FORMX"), 0), 1024);
}

void TestSettings::deleteKey()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("z.ini"));
    writeFile(path, "[MRUList]\r\nMRU1=a\r\nMRU2=b\r\n");
    IniFile ini(path);
    QVERIFY(ini.deleteKey(QStringLiteral("mrulist"), QStringLiteral("mru1")));
    QVERIFY(ini.deleteKey(QStringLiteral("MRUList"), QStringLiteral("absent")));
    QCOMPARE(readFile(path), QByteArray("[MRUList]\r\nMRU2=b\r\n"));
}

void TestSettings::refusedWrite()
{
    // A folder that is really a file cannot hold the settings file, even for root.
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("notadir")), "x");
    const QString path = dir.filePath(QStringLiteral("notadir/z.ini"));
    IniFile ini(path);
    const Status s = ini.writeInteger(QStringLiteral("Size"), QStringLiteral("FormX"), 1);
    QVERIFY(!s.ok);
    QCOMPARE(s.message, QStringLiteral("Unable to write to %1").arg(path));
}

void TestSettings::codePageAndUtf8()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("z.ini"));
    writeFile(path, "[P]\r\nLoadFile=/home/\xE9lodie/carnet.zdl\r\n");
    IniFile ini(path);
    QCOMPARE(ini.readString(QStringLiteral("P"), QStringLiteral("LoadFile")),
             QStringLiteral("/home/\u00E9lodie/carnet.zdl"));
    // A value the code page can hold keeps the file in the code page.
    QVERIFY(ini.writeString(QStringLiteral("P"), QStringLiteral("A"), QStringLiteral("\u20AC")));
    QVERIFY(readFile(path).contains("A=\x80\r\n"));
    // One it cannot hold turns the file into UTF-8 rather than lose it.
    QVERIFY(ini.writeString(QStringLiteral("P"), QStringLiteral("B"), QStringLiteral("\u0416")));
    QVERIFY(readFile(path).startsWith("\xEF\xBB\xBF"));
    const IniFile again(path);
    QCOMPARE(again.readString(QStringLiteral("P"), QStringLiteral("B")), QStringLiteral("\u0416"));
    QCOMPARE(again.readString(QStringLiteral("P"), QStringLiteral("LoadFile")),
             QStringLiteral("/home/\u00E9lodie/carnet.zdl"));
}

void TestSettings::defaultsWithoutFile()
{
    QTemporaryDir dir;
    const AppPaths paths(dir.path(), QStringLiteral("zandolin"));
    Settings s;
    s.read(IniFile(paths.settingsFile()), paths);
    QCOMPARE(s.Language, QStringLiteral("English"));
    QVERIFY(s.Group && s.ConfirmDelete && s.ConfirmUndo && !s.AutoLoad);
    QCOMPARE(s.FormX, 800);
    QCOMPARE(s.FormY, 640);
    QCOMPARE(s.MRUNumber, 4);
    QCOMPARE(s.Storage, 3.0);
    QCOMPARE(s.ShortcutNext, 16462);
    QCOMPARE(s.loadDir, paths.programDir());
    int shown = 0;
    for (bool b : s.Icones)
        shown += b;
    QCOMPARE(shown, 14);
    QVERIFY(s.Icones[0] && !s.Icones[4] && s.Icones[13] && !s.Icones[28]);
}

void TestSettings::settingsFromFile()
{
    QTemporaryDir dir;
    const AppPaths paths(dir.path(), QStringLiteral("zandolin"));
    writeFile(paths.settingsFile(), "[Preferences]\r\nFolderOptionLoad=0\r\nSameFolder=1\r\nIndex=0\r\n"
                                    "[Size]\r\nCol3=99\r\nFormX=5000\r\n[Icones]\r\nImport=1\r\nNew=0\r\n");
    Settings s;
    s.read(IniFile(paths.settingsFile()), paths);
    QCOMPARE(s.loadDir, paths.filesDir());
    QCOMPARE(s.exportDir, paths.filesDir());
    QCOMPARE(s.importDir, paths.filesDir());
    QCOMPARE(s.Col3, 60); // not read while the third column is hidden
    QCOMPARE(s.FormX, 5000); // the window clamps it to the screen
    QVERIFY(s.Icones[4] && !s.Icones[0]);
}

void TestSettings::recentList()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("z.ini"));
    writeFile(path, "[MRUList]\r\nMRU1=/b/one.zdl\r\nMRU2=\r\nMRU3=/b/three.zdl\r\nMRU9=/keep\r\n");
    IniFile ini(path);
    RecentList list(4);
    list.load(ini, QStringLiteral("MRUList"));
    QCOMPARE(list.items(), QStringList({QStringLiteral("/b/one.zdl"), QStringLiteral("/b/three.zdl")}));
    list.add(QStringLiteral("/b/THREE.zdl")); // same file in another case: moves up, takes the new text
    list.add(QStringLiteral("/b/four.zdl"));
    list.add(QStringLiteral("/b/five.zdl"));
    list.add(QStringLiteral("/b/six.zdl"));
    QCOMPARE(list.items(), QStringList({QStringLiteral("/b/six.zdl"), QStringLiteral("/b/five.zdl"),
                                        QStringLiteral("/b/four.zdl"), QStringLiteral("/b/THREE.zdl")}));
    QVERIFY(list.store(ini, QStringLiteral("MRUList")));
    const IniFile back(path);
    QCOMPARE(back.readString(QStringLiteral("MRUList"), QStringLiteral("MRU4")), QStringLiteral("/b/THREE.zdl"));
    QCOMPARE(back.readString(QStringLiteral("MRUList"), QStringLiteral("MRU9")), QStringLiteral("/keep"));

    // Two entries in a list of four: keys 3 and 4 are deleted.
    RecentList shorter(4);
    shorter.add(QStringLiteral("/b/a.zdl"));
    QVERIFY(shorter.store(ini, QStringLiteral("MRUList")));
    QVERIFY(!IniFile(path).hasKey(QStringLiteral("MRUList"), QStringLiteral("MRU2")));

    // A list of length 0 neither reads nor writes anything.
    RecentList none(0);
    none.load(ini, QStringLiteral("MRUList"));
    none.add(QStringLiteral("/b/x.zdl"));
    QVERIFY(none.items().isEmpty());
    const QByteArray before = readFile(path);
    QVERIFY(none.store(ini, QStringLiteral("MRUList")));
    QCOMPARE(readFile(path), before);
}

void TestSettings::shortcutCodes()
{
    QCOMPARE(qtKeyFromShortcutCode(16464), (Qt::CTRL | Qt::Key_P).toCombined());
    QCOMPARE(qtKeyFromShortcutCode(16462), (Qt::CTRL | Qt::Key_N).toCombined());
    QCOMPARE(qtKeyFromShortcutCode(0x2000 | 0x72), (Qt::SHIFT | Qt::Key_F3).toCombined());
    for (int code : {16464, 16462, 0x8000 | 'A', 0x2000 | 0x4000 | 0x28})
        QCOMPARE(shortcutCodeFromQtKey(qtKeyFromShortcutCode(code)), code);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
