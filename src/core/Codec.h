#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Book texts, settings and language files are kept in the Windows-1252 code
// page. Every byte has a character and every one of those characters maps
// back to the same byte, so a text the user did not touch survives a
// decode/encode round trip unchanged.
namespace Codec {

QString decode(QByteArrayView bytes);

// Characters the code page cannot hold become '?' and `lossless`, when given,
// is set to false; callers that must not lose text check it.
QByteArray encode(QStringView text, bool *lossless = nullptr);

bool canEncode(QStringView text);

// Text files (INI, language files): UTF-8 when they start with a UTF-8 byte
// order mark, the code page otherwise.
QString decodeTextFile(const QByteArray &content, bool *wasUtf8 = nullptr);

} // namespace Codec
