#include "crypt/BookCrypt.h"

#include "book/BookState.h"
#include "crypt/BookCipher.h"

#include <utility>

namespace BookCrypt {

namespace {

constexpr std::array<int, TEnreg::TextCount> makeFieldOrder()
{
    std::array<int, TEnreg::TextCount> order{};
    for (int i = 0; i < TEnreg::SingleTextCount; ++i)
        order[size_t(i)] = i;
    order[TEnreg::SingleTextCount] = TEnreg::Spouse;
    for (int c = 0; c < TEnreg::ChildCount; ++c)
        order[size_t(TEnreg::SingleTextCount + 1 + c)] = TEnreg::Children0 + c;
    return order;
}

// Value of a Base64 alphabet character, -1 for anything else.
constexpr std::array<signed char, 256> makeDecodeTable()
{
    std::array<signed char, 256> t{};
    for (auto &v : t)
        v = -1;
    const char *alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    for (int i = 0; i < 64; ++i)
        t[size_t(static_cast<unsigned char>(alphabet[i]))] = static_cast<signed char>(i);
    return t;
}
constexpr auto kDecode = makeDecodeTable();

// Rebuilds a record whose texts are replaced one by one, with a single
// allocation for the new block (setText would rebuild it per field).
class RecordRewriter
{
public:
    explicit RecordRewriter(const TEnreg &r) : m_record(r)
    {
        for (int i = 0; i < TEnreg::TextCount; ++i)
            m_views[size_t(i)] = r.text(i);
    }
    void replace(int slot, QByteArray value)
    {
        m_keep[size_t(slot)] = std::move(value);
        m_views[size_t(slot)] = m_keep[size_t(slot)];
        m_changed = true;
    }
    TEnreg result() const
    {
        if (!m_changed)
            return m_record;
        TEnreg out;
        out.setTexts(m_views);
        out.Locked = m_record.Locked;
        out.Category = m_record.Category;
        return out;
    }

private:
    const TEnreg &m_record;
    std::array<QByteArrayView, TEnreg::TextCount> m_views;
    std::array<QByteArray, TEnreg::TextCount> m_keep;
    bool m_changed = false;
};

} // namespace

const std::array<int, TEnreg::TextCount> FieldOrder = makeFieldOrder();

QByteArray encryptText(BookCipher &cipher, QByteArrayView plain)
{
    QByteArray bytes = plain.toByteArray();
    cipher.applyField(bytes.data(), bytes.size());
    return bytes.toBase64();
}

bool isCanonicalBase64(QByteArrayView text)
{
    const qsizetype n = text.size();
    if (n == 0 || n % 4 != 0)
        return false;
    qsizetype padding = 0;
    if (text[n - 1] == '=')
        padding = text[n - 2] == '=' ? 2 : 1;
    for (qsizetype k = 0; k < n - padding; ++k)
        if (kDecode[static_cast<unsigned char>(text[k])] < 0)
            return false;
    // The last character before the padding carries bits that no byte uses:
    // four of them with "==", two with "=". A canonical text has them zero.
    if (padding > 0) {
        const int last = kDecode[static_cast<unsigned char>(text[n - padding - 1])];
        const int unusedMask = padding == 2 ? 0x0F : 0x03;
        if (last & unusedMask)
            return false;
    }
    return true;
}

std::optional<QByteArray> decodeStoredText(QByteArrayView text)
{
    if (!isCanonicalBase64(text))
        return std::nullopt;
    return QByteArray::fromBase64(text.toByteArray());
}

void encryptRecords(std::vector<TEnreg> &records, QByteArrayView passphrase)
{
    BookCipher cipher(passphrase);
    for (TEnreg &r : records) {
        RecordRewriter rw(r);
        for (int slot : FieldOrder) {
            const QByteArrayView t = r.text(slot);
            if (!t.isEmpty())
                rw.replace(slot, encryptText(cipher, t));
        }
        TEnreg out = rw.result();
        r = std::move(out);
    }
    // The cipher wipes its permutation when it goes out of scope here.
}

std::vector<TEnreg> decryptRecords(const std::vector<TEnreg> &records, QByteArrayView passphrase,
                                   Judgement *judgement)
{
    Judgement j;
    std::vector<TEnreg> out;
    out.reserve(records.size());
    BookCipher cipher(passphrase);
    for (const TEnreg &r : records) {
        RecordRewriter rw(r);
        for (int slot : FieldOrder) {
            const QByteArrayView t = r.text(slot);
            if (t.isEmpty())
                continue;
            std::optional<QByteArray> bytes = decodeStoredText(t);
            if (!bytes)
                continue; // not ours: kept as it is, the cipher is not used
            cipher.applyField(bytes->data(), bytes->size());
            j.bytes += bytes->size();
            for (char c : std::as_const(*bytes))
                j.suspicious += isSuspiciousByte(static_cast<unsigned char>(c));
            rw.replace(slot, std::move(*bytes));
        }
        out.push_back(rw.result());
    }
    if (judgement)
        *judgement = j;
    return out;
}

Outcome encryptBook(BookState &book, QByteArrayView passphrase)
{
    if (book.BookEncrypted != 0)
        return Outcome::WrongState;
    if (passphrase.isEmpty())
        return Outcome::EmptyPassphrase;
    book.BookModified = true;
    book.BookEncrypted = 1;
    encryptRecords(book.Book, passphrase);
    return Outcome::Done;
}

Outcome decryptBook(BookState &book, QByteArrayView passphrase)
{
    if (book.BookEncrypted == 0)
        return Outcome::WrongState;
    Judgement j;
    std::vector<TEnreg> plain = decryptRecords(book.Book, passphrase, &j);
    if (!j.plausible())
        return Outcome::WrongPassphrase;
    book.Book = std::move(plain);
    book.BookEncrypted = 0;
    return Outcome::Done;
}

} // namespace BookCrypt
