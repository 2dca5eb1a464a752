#include "shell/ApplicationIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>

namespace {

// Paints the icon on a 64 by 64 grid, scaled to the pixmap's size.
QPixmap Paint(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);

    QLinearGradient sky(0, 0, 0, 64);
    sky.setColorAt(0, QColor(0x3b, 0x7d, 0xd8));
    sky.setColorAt(1, QColor(0x1f, 0x4f, 0x9a));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);

    // The ledger page with its margin and ruled lines.
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(QRectF(14, 12, 30, 40), 3, 3);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(12, 10, 30, 40), 3, 3);
    p.setPen(QPen(QColor(0xd6, 0x45, 0x3d), 1.5));
    p.drawLine(QLineF(18, 12, 18, 48));
    p.setPen(QPen(QColor(0x9a, 0xa8, 0xbc), 2));
    for (int y = 19; y <= 43; y += 6)
        p.drawLine(QLineF(21, y, 37, y));

    // The coin.
    QLinearGradient gold(34, 34, 56, 56);
    gold.setColorAt(0, QColor(0xf9, 0xd2, 0x5c));
    gold.setColorAt(1, QColor(0xd9, 0x8e, 0x16));
    p.setPen(QPen(QColor(0xa8, 0x6d, 0x0a), 2));
    p.setBrush(gold);
    p.drawEllipse(QPointF(45, 45), 12, 12);
    p.setPen(QPen(Qt::white, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QLineF(40, 39, 45, 45));
    p.drawLine(QLineF(50, 39, 45, 45));
    p.drawLine(QLineF(45, 45, 45, 53));
    p.drawLine(QLineF(41, 46.5, 49, 46.5));
    p.drawLine(QLineF(41, 50, 49, 50));
    return pixmap;
}

} // namespace

QIcon ApplicationIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(Paint(size));
    return icon;
}
