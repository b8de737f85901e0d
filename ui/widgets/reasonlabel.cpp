#include "ui/widgets/reasonlabel.h"

#include <QLabel>

QLabel *newReasonLabel(QWidget *owner, const char *accessibleName)
{
    auto *label = new QLabel(owner);
    label->setObjectName(QStringLiteral("lblReason"));
    label->setAccessibleName(QString::fromLatin1(accessibleName));
    label->setWordWrap(true);
    label->setMinimumHeight(2 * label->fontMetrics().lineSpacing());
    return label;
}

void showReason(QLabel *label, const QString &reason, int lineWidth)
{
    label->setText(label->fontMetrics().elidedText(reason, Qt::ElideRight, 2 * lineWidth));
    label->setToolTip(reason);
}
