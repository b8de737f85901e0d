#pragma once

#include <QHash>
#include <QString>
#include <QWidget>

#include <span>

// Window layouts written as data: one row per control with its kind, caption and
// rectangle in twips, turned into widgets by buildControls.
enum class ControlKind {
    Label,
    Link,          // a web link (LinkLabel)
    Dot,           // the centred "." between two octet fields
    OctetField,    // decimal digits, "." moves on
    DecimalField,  // each field as long as core/fieldrules.h lets it be
    HexadecimalField,
    OctalField,
    BinaryField,
    TextField,    // free text, read as a whole by the core
    ResultField,  // read-only display
    Button,
    Option,
    CheckBox,
    DropDown,
    Line,  // a horizontal separator
};

struct ControlRow {
    const char *name;
    ControlKind kind;
    const char *caption;
    int left, top, width, height;  // twips
    const char *buddy = nullptr;   // a label's: the control it names (the first of an address's four octets)
};

// Screen layouts are kept in twips: 15 make one pixel at 96 dpi.
constexpr int kTwipsPerPixel = 15;
QRect fromTwips(int left, int top, int width, int height);

// The controls of one table, by name.
class ControlSet
{
public:
    template <typename Widget>
    Widget *get(const char *name) const
    {
        auto *widget = qobject_cast<Widget *>(m_byName.value(QString::fromLatin1(name)));
        if (!widget)
            qFatal("ControlSet: no control %s of the kind asked for", name);
        return widget;
    }
    void add(QWidget *widget) { m_byName.insert(widget->objectName(), widget); }

private:
    QHash<QString, QWidget *> m_byName;
};

// A centred label for windows laid out by hand, in pixels.
class QLabel;
QLabel *addCentredLabel(QWidget *parent, const char *name, const QString &text, const QFont &font,
                        const QRect &geometry);

// Creates the controls of the table inside the parent, in the table's order,
// which is also their Tab order.
ControlSet buildControls(QWidget *parent, std::span<const ControlRow> table);
