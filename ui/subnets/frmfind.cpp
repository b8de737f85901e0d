#include "ui/subnets/frmfind.h"

#include "ui/widgets/netquillfont.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmFind::frmFind(const netquill::SubnetListing &listing, QWidget *owner) : QDialog(owner), m_listing(listing)
{
    setObjectName(QStringLiteral("frmFind"));
    setWindowTitle(QStringLiteral("Find Row or Address"));
    setFont(netquillFont());
    setWindowModality(Qt::WindowModal);

    auto *prompt =
        new QLabel(QStringLiteral("&Row (%1) or address:").arg(QString::fromStdString(listing.rowNumbers())), this);
    prompt->setObjectName(QStringLiteral("lblFind"));
    txtFind = new QLineEdit(this);
    txtFind->setObjectName(QStringLiteral("txtFind"));
    txtFind->setAccessibleName(QStringLiteral("Row or address"));
    prompt->setBuddy(txtFind);
    // Long enough for an expanded IPv6 address or a row number of 39 digits.
    txtFind->setMinimumWidth(txtFind->fontMetrics().horizontalAdvance(QString(41, QLatin1Char('0'))));
    lblReason = new QLabel(this);
    lblReason->setObjectName(QStringLiteral("lblReason"));
    lblReason->setAccessibleName(QStringLiteral("Why the row is not found"));
    lblReason->setWordWrap(true);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(false);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(txtFind);
    layout->addWidget(lblReason);
    layout->addWidget(m_buttons);
    // The reason line keeps its room, so the box does not jump as it comes and goes.
    lblReason->setMinimumHeight(3 * lblReason->fontMetrics().lineSpacing());

    connect(txtFind, &QLineEdit::textChanged, this, &frmFind::txtFind_Change);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void frmFind::txtFind_Change()
{
    const QString text = txtFind->text();
    const auto found = m_listing.findRow(text.toStdString());
    if (found)
        m_row = *found;
    // A reason that quotes a long text is shortened with "…" to the three
    // lines it has; its tooltip has it whole.
    const QString reason = found || text.trimmed().isEmpty() ? QString() : QString::fromStdString(found.reason());
    lblReason->setText(lblReason->fontMetrics().elidedText(reason, Qt::ElideRight, 2 * txtFind->width()));
    lblReason->setToolTip(reason);
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(static_cast<bool>(found));
}
