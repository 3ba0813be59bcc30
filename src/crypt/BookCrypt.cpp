#include "crypt/BookCrypt.h"

#include "book/BookState.h"
#include "crypt/BookCipher.h"

#include <cstring>
#include <utility>

namespace BookCrypt {

namespace {

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

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

qsizetype encodedSize(qsizetype n)
{
    return 4 * ((n + 2) / 3);
}

// Base64 of `in` written at `out` (encodedSize(n) bytes).
void encodeBase64(const unsigned char *in, qsizetype n, char *out)
{
    qsizetype k = 0;
    for (; k + 3 <= n; k += 3) {
        const unsigned v = unsigned(in[k]) << 16 | unsigned(in[k + 1]) << 8 | in[k + 2];
        *out++ = kAlphabet[v >> 18];
        *out++ = kAlphabet[(v >> 12) & 63];
        *out++ = kAlphabet[(v >> 6) & 63];
        *out++ = kAlphabet[v & 63];
    }
    if (n - k == 1) {
        const unsigned v = unsigned(in[k]) << 16;
        *out++ = kAlphabet[v >> 18];
        *out++ = kAlphabet[(v >> 12) & 63];
        *out++ = '=';
        *out++ = '=';
    } else if (n - k == 2) {
        const unsigned v = unsigned(in[k]) << 16 | unsigned(in[k + 1]) << 8;
        *out++ = kAlphabet[v >> 18];
        *out++ = kAlphabet[(v >> 12) & 63];
        *out++ = kAlphabet[(v >> 6) & 63];
        *out++ = '=';
    }
}

// Bytes a canonical Base64 text stands for.
qsizetype decodedSize(QByteArrayView text)
{
    const qsizetype n = text.size();
    return n / 4 * 3 - (text[n - 1] == '=') - (text[n - 2] == '=');
}

// Decodes a text already known to be canonical Base64.
void decodeBase64(QByteArrayView text, char *out)
{
    const qsizetype bytes = decodedSize(text);
    qsizetype written = 0;
    for (qsizetype k = 0; k < text.size(); k += 4) {
        unsigned v = 0;
        for (int c = 0; c < 4; ++c) {
            const signed char d = kDecode[static_cast<unsigned char>(text[k + c])];
            v = v << 6 | unsigned(d < 0 ? 0 : d);
        }
        const char group[3] = {char(v >> 16), char(v >> 8), char(v)};
        for (int c = 0; c < 3 && written < bytes; ++c)
            out[written++] = group[c];
    }
}

// One record through the cipher. New texts are laid out in a scratch buffer
// reused from record to record, and the record's block is rebuilt once.
class RecordTransform
{
public:
    TEnreg encrypt(const TEnreg &r, BookCipher &cipher)
    {
        begin(r);
        for (int slot : FieldOrder) {
            const QByteArrayView t = r.text(slot);
            if (t.isEmpty())
                continue;
            // The cipher works in place on a copy; Base64 goes after it.
            const qsizetype raw = append(t.size());
            std::memcpy(m_buf.data() + raw, t.data(), size_t(t.size()));
            cipher.applyField(m_buf.data() + raw, t.size());
            const qsizetype enc = append(encodedSize(t.size()));
            encodeBase64(reinterpret_cast<const unsigned char *>(m_buf.constData() + raw), t.size(),
                         m_buf.data() + enc);
            m_spans[size_t(slot)] = {enc, encodedSize(t.size())};
        }
        return finish(r);
    }

    TEnreg decrypt(const TEnreg &r, BookCipher &cipher, Judgement &j)
    {
        begin(r);
        for (int slot : FieldOrder) {
            const QByteArrayView t = r.text(slot);
            if (t.isEmpty() || !isCanonicalBase64(t))
                continue; // not ours: kept as it is, the cipher is not used
            const qsizetype n = decodedSize(t);
            const qsizetype at = append(n);
            char *p = m_buf.data() + at;
            decodeBase64(t, p);
            cipher.applyField(p, n);
            j.bytes += n;
            for (qsizetype k = 0; k < n; ++k)
                j.suspicious += isSuspiciousByte(static_cast<unsigned char>(p[k]));
            m_spans[size_t(slot)] = {at, n};
        }
        return finish(r);
    }

    ~RecordTransform() { secureFill(m_buf.data(), size_t(m_buf.size()), 0); }

private:
    struct Span
    {
        qsizetype offset = -1; // -1: the record's own text
        qsizetype size = 0;
    };

    void begin(const TEnreg &)
    {
        m_used = 0;
        m_changed = false;
        m_spans.fill(Span{});
    }

    qsizetype append(qsizetype n)
    {
        const qsizetype at = m_used;
        m_used += n;
        if (m_used > m_buf.size()) {
            // Growing would leave the old buffer's plain text behind: scrub it.
            QByteArray bigger(qMax(m_used, 2 * m_buf.size()), Qt::Uninitialized);
            std::memcpy(bigger.data(), m_buf.constData(), size_t(at));
            secureFill(m_buf.data(), size_t(m_buf.size()), 0);
            m_buf = std::move(bigger);
        }
        m_changed = true;
        return at;
    }

    TEnreg finish(const TEnreg &r)
    {
        if (!m_changed)
            return r;
        std::array<QByteArrayView, TEnreg::TextCount> views;
        for (int s = 0; s < TEnreg::TextCount; ++s) {
            const Span &sp = m_spans[size_t(s)];
            views[size_t(s)] = sp.offset < 0 ? r.text(s) : QByteArrayView(m_buf.constData() + sp.offset, sp.size);
        }
        TEnreg out;
        out.setTexts(views);
        out.Locked = r.Locked;
        out.Category = r.Category;
        return out;
    }

    QByteArray m_buf = QByteArray(4096, Qt::Uninitialized);
    qsizetype m_used = 0;
    bool m_changed = false;
    std::array<Span, TEnreg::TextCount> m_spans;
};

} // namespace

QByteArray encryptText(BookCipher &cipher, QByteArrayView plain)
{
    QByteArray bytes = plain.toByteArray();
    cipher.applyField(bytes.data(), bytes.size());
    QByteArray out(encodedSize(bytes.size()), Qt::Uninitialized);
    encodeBase64(reinterpret_cast<const unsigned char *>(bytes.constData()), bytes.size(), out.data());
    return out;
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
    QByteArray out(decodedSize(text), Qt::Uninitialized);
    decodeBase64(text, out.data());
    return out;
}

void encryptRecords(std::vector<TEnreg> &records, QByteArrayView passphrase)
{
    BookCipher cipher(passphrase);
    RecordTransform transform;
    for (TEnreg &r : records) {
        TEnreg out = transform.encrypt(r, cipher);
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
    RecordTransform transform;
    for (const TEnreg &r : records)
        out.push_back(transform.decrypt(r, cipher, j));
    if (judgement)
        *judgement = j;
    return out;
}

Outcome encryptBook(BookState &book, QByteArrayView passphrase, const std::function<void()> &beforeChange)
{
    if (book.BookEncrypted != 0)
        return Outcome::WrongState;
    if (passphrase.isEmpty())
        return Outcome::EmptyPassphrase;
    if (beforeChange)
        beforeChange();
    book.BookModified = true;
    book.BookEncrypted = 1;
    encryptRecords(book.Book, passphrase);
    return Outcome::Done;
}

Outcome decryptBook(BookState &book, QByteArrayView passphrase, const std::function<void()> &beforeChange)
{
    if (book.BookEncrypted == 0)
        return Outcome::WrongState;
    Judgement j;
    std::vector<TEnreg> plain = decryptRecords(book.Book, passphrase, &j);
    if (!j.plausible())
        return Outcome::WrongPassphrase;
    if (beforeChange)
        beforeChange();
    book.Book = std::move(plain);
    book.BookEncrypted = 0;
    return Outcome::Done;
}

} // namespace BookCrypt
