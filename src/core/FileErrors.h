#pragma once

#include <QString>

class QFileDevice;

// The short messages a user sees when a file operation fails ("File not
// found", "File access denied", "Disk full"), from the error the system gave.
namespace FileErrors {

QString fromErrno(int err, const QString &fallback = {});
// For a device that just failed; `path` is the file it was opened on.
QString forDevice(const QFileDevice &dev, int savedErrno);

} // namespace FileErrors
