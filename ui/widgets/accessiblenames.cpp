#include "ui/widgets/accessiblenames.h"

#include <QAbstractButton>
#include <QLabel>

namespace {

QString captionOf(const ControlRow &row)
{
    QString caption = QString::fromLatin1(row.caption).remove(QLatin1Char('&')).trimmed();
    if (caption.endsWith(QLatin1Char(':')))
        caption.chop(1);
    return caption;
}

// The label on the control's line nearest to its left, if any.
const ControlRow *labelBeside(const ControlRow &control, std::span<const ControlRow> table)
{
    const ControlRow *nearest = nullptr;
    for (const ControlRow &row : table) {
        const int middle = row.top + row.height / 2;
        const bool onTheLine = middle >= control.top && middle <= control.top + control.height;
        if (row.kind != ControlKind::Label || !onTheLine || row.left + row.width > control.left + 200 ||
            row.left >= control.left)
            continue;
        if (!nearest || row.left > nearest->left)
            nearest = &row;
    }
    return nearest;
}

bool namedByLabel(ControlKind kind)
{
    switch (kind) {
    case ControlKind::OctetField:
    case ControlKind::DecimalField:
    case ControlKind::HexadecimalField:
    case ControlKind::OctalField:
    case ControlKind::BinaryField:
    case ControlKind::ResultField:
    case ControlKind::DropDown:
        return true;
    default:
        return false;
    }
}

}  // namespace

void nameControlsFromTheirLabels(const ControlSet &controls, std::span<const ControlRow> table)
{
    QHash<const ControlRow *, int> octetsSoFar;
    for (const ControlRow &row : table) {
        QWidget *control = controls.get<QWidget>(row.name);
        if (!namedByLabel(row.kind)) {
            // An option chooses the notation whose field bears the same caption.
            if (qobject_cast<QAbstractButton *>(control))
                control->setAccessibleName(captionOf(row) +
                                           (row.kind == ControlKind::Option ? QStringLiteral(" notation") : QString()));
            continue;
        }
        const ControlRow *label = labelBeside(row, table);
        if (!label)
            continue;
        controls.get<QLabel>(label->name)->setBuddy(control);
        QString name = captionOf(*label);
        if (name == QLatin1String("or /"))
            name = captionOf(*labelBeside(*label, table)) + QStringLiteral(" bits");
        if (row.kind == ControlKind::OctetField)
            name += QStringLiteral(", octet %1").arg(++octetsSoFar[label]);
        control->setAccessibleName(name);
    }
}

void tellApartLikeNames(QWidget *window, const std::function<QString(const QWidget *)> &placeOf)
{
    QHash<QString, QList<QWidget *>> byName;
    for (QWidget *control : window->findChildren<QWidget *>())
        if (!control->accessibleName().isEmpty())
            byName[control->accessibleName()] << control;
    for (const QList<QWidget *> &alike : std::as_const(byName))
        if (alike.size() > 1)
            for (QWidget *control : alike)
                control->setAccessibleName(control->accessibleName() + QStringLiteral(" (%1)").arg(placeOf(control)));
}
