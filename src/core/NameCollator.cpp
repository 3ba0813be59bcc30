#include "core/NameCollator.h"

#include <unicode/ucol.h>

#include <cstring>

NameCollator::NameCollator(const QLocale &locale) : m_locale(locale)
{
    if (locale.language() == QLocale::C)
        return;
    QByteArray id = locale.bcp47Name().toLatin1();
    id.replace('-', '_');
    UErrorCode status = U_ZERO_ERROR;
    UCollator *c = ucol_open(id.constData(), &status);
    if (U_FAILURE(status)) {
        if (c)
            ucol_close(c);
        return; // code-point order rather than no order at all
    }
    // Secondary strength: "é" differs from "e", "E" does not differ from "e".
    ucol_setStrength(c, UCOL_SECONDARY);
    m_icu = c;
}

NameCollator::~NameCollator()
{
    if (m_icu)
        ucol_close(m_icu);
}

void NameCollator::appendKey(QStringView text, std::string &out) const
{
    if (!m_icu) {
        const QString folded = text.toString().toCaseFolded();
        const size_t start = out.size();
        out.resize(start + size_t(folded.size()) * 2);
        char *d = out.data() + start;
        for (QChar c : folded) {
            // Big-endian code units: byte order is code-unit order.
            *d++ = char(c.unicode() >> 8);
            *d++ = char(c.unicode() & 0xFF);
        }
        return;
    }
    const auto *src = reinterpret_cast<const UChar *>(text.utf16());
    const auto len = int32_t(text.size());
    uint8_t buf[256];
    int32_t n = ucol_getSortKey(m_icu, src, len, buf, int32_t(sizeof buf));
    if (n <= 0)
        return;
    // The key ends with a zero byte that carries no order; leave it out.
    if (n <= int32_t(sizeof buf)) {
        out.append(reinterpret_cast<const char *>(buf), size_t(n - 1));
        return;
    }
    std::string big(size_t(n), '\0');
    n = ucol_getSortKey(m_icu, src, len, reinterpret_cast<uint8_t *>(big.data()), n);
    out.append(big.data(), size_t(qMax(0, n - 1)));
}

QByteArray NameCollator::key(QStringView text) const
{
    std::string k;
    appendKey(text, k);
    return QByteArray(k.data(), qsizetype(k.size()));
}

int NameCollator::compare(QStringView a, QStringView b) const
{
    const QByteArray ka = key(a), kb = key(b);
    const int c = std::memcmp(ka.constData(), kb.constData(), size_t(qMin(ka.size(), kb.size())));
    if (c != 0)
        return c < 0 ? -1 : 1;
    return ka.size() < kb.size() ? -1 : (ka.size() > kb.size() ? 1 : 0);
}
