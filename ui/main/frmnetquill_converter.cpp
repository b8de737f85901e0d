// The "Netquill" tab: one address in five notations.
#include "ui/main/frmnetquill.h"

#include "core/lines/clipboardtext.h"
#include "ui/widgets/addressfield.h"
#include "ui/widgets/clipboard.h"
#include "ui/widgets/eventhook.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QKeyEvent>

using netquill::AddressFields;
using netquill::AddressNotation;

netquill::AddressNotation frmNetquill::chosenNotation() const
{
    return static_cast<AddressNotation>(m_notationOptions->checkedId());
}

QList<AddressField *> frmNetquill::fieldsOf(AddressNotation notation) const
{
    switch (notation) {
    case AddressNotation::DottedQuad:
        return {txtDottedQuad.begin(), txtDottedQuad.end()};
    case AddressNotation::Decimal:
        return {txtDecimal};
    case AddressNotation::Hexadecimal:
        return {txtHexadecimal};
    case AddressNotation::Octal:
        return {txtOctal};
    case AddressNotation::Binary:
        return {txtBinary};
    }
    return {};
}

// The eight fields in the tab's own order: octets 1 to 4, Decimal, Hexadecimal, Octal, Binary.
std::array<AddressField *, 8> frmNetquill::converterFields() const
{
    return {txtDottedQuad[0], txtDottedQuad[1], txtDottedQuad[2], txtDottedQuad[3],
            txtDecimal,       txtHexadecimal,   txtOctal,         txtBinary};
}

void frmNetquill::chooseNotation(AddressNotation notation)
{
    const QList<AddressField *> chosen = fieldsOf(notation);
    for (AddressField *field : converterFields())
        showReadOnly(field, !chosen.contains(field));
    for (AddressField *field : converterFields())
        field->setFocusPolicy(chosen.contains(field) ? Qt::StrongFocus : Qt::ClickFocus);
    focusChosenNotationField();
}

void frmNetquill::focusChosenNotationField() { fieldsOf(chosenNotation()).front()->setFocus(Qt::OtherFocusReason); }

// An arrow key on a notation option chooses the next or previous notation as
// a click does, so the focus goes on to its field; Qt's own arrow handling
// would leave the focus on the option button. The neighbour takes the focus on
// its way, as under a mouse click, so that Tab comes back into the group on it.
void frmNetquill::letArrowKeysChooseNotations()
{
    for (QAbstractButton *option : m_notationOptions->buttons()) {
        new EventHook(option, [this, option](QEvent *event) {
            return event->type() == QEvent::KeyPress &&
                   chooseNeighbourNotation(option, static_cast<QKeyEvent *>(event));
        });
    }
}

bool frmNetquill::chooseNeighbourNotation(QAbstractButton *option, const QKeyEvent *key)
{
    int step = 0;
    if (key->key() == Qt::Key_Down || key->key() == Qt::Key_Right)
        step = 1;
    else if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Left)
        step = -1;
    if (step == 0)
        return false;
    if (QAbstractButton *neighbour = m_notationOptions->button(m_notationOptions->id(option) + step)) {
        neighbour->setFocus(Qt::OtherFocusReason);
        neighbour->click();
    }
    return true;
}

void frmNetquill::optDottedQuad_Click() { chooseNotation(AddressNotation::DottedQuad); }
void frmNetquill::optDecimal_Click() { chooseNotation(AddressNotation::Decimal); }
void frmNetquill::optHexadecimal_Click() { chooseNotation(AddressNotation::Hexadecimal); }
void frmNetquill::optOctal_Click() { chooseNotation(AddressNotation::Octal); }
void frmNetquill::optBinary_Click() { chooseNotation(AddressNotation::Binary); }

AddressFields frmNetquill::readAddressFields() const
{
    AddressFields fields;
    fields.octets = octetTexts(txtDottedQuad);
    fields.decimal = txtDecimal->text().toStdString();
    fields.hexadecimal = txtHexadecimal->text().toStdString();
    fields.octal = txtOctal->text().toStdString();
    fields.binary = txtBinary->text().toStdString();
    return fields;
}

void frmNetquill::writeAddressFields(const AddressFields &fields)
{
    for (std::size_t k = 0; k < fields.octets.size(); ++k)
        txtDottedQuad[k]->setText(QString::fromStdString(fields.octets[k]));
    txtDecimal->setText(QString::fromStdString(fields.decimal));
    txtHexadecimal->setText(QString::fromStdString(fields.hexadecimal));
    txtOctal->setText(QString::fromStdString(fields.octal));
    txtBinary->setText(QString::fromStdString(fields.binary));
}

void frmNetquill::btnConvert_Click()
{
    writeAddressFields(netquill::ConvertAddress(chosenNotation(), readAddressFields()));
}

void frmNetquill::btnClearIP_Click()
{
    for (AddressField *field : converterFields())
        field->clear();
    focusChosenNotationField();
}

void frmNetquill::btnCopyTab1ToClipboard_Click()
{
    replaceClipboardText(netquill::BuildAddressClipboardText(readAddressFields()));
}
