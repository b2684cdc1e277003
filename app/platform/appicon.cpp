#include "app/platform/appicon.h"

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

} // namespace tarnik
