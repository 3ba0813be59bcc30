#include "book/BookBackup.h"

#include "book/BookFile.h"
#include "core/FileErrors.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

// A second name for the old file in the backup's folder. A hard link costs
// nothing and keeps the old file exactly as it was; where the file system
// has no hard links, a copy does the same job.
Result<QString> keepOldFile(const QString &fileName, const QString &backup)
{
    const QByteArray source = QFile::encodeName(fileName);
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString keep = backup + QStringLiteral(".%1.tmp").arg(QRandomGenerator::global()->generate(), 8, 16,
                                                                     QLatin1Char('0'));
        const QByteArray target = QFile::encodeName(keep);
        // Follow a symbolic link: the backup keeps the book, not the link.
        if (::linkat(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), AT_SYMLINK_FOLLOW) == 0)
            return Result<QString>::success(keep);
        const int err = errno;
        if (err == EEXIST)
            continue;
        if (err != EPERM && err != EXDEV && err != EMLINK && err != EOPNOTSUPP)
            return Result<QString>::failure(FileErrors::fromErrno(err));
        QFile from(fileName);
        errno = 0;
        if (from.copy(keep))
            return Result<QString>::success(keep);
        const int copyErr = errno;
        QFile::remove(keep);
        return Result<QString>::failure(FileErrors::fromErrno(copyErr, from.errorString()));
    }
    return Result<QString>::failure(QStringLiteral("File access denied"));
}

} // namespace

namespace BookBackup {

QString backupName(const QString &fileName)
{
    const QString name = QFileInfo(fileName).fileName();
    const QString folder = fileName.left(fileName.size() - name.size());
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return folder + (dot >= 0 ? name.left(dot) : name) + QStringLiteral(".bak");
}

Status saveWithBackup(const QString &fileName, const std::vector<TEnreg> &records, int encrypted,
                      QString *backupProblem)
{
    const QString backup = backupName(fileName);
    if (!QFileInfo::exists(fileName) || backup == fileName)
        return BookFile::save(fileName, records, encrypted);

    const Result<QString> keep = keepOldFile(fileName, backup);
    if (!keep)
        return Status::failure(keep.message);
    if (Status s = BookFile::save(fileName, records, encrypted); !s) {
        QFile::remove(keep.value);
        return s;
    }
    // rename() replaces an older backup in one step.
    if (std::rename(QFile::encodeName(keep.value).constData(), QFile::encodeName(backup).constData()) != 0) {
        if (backupProblem)
            *backupProblem = FileErrors::fromErrno(errno);
    }
    return Status::success();
}

} // namespace BookBackup
