#include "app/platform/appicon.h"

#include <QBuffer>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace tarnik {

namespace {

// A shield with a tick: the safety of the work station, checked.
void paintShield(QPainter& p, const QRectF& r) {
    QPainterPath shield;
    const qreal w = r.width(), h = r.height();
    shield.moveTo(r.left() + w * 0.5, r.top());
    shield.lineTo(r.right(), r.top() + h * 0.16);
    shield.cubicTo(r.right(), r.top() + h * 0.62, r.left() + w * 0.78, r.top() + h * 0.86,
                   r.left() + w * 0.5, r.bottom());
    shield.cubicTo(r.left() + w * 0.22, r.top() + h * 0.86, r.left(), r.top() + h * 0.62, r.left(),
                   r.top() + h * 0.16);
    shield.closeSubpath();
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(0x2f, 0x7d, 0xd1));
    g.setColorAt(1, QColor(0x0b, 0x3c, 0x7a));
    p.setPen(QPen(QColor(0x06, 0x24, 0x4a), qMax<qreal>(1.0, w / 40)));
    p.setBrush(g);
    p.drawPath(shield);

    QPainterPath tick;
    tick.moveTo(r.left() + w * 0.27, r.top() + h * 0.50);
    tick.lineTo(r.left() + w * 0.44, r.top() + h * 0.66);
    tick.lineTo(r.left() + w * 0.75, r.top() + h * 0.32);
    p.setPen(QPen(QColor(0xff, 0xc8, 0x2e), w * 0.11, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
}

} // namespace

QImage drawProgramIcon(int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal m = size * 0.06;
    paintShield(p, QRectF(m, m, size - 2 * m, size - 2 * m));
    return img;
}

QImage drawDocumentIcon(int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    QPainterPath sheet;
    sheet.moveTo(s * 0.18, s * 0.04);
    sheet.lineTo(s * 0.64, s * 0.04);
    sheet.lineTo(s * 0.84, s * 0.24);
    sheet.lineTo(s * 0.84, s * 0.96);
    sheet.lineTo(s * 0.18, s * 0.96);
    sheet.closeSubpath();
    p.setPen(QPen(QColor(0x55, 0x55, 0x55), qMax<qreal>(1.0, s / 48)));
    p.setBrush(Qt::white);
    p.drawPath(sheet);
    paintShield(p, QRectF(s * 0.30, s * 0.36, s * 0.42, s * 0.48));
    return img;
}

QPixmap drawSplashPicture() {
    QPixmap pm(500, 269);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient bg(0, 0, 500, 269);
    bg.setColorAt(0, QColor(0xf4, 0xf7, 0xfb));
    bg.setColorAt(1, QColor(0xc9, 0xd9, 0xee));
    p.fillRect(pm.rect(), bg);
    // A band along the bottom, in the colours of a warning sign.
    for (int x = -40; x < 540; x += 36) {
        QPolygon stripe;
        stripe << QPoint(x, 269) << QPoint(x + 18, 269) << QPoint(x + 36, 251)
               << QPoint(x + 18, 251);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xff, 0xc8, 0x2e));
        p.drawPolygon(stripe);
    }
    p.fillRect(QRect(0, 249, 500, 2), QColor(0x0b, 0x3c, 0x7a));

    paintShield(p, QRectF(34, 40, 130, 150));

    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(58);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0x0b, 0x3c, 0x7a));
    p.drawText(QRect(190, 46, 300, 70), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tarnik"));
    QFont sub(QStringLiteral("DejaVu Sans"));
    sub.setPixelSize(17);
    p.setFont(sub);
    p.setPen(QColor(0x22, 0x33, 0x44));
    p.drawText(QRect(192, 112, 300, 44), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               QStringLiteral("Ocena ryzyka zawodowego\nna stanowisku pracy"));
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(12);
    p.setFont(small);
    p.setPen(QColor(0x44, 0x55, 0x66));
    p.drawText(QRect(20, 206, 460, 36), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Przygotowuję program do pracy..."));
    p.setPen(QPen(QColor(0x0b, 0x3c, 0x7a), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, 498, 267));
    return pm;
}

std::vector<ThemeIcon> themeIcons() {
    return {
        {QStringLiteral("64x64/apps/tarnik.png"), drawProgramIcon(64)},
        {QStringLiteral("64x64/mimetypes/application-x-tarnik-ocena.png"), drawDocumentIcon(64)}};
}

QByteArray icoFile(const std::vector<QImage>& pictures) {
    // ICONDIR, one ICONDIRENTRY per picture, then the PNG streams; little-endian throughout.
    // Windows takes PNG-compressed entries since Vista; 256 is written as 0 in the entry.
    QByteArray out;
    auto put16 = [&out](quint16 v) {
        out.append(char(v & 0xff));
        out.append(char(v >> 8));
    };
    auto put32 = [&out](quint32 v) {
        for (int shift = 0; shift < 32; shift += 8)
            out.append(char((v >> shift) & 0xff));
    };
    std::vector<QByteArray> streams;
    for (const QImage& picture : pictures) {
        if (picture.isNull() || picture.width() != picture.height() || picture.width() > 256)
            return {};
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!picture.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG")) return {};
        streams.push_back(png);
    }
    if (streams.empty()) return {};
    put16(0);
    put16(1);
    put16(quint16(streams.size()));
    quint32 offset = quint32(6 + 16 * streams.size());
    for (std::size_t i = 0; i < streams.size(); ++i) {
        const int side = pictures[i].width();
        out.append(char(side == 256 ? 0 : side));
        out.append(char(side == 256 ? 0 : side));
        out.append(char(0)); // no palette
        out.append(char(0));
        put16(1);  // colour planes
        put16(32); // bits per pixel
        put32(quint32(streams[i].size()));
        put32(offset);
        offset += quint32(streams[i].size());
    }
    for (const QByteArray& png : streams)
        out.append(png);
    return out;
}

std::vector<QImage> windowsIconSizes(QImage (*draw)(int)) {
    std::vector<QImage> out;
    for (int side : {16, 24, 32, 48, 64, 256})
        out.push_back(draw(side));
    return out;
}

} // namespace tarnik
