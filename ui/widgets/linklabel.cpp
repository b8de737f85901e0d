#include "ui/widgets/linklabel.h"

#include <QAccessibleWidget>
#include <QFocusEvent>
#include <QKeyEvent>

namespace {

// Screen readers hear a link, named by its caption, that their "press" opens.
class AccessibleLink : public QAccessibleWidget
{
public:
    AccessibleLink(LinkLabel *label, const QString &caption)
        : QAccessibleWidget(label, QAccessible::Link, caption), m_caption(caption)
    {
        addControllingSignal(QStringLiteral("linkActivated(QString)"));
    }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? m_caption : QAccessibleWidget::text(kind);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            static_cast<LinkLabel *>(widget())->activate();
    }

private:
    QString m_caption;
};

QAccessibleInterface *accessibleLinkFor(const QString &className, QObject *object)
{
    auto *label = qobject_cast<LinkLabel *>(object);
    return className == QLatin1String("LinkLabel") && label ? new AccessibleLink(label, label->caption()) : nullptr;
}

}  // namespace

LinkLabel::LinkLabel(const QString &caption, QWidget *parent) : QLabel(parent), m_caption(caption)
{
    static const bool factoryInstalled = (QAccessible::installFactory(accessibleLinkFor), true);
    Q_UNUSED(factoryInstalled);
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
        activate();
        return;
    }
    QLabel::keyPressEvent(event);
}

void LinkLabel::activate() { emit linkActivated(m_address); }
