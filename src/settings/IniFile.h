#pragma once

#include "core/Result.h"

#include <QString>
#include <QStringList>

// A private-profile INI file: "[Section]" lines and "Key=Value" lines.
// Section and key names match in any letter case; a missing file, section or
// key gives the caller's default; values are read up to 2047 characters.
//
// The file is read once when the object is made; every write puts the whole
// file back at once, so keys written before a failed write stay written.
// Lines the layer does not understand (comments, blank lines) are kept.
class IniFile
{
public:
    static constexpr int MaxValueLength = 2047;

    explicit IniFile(QString path);
    // A file's content without a file behind it (writes then fail).
    static IniFile fromContent(const QByteArray &content);

    const QString &path() const { return m_path; }

    QString readString(const QString &section, const QString &key, const QString &def = {}) const;
    int readInteger(const QString &section, const QString &key, int def) const;
    bool readBool(const QString &section, const QString &key, bool def) const;
    double readFloat(const QString &section, const QString &key, double def) const;
    bool hasKey(const QString &section, const QString &key) const;
    bool hasSection(const QString &section) const;
    QStringList sections() const;
    QStringList keys(const QString &section) const;

    // Each write stores the file; failure gives "Unable to write to <path>".
    Status writeString(const QString &section, const QString &key, const QString &value);
    Status writeInteger(const QString &section, const QString &key, int value);
    Status writeBool(const QString &section, const QString &key, bool value);
    Status writeFloat(const QString &section, const QString &key, double value);
    Status deleteKey(const QString &section, const QString &key);

    // Value conversions shared with the language files.
    static int toInteger(const QString &text, int def);
    static double toFloat(const QString &text, double def);
    static QString fromFloat(double value);

private:
    struct Line
    {
        QString text;     // the line as it stands in the file
        QString section;  // for a section header: its name
        QString key;      // for a key line: its name (trimmed)
        QString value;    // for a key line: its value (trimmed)
        bool isSection = false;
    };

    void load();
    void parse(const QByteArray &content);
    int findSection(const QString &section) const;
    int findKey(int sectionLine, const QString &key) const;
    Status store();

    QString m_path;
    std::vector<Line> m_lines;
    bool m_utf8 = false;
};
