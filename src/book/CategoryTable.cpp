#include "book/CategoryTable.h"

#include "core/Codec.h"
#include "core/FileErrors.h"
#include "core/WholeFile.h"
#include "settings/IniFile.h"

#include <QFile>

#include <array>
#include <cerrno>

namespace {
constexpr std::array<const char *, CategoryTable::BuiltInCount> kBuiltIn = {
    "None", "Personal", "Family", "Web", "International", "Emergency", "Buisness", "Companies",
};

// Position p >= 1 lives in the section numbered p+1; the reserved position
// is written to section 0 and read (unused) from section 1.
QString sectionFor(int position)
{
    return QStringLiteral("Category %1").arg(position + 1);
}
const QString kZeroSection = QStringLiteral("Category 0");
} // namespace

const char *CategoryTable::builtInName(int position)
{
    return position >= 0 && position < BuiltInCount ? kBuiltIn[size_t(position)] : "";
}

CategoryTable CategoryTable::builtIn()
{
    CategoryTable t;
    for (int p = 0; p < BuiltInCount; ++p)
        t.append({QString::fromLatin1(kBuiltIn[size_t(p)]), p});
    return t;
}

CategoryTable CategoryTable::readFile(const QString &path)
{
    const IniFile ini(path);
    // The writer spells the section "NumberOfCategories"; names match in any case.
    const int n = qBound(1, ini.readInteger(QStringLiteral("NumberofCategories"), QStringLiteral("Number"), 8),
                         MaxCount);
    CategoryTable t;
    t.m_entries.reserve(size_t(n));
    t.append({QString(), 0});
    for (int p = 1; p < n; ++p) {
        const QString sec = sectionFor(p);
        t.append({ini.readString(sec, QStringLiteral("Name"), QStringLiteral("Category %1").arg(p)),
                  ini.readInteger(sec, QStringLiteral("IconIndex"), p)});
    }
    return t;
}

Status CategoryTable::writeFile(const QString &path, const QString &allText) const
{
    // The whole table replaces the old file in one write, so sections of
    // removed positions do not survive and a failed write leaves the old
    // file as it was.
    QString text;
    const auto line = [&text](const QString &l) { text += l + QLatin1String("\r\n"); };
    const auto section = [&](int p, const QString &name, int icon) {
        line(QLatin1Char('[') + (p == 0 ? kZeroSection : sectionFor(p)) + QLatin1Char(']'));
        line(QStringLiteral("Name=") + name);
        line(QStringLiteral("IconIndex=") + QString::number(icon));
    };
    line(QStringLiteral("[NumberOfCategories]"));
    line(QStringLiteral("Number=") + QString::number(count()));
    section(0, allText, 0);
    for (int p = 1; p < count(); ++p)
        section(p, at(p).name, at(p).iconIndex);
    // Like the settings file: the code page, or UTF-8 with a byte order mark
    // when a name holds a character the code page lacks.
    const QByteArray bytes =
        Codec::canEncode(text) ? Codec::encode(text) : QByteArray("\xEF\xBB\xBF") + text.toUtf8();

    return WholeFile::save(path, bytes);
}
