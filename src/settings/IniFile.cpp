#include "settings/IniFile.h"

#include "core/Codec.h"

#include <QFile>
#include <QLocale>
#include <QSaveFile>

IniFile::IniFile(QString path) : m_path(std::move(path))
{
    load();
}

IniFile IniFile::fromContent(const QByteArray &content)
{
    IniFile ini{QString()};
    ini.parse(content);
    return ini;
}

void IniFile::load()
{
    if (m_path.isEmpty())
        return;
    QFile f(m_path);
    if (!f.open(QIODevice::ReadOnly))
        return;
    parse(f.readAll());
}

void IniFile::parse(const QByteArray &content)
{
    m_lines.clear();
    const QString text = Codec::decodeTextFile(content, &m_utf8);
    const auto rawLines = text.split(QLatin1Char('\n'));
    m_lines.reserve(size_t(rawLines.size()));
    for (QString raw : rawLines) {
        if (raw.endsWith(QLatin1Char('\r')))
            raw.chop(1);
        Line line{raw, {}, {}, {}, false};
        const QString t = raw.trimmed();
        if (t.startsWith(QLatin1Char('['))) {
            const int close = int(t.indexOf(QLatin1Char(']')));
            line.section = (close < 0 ? t.mid(1) : t.mid(1, close - 1)).trimmed();
            line.isSection = true;
        } else if (!t.startsWith(QLatin1Char(';'))) {
            const int eq = int(t.indexOf(QLatin1Char('=')));
            if (eq > 0) {
                line.key = t.left(eq).trimmed();
                line.value = t.mid(eq + 1).trimmed();
                // A value in matching quotes is read without them.
                if (line.value.size() >= 2
                    && ((line.value.startsWith(QLatin1Char('"')) && line.value.endsWith(QLatin1Char('"')))
                        || (line.value.startsWith(QLatin1Char('\'')) && line.value.endsWith(QLatin1Char('\'')))))
                    line.value = line.value.mid(1, line.value.size() - 2);
            }
        }
        m_lines.push_back(std::move(line));
    }
    // split() leaves one empty line after a final newline.
    if (!m_lines.empty() && m_lines.back().text.isEmpty())
        m_lines.pop_back();
}

int IniFile::findSection(const QString &section) const
{
    for (size_t i = 0; i < m_lines.size(); ++i)
        if (m_lines[i].isSection && m_lines[i].section.compare(section, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

int IniFile::findKey(int sectionLine, const QString &key) const
{
    for (size_t i = size_t(sectionLine) + 1; i < m_lines.size(); ++i) {
        if (m_lines[i].isSection)
            break;
        if (!m_lines[i].key.isEmpty() && m_lines[i].key.compare(key, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

bool IniFile::hasSection(const QString &section) const { return findSection(section) >= 0; }

bool IniFile::hasKey(const QString &section, const QString &key) const
{
    const int s = findSection(section);
    return s >= 0 && findKey(s, key) >= 0;
}

QStringList IniFile::sections() const
{
    QStringList out;
    for (const Line &l : m_lines)
        if (l.isSection)
            out << l.section;
    return out;
}

QStringList IniFile::keys(const QString &section) const
{
    QStringList out;
    const int s = findSection(section);
    if (s < 0)
        return out;
    for (size_t i = size_t(s) + 1; i < m_lines.size() && !m_lines[i].isSection; ++i)
        if (!m_lines[i].key.isEmpty())
            out << m_lines[i].key;
    return out;
}

QString IniFile::readString(const QString &section, const QString &key, const QString &def) const
{
    const int s = findSection(section);
    const int k = s < 0 ? -1 : findKey(s, key);
    if (k < 0)
        return def;
    return m_lines[size_t(k)].value.left(MaxValueLength);
}

int IniFile::toInteger(const QString &text, int def)
{
    const QString t = text.trimmed();
    bool ok = false;
    int v = 0;
    if (t.size() > 2 && (t.startsWith(QLatin1String("0x")) || t.startsWith(QLatin1String("0X"))))
        v = int(t.mid(2).toUInt(&ok, 16));
    else
        v = t.toInt(&ok, 10);
    return ok ? v : def;
}

double IniFile::toFloat(const QString &text, double def)
{
    bool ok = false;
    const double v = QLocale::c().toDouble(text.trimmed(), &ok);
    return ok ? v : def;
}

QString IniFile::fromFloat(double value)
{
    return QLocale::c().toString(value, 'g', QLocale::FloatingPointShortest);
}

int IniFile::readInteger(const QString &section, const QString &key, int def) const
{
    if (!hasKey(section, key))
        return def;
    return toInteger(readString(section, key), def);
}

bool IniFile::readBool(const QString &section, const QString &key, bool def) const
{
    return readInteger(section, key, def ? 1 : 0) != 0;
}

double IniFile::readFloat(const QString &section, const QString &key, double def) const
{
    if (!hasKey(section, key))
        return def;
    return toFloat(readString(section, key), def);
}

Status IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    // A line break would split the value into a line of its own.
    QString v = value;
    v.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QString text = key + QLatin1Char('=') + v;
    int s = findSection(section);
    if (s < 0) {
        if (!m_lines.empty() && !m_lines.back().text.trimmed().isEmpty())
            m_lines.push_back(Line{});
        m_lines.push_back(Line{QLatin1Char('[') + section + QLatin1Char(']'), section, {}, {}, true});
        m_lines.push_back(Line{text, {}, key, v, false});
        return store();
    }
    const int k = findKey(s, key);
    if (k >= 0) {
        Line &l = m_lines[size_t(k)];
        l.text = l.key + QLatin1Char('=') + v; // keep the key's spelling in the file
        l.value = v;
        return store();
    }
    // After the section's last key, before any blank lines that close it.
    size_t at = size_t(s) + 1;
    for (size_t i = at; i < m_lines.size() && !m_lines[i].isSection; ++i)
        if (!m_lines[i].text.trimmed().isEmpty())
            at = i + 1;
    m_lines.insert(m_lines.begin() + qsizetype(at), Line{text, {}, key, v, false});
    return store();
}

Status IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    return writeString(section, key, QString::number(value));
}

Status IniFile::writeBool(const QString &section, const QString &key, bool value)
{
    return writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

Status IniFile::writeFloat(const QString &section, const QString &key, double value)
{
    return writeString(section, key, fromFloat(value));
}

Status IniFile::deleteKey(const QString &section, const QString &key)
{
    const int s = findSection(section);
    const int k = s < 0 ? -1 : findKey(s, key);
    if (k < 0)
        return Status::success();
    m_lines.erase(m_lines.begin() + k);
    return store();
}

Status IniFile::store()
{
    QString text;
    for (const Line &l : m_lines) {
        text += l.text;
        text += QLatin1String("\r\n");
    }
    QByteArray bytes;
    if (!m_utf8 && !Codec::canEncode(text))
        m_utf8 = true; // rather than lose characters the code page lacks
    bytes = m_utf8 ? QByteArray("\xEF\xBB\xBF") + text.toUtf8() : Codec::encode(text);

    QSaveFile f(m_path);
    // A settings file can be a link the user set up; write through it.
    f.setDirectWriteFallback(true);
    const auto fail = [this] {
        return Status::failure(QStringLiteral("Unable to write to %1").arg(m_path));
    };
    if (!f.open(QIODevice::WriteOnly))
        return fail();
    if (f.write(bytes) != bytes.size()) {
        f.cancelWriting();
        return fail();
    }
    if (!f.commit())
        return fail();
    return Status::success();
}
