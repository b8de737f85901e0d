#include "ui/widgets/controltable.h"

#include "ui/widgets/addressfield.h"
#include "ui/widgets/linklabel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

using netquill::FieldCharset;

QWidget *createControl(const ControlRow &row, QWidget *parent)
{
    const QString caption = QString::fromLatin1(row.caption);
    switch (row.kind) {
    case ControlKind::Label:
        return new QLabel(caption, parent);
    case ControlKind::Link:
        return new LinkLabel(caption, parent);
    case ControlKind::Dot: {
        auto *dot = new QLabel(caption, parent);
        dot->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        return dot;
    }
    case ControlKind::OctetField:
        return new AddressField({FieldCharset::DecimalDigits, true}, netquill::kOctetFieldLength, parent);
    case ControlKind::DecimalField:
        return new AddressField({FieldCharset::DecimalDigits, false}, netquill::kDecimalFieldLength, parent);
    case ControlKind::HexadecimalField:
        return new AddressField({FieldCharset::HexadecimalDigits, false}, netquill::kHexadecimalFieldLength, parent);
    case ControlKind::OctalField:
        return new AddressField({FieldCharset::OctalDigits, false}, netquill::kOctalFieldLength, parent);
    case ControlKind::BinaryField:
        return new AddressField({FieldCharset::BinaryDigits, false}, netquill::kBinaryFieldLength, parent);
    case ControlKind::TextField:
        return new QLineEdit(parent);
    case ControlKind::ResultField: {
        auto *field = new QLineEdit(parent);
        field->setReadOnly(true);
        field->setFocusPolicy(Qt::ClickFocus);
        return field;
    }
    case ControlKind::Button: {
        auto *button = new QPushButton(caption, parent);
        // Enter on a focused button clicks it, as Space does.
        button->setAutoDefault(true);
        return button;
    }
    case ControlKind::Option:
        return new QRadioButton(caption, parent);
    case ControlKind::CheckBox:
        return new QCheckBox(caption, parent);
    case ControlKind::DropDown: {
        auto *list = new QComboBox(parent);
        list->setEditable(false);
        return list;
    }
    case ControlKind::Line: {
        auto *line = new QFrame(parent);
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        return line;
    }
    }
    qFatal("ControlSet: control %s of an unknown kind", row.name);
}

}  // namespace

QRect fromTwips(int left, int top, int width, int height)
{
    return QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel, height / kTwipsPerPixel);
}

ControlSet buildControls(QWidget *parent, std::span<const ControlRow> table)
{
    ControlSet controls;
    QWidget *previousInTabOrder = nullptr;
    for (const ControlRow &row : table) {
        QWidget *control = createControl(row, parent);
        control->setObjectName(QString::fromLatin1(row.name));
        control->setGeometry(fromTwips(row.left, row.top, row.width, row.height));
        controls.add(control);
        if (control->focusPolicy() == Qt::NoFocus)
            continue;
        if (previousInTabOrder)
            QWidget::setTabOrder(previousInTabOrder, control);
        previousInTabOrder = control;
    }
    return controls;
}

QLabel *addCentredLabel(QWidget *parent, const char *name, const QString &text, const QFont &font,
                        const QRect &geometry)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(geometry);
    return label;
}
