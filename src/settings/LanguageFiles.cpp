#include "settings/LanguageFiles.h"

#include "core/AppPaths.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

const QString kSuffix = QStringLiteral(".lang");

// The language files of the folder; the pattern matches in any letter case.
QFileInfoList languageFiles(const AppPaths &paths)
{
    QDir dir(paths.languagesDir());
    if (!dir.exists())
        return {};
    return dir.entryInfoList({QLatin1Char('*') + kSuffix}, QDir::Files | QDir::Readable, QDir::Unsorted);
}

} // namespace

namespace LanguageFiles {

QString find(const AppPaths &paths, const QString &language)
{
    // A name that leads out of the folder is no language name.
    if (language.isEmpty() || language.contains(QLatin1Char('/')))
        return {};
    const QFileInfo exact(paths.languageFile(language));
    if (exact.isFile())
        return exact.absoluteFilePath();
    const QString wanted = language + kSuffix;
    for (const QFileInfo &fi : languageFiles(paths))
        if (fi.fileName().compare(wanted, Qt::CaseInsensitive) == 0)
            return fi.absoluteFilePath();
    return {};
}

QStringList list(const AppPaths &paths)
{
    QStringList names;
    for (const QFileInfo &fi : languageFiles(paths))
        names << fi.fileName().chopped(int(kSuffix.size()));
    // The order must not depend on how the file system stores the folder.
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return names;
}

QString helpLanguage(const QString &language)
{
    return language == QLatin1String("French") ? QStringLiteral("French") : QStringLiteral("English");
}

QString helpFile(const AppPaths &paths, const QString &helpLanguage)
{
    return QFileInfo(paths.helpDir() + QStringLiteral("/zandolin") + helpLanguage + QStringLiteral(".chm"))
        .absoluteFilePath();
}

} // namespace LanguageFiles
