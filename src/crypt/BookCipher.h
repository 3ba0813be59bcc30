#pragma once

#include <QByteArrayView>

#include <array>
#include <cstdint>

// The stream cipher of encrypted books: RC4 keyed with the 20-byte SHA-1
// digest of the passphrase, with one twist. Every field starts the RC4
// indices i and j afresh at 0, while the 256-byte permutation goes on from
// where the previous field left it. One run over a book is therefore one
// sequence: the same fields of the same lengths in the same order give the
// same output, and applying a run twice gives back the input.
//
// The object wipes its state (fills it with 0xFF) when destroyed, and the
// digest it was keyed with never outlives the constructor.
class BookCipher
{
public:
    // Keys the cipher with SHA-1(passphrase); the passphrase bytes are used
    // as they are, with no terminator and no salt.
    explicit BookCipher(QByteArrayView passphrase);
    // Keys the cipher with raw key bytes (1 to 256 of them) through the
    // standard RC4 key schedule. Books never use this directly; it lets the
    // cipher be checked against published RC4 vectors.
    static BookCipher withRawKey(QByteArrayView key);

    ~BookCipher();
    BookCipher(const BookCipher &) = delete;
    BookCipher &operator=(const BookCipher &) = delete;
    BookCipher(BookCipher &&other) noexcept;
    BookCipher &operator=(BookCipher &&) = delete;

    // One field: i and j start at 0, the permutation carries on. Encrypting
    // and decrypting are the same step.
    void applyField(char *data, qsizetype size);

    // Fills the permutation with 0xFF; the cipher is useless afterwards.
    void wipe();

    // The permutation as it stands, for checks that the wipe happened.
    const std::array<std::uint8_t, 256> &permutation() const { return m_s; }

private:
    BookCipher() = default;
    void schedule(const std::uint8_t *key, int keyLength);

    std::array<std::uint8_t, 256> m_s{};
};

// Overwrites memory with `value` in a way the compiler may not drop, for
// keys and passphrases that must not linger.
void secureFill(void *data, std::size_t size, unsigned char value);
