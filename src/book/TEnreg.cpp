#include "book/TEnreg.h"

#include <QtEndian>

#include <cstring>

quint32 TEnreg::endOf(int slot) const
{
    return qFromLittleEndian<quint32>(m_block.constData() + slot * sizeof(quint32));
}

QByteArrayView TEnreg::text(int slot) const
{
    Q_ASSERT(slot >= 0 && slot < TextCount);
    if (m_block.isEmpty())
        return {};
    const quint32 begin = slot == 0 ? 0 : endOf(slot - 1);
    const quint32 end = endOf(slot);
    return QByteArrayView(m_block.constData() + HeaderBytes + begin, qsizetype(end - begin));
}

qsizetype TEnreg::textBytes() const
{
    return m_block.isEmpty() ? 0 : m_block.size() - HeaderBytes;
}

void TEnreg::setTexts(const std::array<QByteArrayView, TextCount> &texts)
{
    qsizetype total = 0;
    for (const auto &t : texts)
        total += t.size();
    if (total == 0) {
        m_block.clear();
        return;
    }
    QByteArray block(HeaderBytes + total, Qt::Uninitialized);
    char *header = block.data();
    char *out = header + HeaderBytes;
    quint32 end = 0;
    for (int i = 0; i < TextCount; ++i) {
        if (!texts[i].isEmpty())
            std::memcpy(out + end, texts[i].data(), size_t(texts[i].size()));
        end += quint32(texts[i].size());
        qToLittleEndian<quint32>(end, header + i * sizeof(quint32));
    }
    m_block = std::move(block);
}

void TEnreg::setText(int slot, QByteArrayView value)
{
    Q_ASSERT(slot >= 0 && slot < TextCount);
    if (text(slot) == value)
        return;
    // Copy the value first: it may point into our own block.
    const QByteArray keep = value.toByteArray();
    const QByteArray old = m_block; // keeps the other views alive while rebuilding
    std::array<QByteArrayView, TextCount> texts;
    for (int i = 0; i < TextCount; ++i)
        texts[i] = i == slot ? QByteArrayView(keep) : text(i);
    setTexts(texts);
}

TEnreg TEnreg::fromBlock(QByteArray block)
{
    TEnreg r;
    if (block.size() > HeaderBytes)
        r.m_block = std::move(block);
    return r;
}

bool TEnreg::operator==(const TEnreg &o) const
{
    if (Locked != o.Locked || Category != o.Category)
        return false;
    for (int i = 0; i < TextCount; ++i)
        if (text(i) != o.text(i))
            return false;
    return true;
}
