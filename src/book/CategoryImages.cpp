#include "book/CategoryImages.h"

#include <QBuffer>
#include <QPainter>
#include <QPainterPath>

namespace {

// One icon: a transparent square painted by `paint` with smooth edges.
QImage draw(void (*paint)(QPainter &))
{
    QImage img(CategoryImages::Side, CategoryImages::Side, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paint(p);
    return img;
}

void person(QPainter &p, QPointF at, qreal scale, QColor c)
{
    p.setPen(QPen(c.darker(150), 0.8));
    p.setBrush(c);
    p.drawEllipse(QPointF(at.x(), at.y() + 3.2 * scale), 2.6 * scale, 2.6 * scale);
    QPainterPath body;
    body.moveTo(at.x() - 5 * scale, at.y() + 12.5 * scale);
    body.cubicTo(at.x() - 5 * scale, at.y() + 7 * scale, at.x() + 5 * scale, at.y() + 7 * scale,
                 at.x() + 5 * scale, at.y() + 12.5 * scale);
    body.closeSubpath();
    p.drawPath(body);
}

void paintNone(QPainter &p)
{
    p.setPen(QPen(QColor(130, 130, 130), 1.4));
    p.setBrush(QColor(235, 235, 235));
    p.drawEllipse(QRectF(2.5, 2.5, 11, 11));
    p.drawLine(QPointF(5.5, 8), QPointF(10.5, 8));
}

void paintPersonal(QPainter &p)
{
    person(p, QPointF(8, 1.5), 1.0, QColor(60, 120, 210));
}

void paintFamily(QPainter &p)
{
    person(p, QPointF(5.2, 1.0), 0.85, QColor(60, 150, 80));
    person(p, QPointF(11.3, 4.6), 0.62, QColor(230, 150, 40));
}

void paintWeb(QPainter &p)
{
    const QRectF r(1.5, 1.5, 13, 13);
    p.setPen(QPen(QColor(20, 80, 160), 1.0));
    p.setBrush(QColor(120, 180, 240));
    p.drawEllipse(r);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(5, 1.5, 6, 13));
    p.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
    p.drawLine(QPointF(8, 1.5), QPointF(8, 14.5));
}

void paintInternational(QPainter &p)
{
    // A flag on its pole.
    p.setPen(QPen(QColor(90, 70, 50), 1.4));
    p.drawLine(QPointF(3, 1.5), QPointF(3, 15));
    QPainterPath flag;
    flag.moveTo(3.7, 2);
    flag.cubicTo(7, 0.5, 10, 4.5, 14.5, 2.5);
    flag.lineTo(14.5, 9);
    flag.cubicTo(10, 11, 7, 7, 3.7, 8.5);
    flag.closeSubpath();
    p.setPen(QPen(QColor(160, 30, 30), 0.8));
    p.setBrush(QColor(220, 60, 50));
    p.drawPath(flag);
}

void paintEmergency(QPainter &p)
{
    p.setPen(QPen(QColor(170, 20, 20), 1.0));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 2.5, 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 30, 30));
    p.drawRect(QRectF(6.5, 3.5, 3, 9));
    p.drawRect(QRectF(3.5, 6.5, 9, 3));
}

void paintBusiness(QPainter &p)
{
    p.setPen(QPen(QColor(90, 55, 25), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(5.5, 2.5, 5, 3), 1, 1);
    p.setBrush(QColor(160, 100, 45));
    p.drawRoundedRect(QRectF(1.5, 5, 13, 9.5), 1.5, 1.5);
    p.drawLine(QPointF(1.5, 9), QPointF(14.5, 9));
    p.setBrush(QColor(230, 190, 80));
    p.drawRect(QRectF(7, 8, 2, 2.2));
}

void paintCompanies(QPainter &p)
{
    p.setPen(QPen(QColor(60, 60, 70), 1.0));
    p.setBrush(QColor(150, 155, 170));
    p.drawRect(QRectF(2.5, 1.5, 7, 13));
    p.setBrush(QColor(120, 125, 140));
    p.drawRect(QRectF(9.5, 6.5, 4.5, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 240, 160));
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 2; ++col)
            p.drawRect(QRectF(4 + col * 3, 3 + row * 3, 1.6, 1.6));
}

} // namespace

namespace CategoryImages {

QList<QImage> builtIn()
{
    return {draw(paintNone),          draw(paintPersonal),  draw(paintFamily),   draw(paintWeb),
            draw(paintInternational), draw(paintEmergency), draw(paintBusiness), draw(paintCompanies)};
}

Result<QList<QImage>> decode(const ImageListData &data)
{
    QList<QImage> out;
    out.reserve(qsizetype(data.images.size()));
    for (const QByteArray &bytes : data.images) {
        QImage img;
        if (!img.loadFromData(bytes, "PNG") || img.isNull())
            return Result<QList<QImage>>::failure(QStringLiteral("Invalid image list file"));
        if (img.width() != data.width || img.height() != data.height)
            img = img.scaled(data.width, data.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        out.append(img);
    }
    return Result<QList<QImage>>::success(std::move(out));
}

ImageListData encode(const QList<QImage> &images)
{
    ImageListData data;
    data.width = data.height = Side;
    for (const QImage &img : images) {
        QByteArray bytes;
        QBuffer buf(&bytes);
        buf.open(QIODevice::WriteOnly);
        const QImage sized = img.size() == QSize(Side, Side)
                                 ? img
                                 : img.scaled(Side, Side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        sized.save(&buf, "PNG");
        data.images.push_back(bytes);
    }
    return data;
}

Result<QList<QImage>> readFile(const QString &fileName)
{
    Result<ImageListData> r = ImageListFile::read(fileName);
    if (!r)
        return Result<QList<QImage>>::failure(r.message);
    return decode(r.value);
}

Status saveFile(const QString &fileName, const QList<QImage> &images)
{
    return ImageListFile::save(fileName, encode(images));
}

} // namespace CategoryImages
