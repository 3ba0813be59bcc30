#include "core/FileErrors.h"

#include <QFileDevice>

#include <cerrno>

namespace FileErrors {

QString fromErrno(int err, const QString &fallback)
{
    switch (err) {
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("File not found");
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return QStringLiteral("File access denied");
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return QStringLiteral("Disk full");
    case EIO:
        return QStringLiteral("I/O error");
    default:
        return fallback.isEmpty() ? QStringLiteral("File error") : fallback;
    }
}

QString forDevice(const QFileDevice &dev, int savedErrno)
{
    return fromErrno(savedErrno, dev.errorString());
}

} // namespace FileErrors
