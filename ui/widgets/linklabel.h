#pragma once

#include <QLabel>

// A web link as Qt's own rich-text label: blue and underlined, a pointing hand
// under the mouse, linkActivated when clicked. Reached by one Tab, as a
// button is, and opened by Enter or Space.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    LinkLabel(const QString &caption, QWidget *parent);

    // The address the caption links to.
    void setLink(const QString &address);
    const QString &caption() const { return m_caption; }
    // Opens the link, as a click does.
    void activate();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString m_caption;
    QString m_address;
};
