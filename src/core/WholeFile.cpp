#include "core/WholeFile.h"

#include "core/FileErrors.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace WholeFile {

Status save(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile f(path);
    errno = 0;
    if (!f.open(QIODevice::WriteOnly))
        return Status::failure(FileErrors::forDevice(f, errno));
    errno = 0;
    if (f.write(bytes) != bytes.size()) {
        const int err = errno;
        f.cancelWriting();
        return Status::failure(FileErrors::forDevice(f, err));
    }
    errno = 0;
    if (!f.commit())
        return Status::failure(FileErrors::forDevice(f, errno));
    return Status::success();
}

} // namespace WholeFile
