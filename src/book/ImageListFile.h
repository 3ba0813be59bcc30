#pragma once

#include "core/Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <vector>

// The images of an image list, as stored: their size and each image's
// encoded bytes (PNG), in order. Decoding them needs the GUI library.
struct ImageListData
{
    int width = 16;
    int height = 16;
    std::vector<QByteArray> images;
};

// Reader and writer of ".til" image-list files, the category icons kept
// beside the category file:
//
//   "ZTIL"            4 bytes
//   version           uint16, big-endian, 1
//   width, height     int32 each, big-endian
//   count             int32, big-endian
//   count times:      uint32 length, big-endian, then that many bytes (PNG)
namespace ImageListFile {

constexpr int MaxImages = 4096;
constexpr int MaxSide = 256;
constexpr qint64 MaxFileSize = 64 * 1024 * 1024;

// Fails with "Invalid image list file" on anything that is not a whole,
// well-formed list; no length in the file can make it read past the data.
Result<ImageListData> parse(QByteArrayView data);
QByteArray serialize(const ImageListData &list);

// "File not found", "File access denied", ... or the parse failure.
Result<ImageListData> read(const QString &fileName);
// Replaces the file only when the whole list was written.
Status save(const QString &fileName, const ImageListData &list);

} // namespace ImageListFile
