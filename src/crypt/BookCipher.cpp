#include "crypt/BookCipher.h"

#include <QCryptographicHash>

#include <utility>

void secureFill(void *data, std::size_t size, unsigned char value)
{
    volatile unsigned char *p = static_cast<volatile unsigned char *>(data);
    for (std::size_t i = 0; i < size; ++i)
        p[i] = value;
}

BookCipher::BookCipher(QByteArrayView passphrase)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(passphrase);
    std::array<std::uint8_t, 20> digest{};
    const QByteArrayView result = hash.resultView();
    for (int i = 0; i < 20; ++i)
        digest[size_t(i)] = std::uint8_t(result[i]);
    // Drop the hash object's copy of the digest as far as Qt lets us.
    hash.reset();
    schedule(digest.data(), int(digest.size()));
    secureFill(digest.data(), digest.size(), 0xFF);
}

BookCipher BookCipher::withRawKey(QByteArrayView key)
{
    Q_ASSERT(!key.isEmpty() && key.size() <= 256);
    BookCipher c;
    c.schedule(reinterpret_cast<const std::uint8_t *>(key.data()), int(key.size()));
    return c;
}

BookCipher::BookCipher(BookCipher &&other) noexcept : m_s(other.m_s)
{
    other.wipe();
}

BookCipher::~BookCipher()
{
    wipe();
}

void BookCipher::schedule(const std::uint8_t *key, int keyLength)
{
    for (int i = 0; i < 256; ++i)
        m_s[size_t(i)] = std::uint8_t(i);
    std::uint8_t j = 0;
    for (int i = 0; i < 256; ++i) {
        j = std::uint8_t(j + m_s[size_t(i)] + key[i % keyLength]);
        std::swap(m_s[size_t(i)], m_s[j]);
    }
}

void BookCipher::applyField(char *data, qsizetype size)
{
    std::uint8_t i = 0, j = 0;
    std::uint8_t *s = m_s.data();
    for (qsizetype k = 0; k < size; ++k) {
        i = std::uint8_t(i + 1);
        const std::uint8_t si = s[i];
        j = std::uint8_t(j + si);
        const std::uint8_t sj = s[j];
        s[i] = sj;
        s[j] = si;
        data[k] = char(std::uint8_t(data[k]) ^ s[std::uint8_t(si + sj)]);
    }
}

void BookCipher::wipe()
{
    secureFill(m_s.data(), m_s.size(), 0xFF);
}
