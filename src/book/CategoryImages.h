#pragma once

#include "book/ImageListFile.h"
#include "core/Result.h"

#include <QImage>
#include <QList>

// The category image list in memory: one 16x16 image per position of the
// category table, image 0 for the reserved position.
namespace CategoryImages {

constexpr int Side = 16;

// Our own artwork for the eight built-in categories: none, personal,
// family, web, international, emergency, business, companies.
QList<QImage> builtIn();

// Decodes a stored list; fails when an image does not decode. Images of
// another size are scaled to the list's size.
Result<QList<QImage>> decode(const ImageListData &data);
ImageListData encode(const QList<QImage> &images);

// Reads Files/zandolin.til: the file's error ("File not found", ...) or the
// decoded images.
Result<QList<QImage>> readFile(const QString &fileName);
Status saveFile(const QString &fileName, const QList<QImage> &images);

} // namespace CategoryImages
