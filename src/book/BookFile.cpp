#include "book/BookFile.h"

#include "book/BookState.h"
#include "core/FileErrors.h"

#include <QFile>
#include <QSaveFile>
#include <QtEndian>

#include <array>
#include <cerrno>
#include <cstring>

namespace {

constexpr const auto &kFileOrder = TextFileOrder;

class Reader
{
public:
    explicit Reader(QByteArrayView data) : m_p(data.data()), m_end(data.data() + data.size()) {}

    qsizetype left() const { return m_end - m_p; }

    bool readByte(quint8 &b)
    {
        if (m_p >= m_end)
            return false;
        b = quint8(*m_p++);
        return true;
    }

    // A length prefix; a prefix cut by the end of the data reads what is there
    // and reports the end.
    bool readLength(qint32 &n)
    {
        if (left() < 4) {
            m_p = m_end;
            return false;
        }
        n = qFromLittleEndian<qint32>(m_p);
        m_p += 4;
        return true;
    }

    // A text of length n: a view of the bytes, or, when fewer remain, what is
    // left and false.
    bool readText(qint32 n, QByteArrayView &out)
    {
        if (n <= 0) {
            out = {};
            return true;
        }
        if (left() < n) {
            out = QByteArrayView(m_p, left());
            m_p = m_end;
            return false;
        }
        out = QByteArrayView(m_p, n);
        m_p += n;
        return true;
    }

private:
    const char *m_p;
    const char *m_end;
};

} // namespace

namespace BookFile {

BookContent parse(QByteArrayView data)
{
    BookContent book;
    Reader in(data);
    quint8 flag = 0;
    if (!in.readByte(flag))
        return book;
    book.encrypted = flag;
    qint32 len = 0;
    if (!in.readLength(len))
        return book;
    QByteArrayView format;
    in.readText(len, format);
    book.format = format.toByteArray();

    // A record of empty texts takes 230 bytes: a fair lower bound for the
    // count, so the vector grows once instead of doubling on large books.
    book.records.reserve(size_t(in.left() / 230));

    std::array<QByteArrayView, TEnreg::TextCount> texts;
    while (in.left() > 0) {
        bool complete = true;
        for (int i = 0; i < TEnreg::TextCount && complete; ++i) {
            qint32 n = 0;
            complete = in.readLength(n) && in.readText(n, texts[size_t(kFileOrder[size_t(i)])]);
        }
        quint8 locked = 0, category = 0;
        if (!complete || !in.readByte(locked) || !in.readByte(category))
            break; // the record was cut short by the end of the file
        TEnreg r;
        r.setTexts(texts);
        r.Locked = locked;
        r.Category = category;
        book.records.push_back(std::move(r));
    }
    return book;
}

Result<BookContent> read(const QString &fileName)
{
    QFile f(fileName);
    errno = 0;
    if (!f.open(QIODevice::ReadOnly)) {
        const int err = errno;
        if (!f.exists())
            return Result<BookContent>::failure(QStringLiteral("File not found"));
        return Result<BookContent>::failure(FileErrors::forDevice(f, err));
    }
    const qint64 size = f.size();
    if (size > 0) {
        // Mapping avoids holding a second copy of a large book while parsing.
        if (uchar *map = f.map(0, size)) {
            BookContent content = parse(QByteArrayView(reinterpret_cast<const char *>(map), size));
            f.unmap(map);
            return Result<BookContent>::success(std::move(content));
        }
    }
    errno = 0;
    const QByteArray data = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return Result<BookContent>::failure(FileErrors::forDevice(f, errno));
    return Result<BookContent>::success(parse(data));
}

namespace {

qsizetype recordSize(const TEnreg &r)
{
    return 230 + r.textBytes();
}

// Lays one record out at `out`, which has room for recordSize(r) bytes;
// returns the position after it.
char *putRecord(char *out, const TEnreg &r)
{
    for (int slot : kFileOrder) {
        const QByteArrayView t = r.text(slot);
        qToLittleEndian<qint32>(qint32(t.size()), out);
        out += 4;
        if (!t.isEmpty()) {
            std::memcpy(out, t.data(), size_t(t.size()));
            out += t.size();
        }
    }
    *out++ = char(r.Locked);
    *out++ = char(quint32(r.Category) & 0xFF);
    return out;
}

QByteArray header(int encrypted)
{
    QByteArray out;
    out.append(char(encrypted));
    const qint32 sigLen = qint32(std::strlen(BookSignature));
    char buf[4];
    qToLittleEndian<qint32>(sigLen, buf);
    out.append(buf, 4);
    out.append(BookSignature, sigLen);
    return out;
}

} // namespace

QByteArray serialize(const std::vector<TEnreg> &records, int encrypted)
{
    QByteArray out = header(encrypted);
    qsizetype total = out.size();
    for (const TEnreg &r : records)
        total += recordSize(r);
    const qsizetype start = out.size();
    out.resize(total);
    char *p = out.data() + start;
    for (const TEnreg &r : records)
        p = putRecord(p, r);
    return out;
}

Status write(QIODevice &dev, const std::vector<TEnreg> &records, int encrypted)
{
    constexpr qsizetype kChunk = 1 << 20;
    QByteArray buf = header(encrypted);
    qsizetype used = buf.size();
    buf.resize(kChunk);
    auto flush = [&]() -> bool {
        qsizetype done = 0;
        while (done < used) {
            errno = 0;
            const qint64 n = dev.write(buf.constData() + done, used - done);
            if (n <= 0)
                return false;
            done += n;
        }
        used = 0;
        return true;
    };
    auto fail = [&dev]() {
        const int err = errno;
        if (auto *f = qobject_cast<QFileDevice *>(&dev))
            return Status::failure(FileErrors::forDevice(*f, err));
        return Status::failure(FileErrors::fromErrno(err, dev.errorString()));
    };
    for (const TEnreg &r : records) {
        const qsizetype need = recordSize(r);
        if (used + need > buf.size()) {
            if (!flush())
                return fail();
            if (need > buf.size())
                buf.resize(need); // one very large record
        }
        putRecord(buf.data() + used, r);
        used += need;
    }
    if (!flush())
        return fail();
    return Status::success();
}

Status save(const QString &fileName, const std::vector<TEnreg> &records, int encrypted)
{
    QSaveFile f(fileName);
    errno = 0;
    if (!f.open(QIODevice::WriteOnly))
        return Status::failure(FileErrors::forDevice(f, errno));
    if (Status s = write(f, records, encrypted); !s) {
        f.cancelWriting();
        return s;
    }
    errno = 0;
    if (!f.commit())
        return Status::failure(FileErrors::forDevice(f, errno));
    return Status::success();
}

} // namespace BookFile
