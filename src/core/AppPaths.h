#pragma once

#include <QString>

// Every file the program keeps beside itself, computed from one folder: the
// executable's folder in a real run, a temporary folder in tests.
class AppPaths
{
public:
    AppPaths() = default;
    // `programDir` holds the program; `baseName` is the executable's name
    // without extension, which names the settings file.
    AppPaths(QString programDir, QString baseName);

    // The running executable's folder and name.
    static AppPaths forRunningProgram();

    QString programDir() const { return m_dir; }
    QString settingsFile() const;   // <dir>/<base>.ini
    QString languagesDir() const;   // <dir>/languages
    QString helpDir() const;        // <dir>/help
    QString templateDir() const;    // <dir>/Template
    QString filesDir() const;       // <dir>/Files
    QString categoryFile() const;   // <dir>/Files/zandolin.cat
    QString imageListFile() const;  // <dir>/Files/zandolin.til
    QString languageFile(const QString &language) const;

private:
    QString m_dir;
    QString m_base = QStringLiteral("zandolin");
};
