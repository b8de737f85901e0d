#include "ui/widgets/netquillfont.h"

#include <QStringList>

QFont netquillFont(qreal pointSize, QFont::Weight weight)
{
    QFont font;
    font.setFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")});
    font.setPointSizeF(pointSize);
    font.setWeight(weight);
    return font;
}
