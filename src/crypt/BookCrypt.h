#pragma once

#include "book/TEnreg.h"

#include <QByteArray>
#include <QByteArrayView>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class BookCipher;
class BookState;

// Encrypting and decrypting every text of a book with a passphrase.
//
// Each non-empty text is put through one BookCipher run (see BookCipher.h)
// and stored as Base64 (RFC 4648 alphabet, "=" padding, no line breaks), so a
// text of n bytes becomes 4 * ceil(n / 3) characters. Empty texts stay empty
// and use nothing of the cipher. The texts of a record are visited in the
// order of `FieldOrder`, the records in record-number order. The lock byte
// and the category are never touched.
//
// Stored texts that are not Base64. A text takes part in decryption exactly
// when it is canonical Base64, that is a text our encoder can write: a
// non-zero length that is a multiple of 4, only alphabet characters apart
// from one or two "=" at the very end, and zero bits in the unused low bits
// of the last character. Any other text (a field typed or imported in plain
// while the book was encrypted, a damaged field) is left exactly as it is and
// uses nothing of the cipher, so it neither loses its content nor shifts the
// fields after it.
//
// A wrong passphrase. RC4 cannot tell a wrong key, so decryption judges its
// result: real address-book text holds no control bytes apart from TAB, CR
// and LF, while text decrypted with the wrong key holds them in about one
// byte out of nine. When more than one decrypted byte in sixteen is such a
// control byte the run is refused and the book is left exactly as it was.
// A book of a few short texts may still pass with a wrong passphrase by
// chance; it then decrypts to unreadable bytes, as any plain cipher would.
namespace BookCrypt {

// Per record: slots 0 to 45, the spouse (56), then the ten children (46-55).
inline constexpr const std::array<int, TEnreg::TextCount> &FieldOrder = TextFileOrder;

// The stored form of one non-empty plain text; advances the cipher.
QByteArray encryptText(BookCipher &cipher, QByteArrayView plain);

// True when `text` is canonical Base64 as described above.
bool isCanonicalBase64(QByteArrayView text);

// The bytes a stored text stands for, or nothing when it is not canonical
// Base64.
std::optional<QByteArray> decodeStoredText(QByteArrayView text);

// Counts kept while decrypting, to judge the result.
struct Judgement
{
    qsizetype bytes = 0;      // bytes that went through the cipher
    qsizetype suspicious = 0; // of these, control bytes other than TAB, CR, LF
    bool plausible() const { return suspicious * 16 <= bytes; }
};

// True for the bytes that never appear in typed text: C0 controls other
// than TAB, LF and CR, and DEL.
inline bool isSuspiciousByte(unsigned char c)
{
    return (c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7F;
}

// Encrypts every non-empty text of `records` in place.
void encryptRecords(std::vector<TEnreg> &records, QByteArrayView passphrase);

// Decrypts into a new book and reports how plausible the result looks;
// `records` is not changed. Texts that are not canonical Base64 are copied
// unchanged.
std::vector<TEnreg> decryptRecords(const std::vector<TEnreg> &records, QByteArrayView passphrase,
                                   Judgement *judgement = nullptr);

enum class Outcome {
    Done,
    EmptyPassphrase, // encrypting needs a passphrase; nothing changed
    WrongState,      // encrypt on an encrypted book or decrypt on a plain one
    WrongPassphrase, // the decrypted texts were not plausible; nothing changed
};

// The whole runs on a book: encrypting marks the book encrypted and
// modified; decrypting marks it plain and leaves its modified state alone,
// or, with a wrong passphrase, leaves everything as it was.
// `beforeChange`, when given, runs once the run is sure to change the book
// and before it does (the window lets go of the record it shows there).
Outcome encryptBook(BookState &book, QByteArrayView passphrase, const std::function<void()> &beforeChange = {});
Outcome decryptBook(BookState &book, QByteArrayView passphrase, const std::function<void()> &beforeChange = {});

} // namespace BookCrypt
