#pragma once

#include "core/fields/fieldrules.h"

#include <QLineEdit>

#include <array>
#include <functional>
#include <string>

// A field that holds one address notation: typing lets only that notation's
// characters through and pasting only a whole number in it, "." in an octet
// field moves on to the next control, and entering the field selects its text.
class AddressField : public QLineEdit
{
    Q_OBJECT

public:
    AddressField(netquill::KeystrokeRule rule, int maxLength, QWidget *parent);

    // The control that "." moves the focus to (octet fields only).
    void setDotTarget(QWidget *target) { m_dotTarget = target; }
    // Whether entering the field selects its text; always, unless told otherwise.
    void setSelectsOnEntry(std::function<bool()> rule) { m_selectsOnEntry = std::move(rule); }
    // The four octet fields of the tab, which a pasted dotted address fills.
    void setOctetGroup(const std::array<AddressField *, 4> &group) { m_octetGroup = group; }

    // Inserts pasted text whole, as the field's notation holds it, or
    // nothing, with a beep: a paste is never cut into another number.
    void pasteWhole(const QString &text);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    void typeText(const QString &typed);
    bool fillOctetGroup(const QString &text);

    netquill::KeystrokeRule m_rule;
    QWidget *m_dotTarget = nullptr;
    std::function<bool()> m_selectsOnEntry = [] { return true; };
    std::array<AddressField *, 4> m_octetGroup{};
    bool m_selectAfterClick = false;
};

// The texts of a tab's four octet fields.
std::array<std::string, 4> octetTexts(const std::array<AddressField *, 4> &fields);
