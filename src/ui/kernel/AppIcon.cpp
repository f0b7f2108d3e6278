#include "ui/kernel/AppIcon.h"

#include <QPainter>

QImage drawAppIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0); // drawn on the 64-unit grid of the SVG
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x22, 0x34, 0x5c));
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    p.setBrush(QColor(0xff, 0xd6, 0x66));
    p.drawRect(QRectF(14, 12, 10, 40));
    p.drawRect(QRectF(14, 42, 26, 10));
    p.setBrush(Qt::white);
    for (const QPointF step : {QPointF(32, 30), QPointF(40, 22), QPointF(48, 14)})
        p.drawRect(QRectF(step, QSizeF(6, 6)));
    return image;
}

QIcon appIcon()
{
    // The sizes a title bar and a task switcher ask for; the desktop takes
    // the large ones from the installed icon theme, and drawing them here
    // would cost every start.
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64})
        icon.addPixmap(QPixmap::fromImage(drawAppIcon(size)));
    return icon;
}
