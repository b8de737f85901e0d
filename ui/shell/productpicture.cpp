#include "ui/shell/productpicture.h"

#include <QPainter>
#include <QSvgRenderer>

QPixmap productPicture(int side)
{
    QSvgRenderer renderer(QStringLiteral(":/shell/netquill.svg"));
    QPixmap picture(side, side);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    renderer.render(&painter);
    return picture;
}

QIcon productIcon()
{
    QIcon icon;
    for (const int side : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(productPicture(side));
    return icon;
}
