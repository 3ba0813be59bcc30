#pragma once

#include "core/Result.h"

#include <QByteArray>
#include <QString>

// Replaces a file with `bytes` in one go: the old content stays until the
// new one is complete on disk. Creates the folder when it is missing.
namespace WholeFile {

Status save(const QString &path, const QByteArray &bytes);

} // namespace WholeFile
