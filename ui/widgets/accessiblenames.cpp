#include "ui/widgets/accessiblenames.h"

#include <QAbstractButton>
#include <QLabel>

#include <algorithm>

namespace {

QString captionOf(const ControlRow &row)
{
    QString caption = QString::fromLatin1(row.caption).remove(QLatin1Char('&')).trimmed();
    if (caption.endsWith(QLatin1Char(':')))
        caption.chop(1);
    return caption;
}

}  // namespace

void nameControlsFromTheirLabels(const ControlSet &controls, std::span<const ControlRow> table)
{
    const ControlRow *previousLabel = nullptr;
    for (const ControlRow &row : table) {
        if (row.kind == ControlKind::Button || row.kind == ControlKind::Option) {
            // An option chooses the notation whose field bears the same caption.
            controls.get<QAbstractButton>(row.name)->setAccessibleName(
                captionOf(row) + (row.kind == ControlKind::Option ? QStringLiteral(" notation") : QString()));
            continue;
        }
        if (!row.buddy)
            continue;
        QWidget *buddy = controls.get<QWidget>(row.buddy);
        controls.get<QLabel>(row.name)->setBuddy(buddy);
        QString name = captionOf(row);
        if (name == QLatin1String("or /") && previousLabel)
            name = captionOf(*previousLabel) + QStringLiteral(" bits");
        previousLabel = &row;
        const auto buddyRow = std::find_if(
            table.begin(), table.end(), [&row](const ControlRow &each) { return qstrcmp(each.name, row.buddy) == 0; });
        if (buddyRow->kind != ControlKind::OctetField) {
            buddy->setAccessibleName(name);
            continue;
        }
        for (int octet = 0; octet < 4; ++octet) {
            const ControlRow &field = buddyRow[octet];
            if (field.kind != ControlKind::OctetField)
                qFatal("accessible names: %s is not the octet field %d after %s", field.name, octet + 1, row.buddy);
            controls.get<QWidget>(field.name)->setAccessibleName(name + QStringLiteral(", octet %1").arg(octet + 1));
        }
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
