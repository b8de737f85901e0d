#include "ui/widgets/addressfield.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

#include <algorithm>

AddressField::AddressField(netquill::KeystrokeRule rule, int maxLength, QWidget *parent)
    : QLineEdit(parent), m_rule(rule)
{
    setMaxLength(maxLength);
}

void AddressField::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste)) {
        if (!isReadOnly())
            pasteWhole(QApplication::clipboard()->text());
        return;
    }
    const QString typed = event->text();
    // Editing and moving keys (Backspace, Delete, arrows, Ctrl+A …) keep their usual meaning.
    const bool typesText =
        std::any_of(typed.cbegin(), typed.cend(), [](QChar c) { return c.isPrint() || c.isSurrogate(); });
    if (!typesText) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    typeText(typed);
}

// Every character typed, one or many to a key (an emoji, an input method's
// commit), goes through the field's rules one by one.
void AddressField::typeText(const QString &typed)
{
    for (qsizetype k = 0; k < typed.size(); ++k) {
        const QChar typedChar = typed[k];
        const char character = typedChar.unicode() < 0x80 ? static_cast<char>(typedChar.unicode()) : '\0';
        if (typedChar.isHighSurrogate() && k + 1 < typed.size() && typed[k + 1].isLowSurrogate())
            ++k;  // one character beyond the digits, dropped whole
        const netquill::KeystrokeOutcome outcome = netquill::filterKeystroke(m_rule, character);
        switch (outcome.action) {
        case netquill::KeystrokeAction::MoveToNextField:
            if (m_dotTarget) {
                m_dotTarget->setFocus(Qt::OtherFocusReason);
                // What follows the dot is typed into the next octet.
                if (auto *next = qobject_cast<AddressField *>(m_dotTarget))
                    next->typeText(typed.mid(k + 1));
                return;
            }
            break;
        case netquill::KeystrokeAction::Insert:
            if (!isReadOnly())
                insert(QString(QChar(outcome.character)));
            break;
        case netquill::KeystrokeAction::Drop:
            break;
        }
    }
}

void AddressField::pasteWhole(const QString &text)
{
    if (isReadOnly())
        return;
    if (m_octetGroup.front() && fillOctetGroup(text))
        return;
    const int room = maxLength() - static_cast<int>(this->text().size()) + static_cast<int>(selectedText().size());
    const auto digits =
        netquill::pastedDigits(m_rule.charset, text.toStdString(), static_cast<std::size_t>(std::max(room, 0)));
    if (!digits) {
        QApplication::beep();
        return;
    }
    insert(QString::fromStdString(*digits));
}

bool AddressField::fillOctetGroup(const QString &text)
{
    const auto octets =
        netquill::dottedAddressInPaste(text.toStdString(), static_cast<std::size_t>(m_octetGroup.front()->maxLength()));
    if (!octets)
        return false;
    for (std::size_t k = 0; k < m_octetGroup.size(); ++k)
        m_octetGroup[k]->setText(QString::fromStdString((*octets)[k]));
    return true;
}

void AddressField::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (!m_selectsOnEntry()) {
        deselect();
        return;
    }
    selectAll();
    // The press that brought the focus would place the cursor and lose the selection.
    m_selectAfterClick = event->reason() == Qt::MouseFocusReason;
}

void AddressField::mousePressEvent(QMouseEvent *event)
{
    QLineEdit::mousePressEvent(event);
    if (m_selectAfterClick)
        selectAll();
    m_selectAfterClick = false;
}

void AddressField::mouseReleaseEvent(QMouseEvent *event)
{
    // The X11 selection pasted by the middle button goes through the same rules.
    if (event->button() == Qt::MiddleButton && QApplication::clipboard()->supportsSelection()) {
        pasteWhole(QApplication::clipboard()->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void AddressField::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The entry wired to QLineEdit::paste is the paste entry, whatever its
    // caption's language (Qt 6.4 gives the entries no object names). Qt wires
    // it by name; a later Qt may wire it by pointer.
    for (QAction *entry : menu->actions()) {
        if (disconnect(entry, SIGNAL(triggered()), this, SLOT(paste())) ||
            disconnect(entry, &QAction::triggered, this, &QLineEdit::paste))
            connect(entry, &QAction::triggered, this, [this] { pasteWhole(QApplication::clipboard()->text()); });
    }
    menu->popup(event->globalPos());
}

void AddressField::dragEnterEvent(QDragEnterEvent *event)
{
    if (isReadOnly() || !event->mimeData()->hasText()) {
        event->ignore();
        return;
    }
    QLineEdit::dragEnterEvent(event);
}

void AddressField::dropEvent(QDropEvent *event)
{
    if (isReadOnly() || !event->mimeData()->hasText()) {
        event->ignore();
        return;
    }
    setCursorPosition(cursorPositionAt(event->position().toPoint()));
    pasteWhole(event->mimeData()->text());
    event->acceptProposedAction();
}

void AddressField::inputMethodEvent(QInputMethodEvent *event)
{
    // Text composed by an input method is typed text too; only its committed part counts.
    const QString committed = event->commitString();
    QInputMethodEvent withoutCommit(event->preeditString(), event->attributes());
    withoutCommit.setCommitString(QString(), event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&withoutCommit);
    typeText(committed);
}

std::array<std::string, 4> octetTexts(const std::array<AddressField *, 4> &fields)
{
    std::array<std::string, 4> texts;
    for (std::size_t k = 0; k < fields.size(); ++k)
        texts[k] = fields[k]->text().toStdString();
    return texts;
}
