#include "core/AppPaths.h"
#include "settings/IniFile.h"
#include "settings/LanguageFiles.h"
#include "settings/LanguageKeys.h"
#include "settings/Texts.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString shipped(const QString &name)
{
    return QStringLiteral(ZANDOLIN_DATA_DIR "/languages/") + name;
}

QString id(const QString &section, const QString &key)
{
    return QStringLiteral("[%1] %2").arg(section, key);
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT
private slots:
    void keyTableHasNoDuplicates();
    void shippedFilesHoldExactlyTheProgramsKeys_data();
    void shippedFilesHoldExactlyTheProgramsKeys();
    void englishFileHoldsTheBuiltInTexts();
    void frenchFileIsCodePageTextWithCrLf();
    void textsAreEmptyUntilAFileIsRead();
    void fileWithOneKeyGivesDefaultsForTheRest();
    void valuesAreReadAsTheIniLayerReadsThem_data();
    void valuesAreReadAsTheIniLayerReadsThem();
    void arraysAreIndexedFromOne();
    void languageListAndLookup();
    void helpLanguageAndFile_data();
    void helpLanguageAndFile();
};

void TestLanguage::keyTableHasNoDuplicates()
{
    QSet<QString> seen;
    for (const LanguageKey &k : LanguageKeys::all()) {
        const QString name = id(QLatin1String(k.section), QLatin1String(k.key)).toLower();
        QVERIFY2(!seen.contains(name), qPrintable(name));
        seen.insert(name);
        QVERIFY(LanguageKeys::find(QString::fromLatin1(k.section).toUpper(), QString::fromLatin1(k.key).toLower())
                == &k);
    }
    QVERIFY(!LanguageKeys::find(u"Main Window", u"FZandolin.NoSuchKey"));
}

void TestLanguage::shippedFilesHoldExactlyTheProgramsKeys_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("English") << shipped(QStringLiteral("English.lang"));
    QTest::newRow("French") << shipped(QStringLiteral("French.lang"));
}

void TestLanguage::shippedFilesHoldExactlyTheProgramsKeys()
{
    QFETCH(QString, file);
    QVERIFY(QFileInfo(file).isFile());
    const IniFile ini(file);

    QSet<QString> expected, found;
    for (const LanguageKey &k : LanguageKeys::all())
        expected.insert(id(QLatin1String(k.section), QLatin1String(k.key)).toLower());
    const QStringList sections = ini.sections();
    for (const QString &s : sections) {
        QCOMPARE(sections.count(s), 1); // a repeated section would hide keys
        for (const QString &k : ini.keys(s)) {
            const QString name = id(s, k).toLower();
            QVERIFY2(!found.contains(name), qPrintable("repeated: " + name));
            found.insert(name);
        }
    }
    const QSet<QString> missing = expected - found;
    const QSet<QString> unknown = found - expected;
    QVERIFY2(missing.isEmpty(), qPrintable("missing: " + QStringList(missing.values()).join(", ")));
    QVERIFY2(unknown.isEmpty(), qPrintable("not read by the program: " + QStringList(unknown.values()).join(", ")));
}

void TestLanguage::englishFileHoldsTheBuiltInTexts()
{
    const IniFile ini(shipped(QStringLiteral("English.lang")));
    for (const LanguageKey &k : LanguageKeys::all())
        QCOMPARE(ini.readString(QLatin1String(k.section), QLatin1String(k.key), QStringLiteral("<missing>")),
                 QString::fromLatin1(k.def));
}

void TestLanguage::frenchFileIsCodePageTextWithCrLf()
{
    QFile f(shipped(QStringLiteral("French.lang")));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));
    // Accented letters in the code page are not valid UTF-8.
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8.decode(bytes);
    Q_UNUSED(decoded);
    QVERIFY(utf8.hasError());
    QVERIFY(bytes.contains("Pr\xE9nom"));
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n')
            QVERIFY2(i > 0 && bytes[i - 1] == '\r', qPrintable(QStringLiteral("bare LF at %1").arg(i)));
        if (bytes[i] == '\r')
            QVERIFY2(i + 1 < bytes.size() && bytes[i + 1] == '\n', qPrintable(QStringLiteral("bare CR at %1").arg(i)));
    }

    Texts t;
    t.read(IniFile(f.fileName()));
    QCOMPARE(t.text(u"Main Window", u"FZandolinTSGeneral"), QStringLiteral("G\u00e9n\u00e9ral"));
    QCOMPARE(t.ContactText, QStringLiteral("Contacts : "));
    // Field captions identify fields in exports, so they must differ.
    QSet<QString> captions(t.Fields.begin(), t.Fields.end());
    QCOMPARE(captions.size(), int(t.Fields.size()));
}

void TestLanguage::textsAreEmptyUntilAFileIsRead()
{
    const Texts t;
    QVERIFY(!t.loaded);
    QVERIFY(t.ContactText.isEmpty());
    QVERIFY(t.Crypted.isEmpty());
    QVERIFY(t.field(1).isEmpty());
    QVERIFY(t.text(u"Main Window", u"FZandolin.ActionFile").isEmpty());
}

void TestLanguage::fileWithOneKeyGivesDefaultsForTheRest()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Only.lang"));
    writeBytes(path, "[StatusBar]\r\nCrypted=Verschl\xFCsselt\r\n");
    Texts t;
    t.read(IniFile(path));
    QVERIFY(t.loaded);
    QCOMPARE(t.Crypted, QStringLiteral("Verschl\u00fcsselt"));
    for (const LanguageKey &k : LanguageKeys::all()) {
        if (qstrcmp(k.key, "Crypted") == 0)
            continue;
        QCOMPARE(t.text(QLatin1String(k.section), QLatin1String(k.key)), QString::fromLatin1(k.def));
    }
    QCOMPARE(t.ContactText, QStringLiteral("Contact"));
    QCOMPARE(t.DeleteString, QStringLiteral("Are you sure you want to delete "));
    QCOMPARE(t.field(49), QStringLiteral("Address"));
}

void TestLanguage::valuesAreReadAsTheIniLayerReadsThem_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");
    QTest::newRow("names in any case") << QByteArray("[STATUSBAR]\r\ncontacttext=Fiches: \r\n")
                                       << QStringLiteral("Fiches:");
    QTest::newRow("quotes keep a trailing blank") << QByteArray("[StatusBar]\r\nContactText=\"Fiches : \"\r\n")
                                                  << QStringLiteral("Fiches : ");
    QTest::newRow("code page") << QByteArray("[StatusBar]\nContactText=\xC9l\xE9ments \x80\n")
                               << QStringLiteral("\u00c9l\u00e9ments \u20ac");
    QTest::newRow("UTF-8 with byte order mark")
        << QByteArray("\xEF\xBB\xBF[StatusBar]\r\nContactText=\xC3\x89l\xC3\xA9ments \xE2\x82\xAC\r\n")
        << QStringLiteral("\u00c9l\u00e9ments \u20ac");
    QTest::newRow("2047 characters at most")
        << (QByteArray("[StatusBar]\r\nContactText=") + QByteArray(3000, 'x') + "\r\n") << QString(2047, u'x');
    QTest::newRow("empty value stays empty") << QByteArray("[StatusBar]\r\nContactText=\r\n") << QString();
}

void TestLanguage::valuesAreReadAsTheIniLayerReadsThem()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("X.lang"));
    writeBytes(path, content);
    Texts t;
    t.read(IniFile(path));
    QCOMPARE(t.ContactText, expected);
    QCOMPARE(t.text(u"statusbar", u"CONTACTTEXT"), expected);
}

void TestLanguage::arraysAreIndexedFromOne()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("X.lang"));
    writeBytes(path, "[History]\r\nDate1=first\r\nDate14=last\r\n[Message]\r\n8=eight\r\n[Fields]\r\nField48=born\r\n");
    Texts t;
    t.read(IniFile(path));
    QCOMPARE(t.historyDate(1), QStringLiteral("first"));
    QCOMPARE(t.historyDate(14), QStringLiteral("last"));
    QCOMPARE(t.historyDate(7), QStringLiteral("Monday"));
    QCOMPARE(t.message(8), QStringLiteral("eight"));
    QCOMPARE(t.message(1), QStringLiteral("File error"));
    QCOMPARE(t.field(48), QStringLiteral("born"));
    QCOMPARE(t.field(1), QStringLiteral("First name"));
    QVERIFY(t.historyDate(0).isEmpty() && t.historyDate(15).isEmpty() && t.field(50).isEmpty());
}

void TestLanguage::languageListAndLookup()
{
    QTemporaryDir dir;
    const AppPaths paths(dir.path(), QStringLiteral("zandolin"));
    QVERIFY(LanguageFiles::list(paths).isEmpty()); // no folder at all
    QDir().mkpath(paths.languagesDir());
    QVERIFY(LanguageFiles::list(paths).isEmpty());

    for (const char *name : {"French.lang", "English.lang", "German.lang", "notes.txt", "Old.lang.bak", "Upper.LANG"})
        writeBytes(paths.languagesDir() + QLatin1Char('/') + QLatin1String(name), "[StatusBar]\r\n");
    QDir().mkpath(paths.languagesDir() + QStringLiteral("/Folder.lang"));
    QCOMPARE(LanguageFiles::list(paths),
             (QStringList{QStringLiteral("English"), QStringLiteral("French"), QStringLiteral("German"),
                          QStringLiteral("Upper")}));

    QCOMPARE(LanguageFiles::find(paths, QStringLiteral("German")), paths.languageFile(QStringLiteral("German")));
    // Names match in any case, as on the system the files come from.
    QCOMPARE(LanguageFiles::find(paths, QStringLiteral("german")), paths.languageFile(QStringLiteral("German")));
    QCOMPARE(LanguageFiles::find(paths, QStringLiteral("Upper")),
             paths.languagesDir() + QStringLiteral("/Upper.LANG"));
    QVERIFY(LanguageFiles::find(paths, QStringLiteral("Klingon")).isEmpty());
    QVERIFY(LanguageFiles::find(paths, QStringLiteral("Folder")).isEmpty());
    QVERIFY(LanguageFiles::find(paths, QString()).isEmpty());
    writeBytes(dir.filePath(QStringLiteral("Outside.lang")), "[StatusBar]\r\n");
    QVERIFY(LanguageFiles::find(paths, QStringLiteral("../Outside")).isEmpty());
}

void TestLanguage::helpLanguageAndFile_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("help");
    QTest::newRow("French") << "French" << "French";
    QTest::newRow("English") << "English" << "English";
    QTest::newRow("German") << "German" << "English";
    QTest::newRow("other case") << "french" << "English";
    QTest::newRow("empty") << "" << "English";
}

void TestLanguage::helpLanguageAndFile()
{
    QFETCH(QString, language);
    QFETCH(QString, help);
    QCOMPARE(LanguageFiles::helpLanguage(language), help);
    QTemporaryDir dir;
    const AppPaths paths(dir.path() + QStringLiteral("/sub/.."), QStringLiteral("zandolin"));
    QCOMPARE(LanguageFiles::helpFile(paths, help), QDir(dir.path()).absoluteFilePath("help/zandolin" + help + ".chm"));
}

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
