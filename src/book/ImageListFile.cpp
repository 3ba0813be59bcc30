#include "book/ImageListFile.h"

#include "core/FileErrors.h"
#include "core/WholeFile.h"

#include <QFile>
#include <QtEndian>

#include <cerrno>

namespace {

constexpr char kMagic[4] = {'Z', 'T', 'I', 'L'};
constexpr quint16 kVersion = 1;

Result<ImageListData> invalid()
{
    return Result<ImageListData>::failure(QStringLiteral("Invalid image list file"));
}

// Reads big-endian numbers without ever stepping past the end.
class Reader
{
public:
    explicit Reader(QByteArrayView d) : m_d(d) {}
    qsizetype remaining() const { return m_d.size() - m_pos; }
    template <typename T>
    bool get(T &out)
    {
        if (remaining() < qsizetype(sizeof(T)))
            return false;
        out = qFromBigEndian<T>(m_d.data() + m_pos);
        m_pos += qsizetype(sizeof(T));
        return true;
    }
    bool bytes(qsizetype n, QByteArray &out)
    {
        if (n < 0 || remaining() < n)
            return false;
        out = QByteArray(m_d.data() + m_pos, n);
        m_pos += n;
        return true;
    }

private:
    QByteArrayView m_d;
    qsizetype m_pos = 0;
};

template <typename T>
void put(QByteArray &out, T v)
{
    char buf[sizeof(T)];
    qToBigEndian(v, buf);
    out.append(buf, qsizetype(sizeof(T)));
}

} // namespace

namespace ImageListFile {

Result<ImageListData> parse(QByteArrayView data)
{
    if (data.size() < 4 || QByteArrayView(data.data(), 4) != QByteArrayView(kMagic, 4))
        return invalid();
    Reader r(data.sliced(4));
    quint16 version = 0;
    qint32 w = 0, h = 0, count = 0;
    if (!r.get(version) || version != kVersion || !r.get(w) || !r.get(h) || !r.get(count))
        return invalid();
    if (w < 1 || h < 1 || w > MaxSide || h > MaxSide || count < 0 || count > MaxImages)
        return invalid();
    ImageListData list;
    list.width = w;
    list.height = h;
    list.images.reserve(size_t(count));
    for (qint32 i = 0; i < count; ++i) {
        quint32 len = 0;
        QByteArray bytes;
        if (!r.get(len) || !r.bytes(qsizetype(len), bytes))
            return invalid();
        list.images.push_back(std::move(bytes));
    }
    if (r.remaining() != 0)
        return invalid(); // trailing bytes: not a list this program wrote
    return Result<ImageListData>::success(std::move(list));
}

QByteArray serialize(const ImageListData &list)
{
    QByteArray out(kMagic, 4);
    put<quint16>(out, kVersion);
    put<qint32>(out, list.width);
    put<qint32>(out, list.height);
    put<qint32>(out, qint32(list.images.size()));
    for (const QByteArray &img : list.images) {
        put<quint32>(out, quint32(img.size()));
        out.append(img);
    }
    return out;
}

Result<ImageListData> read(const QString &fileName)
{
    QFile f(fileName);
    errno = 0;
    if (!f.open(QIODevice::ReadOnly)) {
        const int err = errno;
        if (!f.exists())
            return Result<ImageListData>::failure(QStringLiteral("File not found"));
        return Result<ImageListData>::failure(FileErrors::forDevice(f, err));
    }
    if (f.size() > MaxFileSize)
        return invalid();
    errno = 0;
    const QByteArray data = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return Result<ImageListData>::failure(FileErrors::forDevice(f, errno));
    return parse(data);
}

Status save(const QString &fileName, const ImageListData &list)
{
    const QByteArray bytes = serialize(list);
    return WholeFile::save(fileName, bytes);
}

} // namespace ImageListFile
