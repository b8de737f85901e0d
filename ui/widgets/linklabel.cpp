#include "ui/widgets/linklabel.h"

#include <QFocusEvent>
#include <QKeyEvent>

LinkLabel::LinkLabel(const QString &caption, QWidget *parent) : QLabel(parent), m_caption(caption)
{
    QPalette linkColour = palette();
    linkColour.setColor(QPalette::Link, QColor(0, 0, 255));
    setPalette(linkColour);
    setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    setLink(QString());
}

void LinkLabel::setLink(const QString &address)
{
    m_address = address;
    setText(QStringLiteral("<a href=\"%1\">%2</a>").arg(address.toHtmlEscaped(), m_caption.toHtmlEscaped()));
}

// Qt focuses the label first and its link only at the next Tab; the link is
// this label's only stop, so it takes the focus at once.
void LinkLabel::focusInEvent(QFocusEvent *event)
{
    QLabel::focusInEvent(event);
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        focusNextPrevChild(event->reason() == Qt::TabFocusReason);
}

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        emit linkActivated(m_address);
        return;
    }
    QLabel::keyPressEvent(event);
}
