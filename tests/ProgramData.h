#pragma once

#include <QDir>
#include <QFile>
#include <QString>

// Puts the shipped language and help files into a test's program folder,
// as the build puts them beside the executable, so a window started there
// finds its language file and its help file. Returns false on a failed copy.
inline bool installProgramData(const QString &programDir, const QStringList &folders = {QStringLiteral("languages"),
                                                                                       QStringLiteral("help")})
{
    for (const QString &folder : folders) {
        const QDir from(QStringLiteral(ZANDOLIN_DATA_DIR "/") + folder);
        const QString to = programDir + QLatin1Char('/') + folder;
        if (!QDir().mkpath(to))
            return false;
        for (const QString &name : from.entryList(QDir::Files)) {
            QFile::remove(to + QLatin1Char('/') + name);
            if (!QFile::copy(from.filePath(name), to + QLatin1Char('/') + name))
                return false;
        }
    }
    return true;
}
