#include "ui/plans/plancolours.h"

#include <QPainter>
#include <QPixmap>

QColor swatchColour(netquill::BlockColour colour)
{
    // Lightness near the middle (HSL 45 to 55 %), so contrast with white and with #202020 stays about even.
    static const QColor kColours[] = {
        QColor(0xD6, 0x45, 0x45),  // red
        QColor(0xE0, 0x82, 0x2A),  // orange
        QColor(0xC9, 0xA8, 0x1E),  // yellow
        QColor(0x3E, 0xA5, 0x5A),  // green
        QColor(0x2A, 0xA1, 0x9B),  // teal
        QColor(0x3F, 0x7B, 0xD4),  // blue
        QColor(0x93, 0x5F, 0xC8),  // purple
        QColor(0x8A, 0x8F, 0x98),  // grey
    };
    return kColours[static_cast<std::size_t>(colour)];
}

QIcon swatchIcon(netquill::BlockColour colour, const QColor &frame)
{
    QPixmap square(16, 16);
    square.fill(Qt::transparent);
    QPainter painter(&square);
    painter.setPen(frame);
    painter.setBrush(swatchColour(colour));
    painter.drawRect(2, 2, 11, 11);
    return QIcon(square);
}
