#include "artwork.h"

#include <algorithm>

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor deep_blue(0x1B, 0x2A, 0x4A);
const QColor night_blue(0x0F, 0x18, 0x2C);
const QColor crimson(0xB0, 0x1E, 0x2E);
const QColor dark_crimson(0x6E, 0x0F, 0x1A);
const QColor gold(0xE8, 0xC2, 0x5A);
const QColor dark_gold(0x9A, 0x74, 0x1E);
const QColor parchment(0xF3, 0xE6, 0xC4);

// A heater shield filling the unit square's middle, in a size x size frame.
QPainterPath shield_path(double size) {
    const double left = size * 0.22;
    const double right = size * 0.78;
    const double top = size * 0.16;
    const double middle = size * 0.55;
    const double bottom = size * 0.90;
    QPainterPath path;
    path.moveTo(left, top);
    path.lineTo(right, top);
    path.lineTo(right, middle);
    path.quadTo(right, size * 0.78, size * 0.5, bottom);
    path.quadTo(left, size * 0.78, left, middle);
    path.closeSubpath();
    return path;
}

void draw_sword(QPainter& painter, double size) {
    const double pen = std::max(1.0, size / 16.0);
    painter.setPen(QPen(dark_gold, pen * 0.6));
    painter.setBrush(gold);
    // Blade, from the tip at the bottom to the guard.
    QPainterPath blade;
    blade.moveTo(size * 0.5, size * 0.80);
    blade.lineTo(size * 0.56, size * 0.66);
    blade.lineTo(size * 0.56, size * 0.34);
    blade.lineTo(size * 0.44, size * 0.34);
    blade.lineTo(size * 0.44, size * 0.66);
    blade.closeSubpath();
    painter.drawPath(blade);
    // Guard and grip.
    painter.drawRect(QRectF(size * 0.32, size * 0.28, size * 0.36, size * 0.07));
    painter.drawRect(QRectF(size * 0.465, size * 0.12, size * 0.07, size * 0.16));
    painter.drawEllipse(QPointF(size * 0.5, size * 0.11), size * 0.055, size * 0.055);
}

} // namespace

QPixmap draw_app_icon(int size) {
    if (size < 1) {
        size = 1;
    }
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = size;

    QLinearGradient tile(0, 0, 0, s);
    tile.setColorAt(0, deep_blue.lighter(130));
    tile.setColorAt(1, night_blue);
    painter.setPen(Qt::NoPen);
    painter.setBrush(tile);
    painter.drawRoundedRect(QRectF(0, 0, s, s), s * 0.18, s * 0.18);

    QLinearGradient shield(0, s * 0.16, 0, s * 0.9);
    shield.setColorAt(0, crimson);
    shield.setColorAt(1, dark_crimson);
    painter.setBrush(shield);
    painter.setPen(QPen(gold, std::max(1.0, s / 14.0)));
    painter.drawPath(shield_path(s));

    draw_sword(painter, s);
    return pixmap;
}

QPixmap draw_banner(qreal device_pixel_ratio) {
    constexpr int width = 300;
    constexpr int height = 64;
    const qreal ratio = device_pixel_ratio >= 1.0 ? device_pixel_ratio : 1.0;
    QPixmap pixmap(qRound(width * ratio), qRound(height * ratio));
    pixmap.setDevicePixelRatio(ratio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient sky(0, 0, width, height);
    sky.setColorAt(0, night_blue);
    sky.setColorAt(0.6, deep_blue);
    sky.setColorAt(1, QColor(0x2F, 0x5F, 0x6B));
    painter.fillRect(QRect(0, 0, width, height), sky);

    // Faint rune-like strokes across the background.
    painter.setPen(QPen(QColor(255, 255, 255, 18), 1));
    for (int x = -height; x < width; x += 14) {
        painter.drawLine(x, height, x + height, 0);
    }

    QPixmap emblem = draw_app_icon(qRound(48 * ratio));
    emblem.setDevicePixelRatio(ratio);
    painter.drawPixmap(10, 8, emblem);

    QFont title(QStringLiteral("Serif"));
    title.setStyleHint(QFont::Serif);
    title.setPixelSize(28);
    title.setBold(true);
    painter.setFont(title);
    const QRect title_area(70, 4, width - 76, 36);
    painter.setPen(QColor(0, 0, 0, 150));
    painter.drawText(title_area.translated(2, 2), Qt::AlignLeft | Qt::AlignBottom,
                     QStringLiteral("Torvane"));
    painter.setPen(gold);
    painter.drawText(title_area, Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Torvane"));

    QFont subtitle(QStringLiteral("Serif"));
    subtitle.setStyleHint(QFont::Serif);
    subtitle.setPixelSize(13);
    subtitle.setItalic(true);
    painter.setFont(subtitle);
    painter.setPen(parchment);
    painter.drawText(QRect(72, 40, width - 78, 18), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Database degli oggetti"));

    painter.setPen(QPen(gold, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0.5, 0.5, width - 1, height - 1));
    return pixmap;
}

QPixmap draw_line_mark(LineMark mark, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    painter.setPen(QPen(QColor(0, 0, 0, 120), std::max(1.0, s / 16.0)));
    QPen sign(Qt::white, std::max(1.5, s / 7.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    if (mark == LineMark::added) {
        painter.setBrush(QColor(0x1E, 0x8C, 0x3A));
        painter.drawEllipse(QRectF(s * 0.06, s * 0.06, s * 0.88, s * 0.88));
        painter.setPen(sign);
        painter.drawLine(QPointF(s * 0.5, s * 0.27), QPointF(s * 0.5, s * 0.73));
        painter.drawLine(QPointF(s * 0.27, s * 0.5), QPointF(s * 0.73, s * 0.5));
    } else {
        painter.setBrush(QColor(0xD9, 0x82, 0x0B));
        const QPointF diamond[] = {QPointF(s * 0.5, s * 0.02), QPointF(s * 0.98, s * 0.5),
                                   QPointF(s * 0.5, s * 0.98), QPointF(s * 0.02, s * 0.5)};
        painter.drawPolygon(diamond, 4);
        painter.setPen(sign);
        painter.setBrush(Qt::NoBrush);
        QPainterPath tilde;
        tilde.moveTo(s * 0.28, s * 0.56);
        tilde.cubicTo(s * 0.38, s * 0.36, s * 0.5, s * 0.44, s * 0.5, s * 0.5);
        tilde.cubicTo(s * 0.5, s * 0.56, s * 0.62, s * 0.64, s * 0.72, s * 0.44);
        painter.drawPath(tilde);
    }
    return pixmap;
}
