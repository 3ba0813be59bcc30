#include "core/Codec.h"

#include <array>

namespace {

// 0x80..0x9F of Windows-1252. The five bytes the code page leaves unassigned
// map to the C1 control of the same value, so every byte still round-trips.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

int encodeChar(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i)
        if (kHigh[size_t(i)] == c)
            return 0x80 + i;
    return -1;
}

} // namespace

namespace Codec {

QString decode(QByteArrayView bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *d = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        d[i] = (b >= 0x80 && b < 0xA0) ? QChar(kHigh[b - 0x80]) : QChar(char16_t(b));
    }
    return out;
}

QByteArray encode(QStringView text, bool *lossless)
{
    QByteArray out;
    out.reserve(text.size());
    bool all = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = encodeChar(text[i].unicode());
        if (b >= 0) {
            out.append(char(b));
            continue;
        }
        all = false;
        out.append('?');
        // A surrogate pair is one character: one '?' for both halves.
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
    }
    if (lossless)
        *lossless = all;
    return out;
}

bool canEncode(QStringView text)
{
    for (QChar c : text)
        if (encodeChar(c.unicode()) < 0)
            return false;
    return true;
}

QString decodeTextFile(const QByteArray &content, bool *wasUtf8)
{
    if (content.startsWith("\xEF\xBB\xBF")) {
        if (wasUtf8)
            *wasUtf8 = true;
        return QString::fromUtf8(content.mid(3));
    }
    if (wasUtf8)
        *wasUtf8 = false;
    return decode(content);
}

} // namespace Codec
