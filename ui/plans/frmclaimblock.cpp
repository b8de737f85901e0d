#include "ui/plans/frmclaimblock.h"

#include "ui/widgets/netquillfont.h"
#include "ui/widgets/reasonlabel.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

frmClaimBlock::frmClaimBlock(const netquill::Plan &plan, const netquill::AnyBlock &proposed, QWidget *owner)
    : QDialog(owner), m_plan(plan), m_block(proposed)
{
    setObjectName(QStringLiteral("frmClaimBlock"));
    setWindowTitle(QStringLiteral("Claim Block"));
    setFont(netquillFont());

    auto *prompt =
        new QLabel(QStringLiteral("A block inside a free subnet of the plan, which is halved down to it:"), this);
    prompt->setWordWrap(true);
    txtBlock = new QLineEdit(QString::fromStdString(proposed.text()), this);
    txtBlock->setObjectName(QStringLiteral("txtBlock"));
    txtBlock->setAccessibleName(QStringLiteral("Block"));
    txtName = new QLineEdit(this);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setAccessibleName(QStringLiteral("Name"));
    lblReason = newReasonLabel(this, "Why the block cannot be claimed");
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("&Block:"), txtBlock);
    fields->addRow(QStringLiteral("&Name:"), txtName);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addLayout(fields);
    layout->addWidget(lblReason);
    layout->addWidget(m_buttons);
    // Wide enough for an IPv6 block written out whole.
    setMinimumWidth(txtBlock->fontMetrics().horizontalAdvance(QString(52, QLatin1Char('0'))));

    connect(txtBlock, &QLineEdit::textChanged, this, &frmClaimBlock::txtBlock_Change);
    connect(txtName, &QLineEdit::textChanged, this, &frmClaimBlock::txtBlock_Change);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    txtBlock_Change();
    // The block is proposed; its name is what the user types first.
    txtName->setFocus();
}

std::string frmClaimBlock::name() const { return txtName->text().trimmed().toStdString(); }

void frmClaimBlock::txtBlock_Change()
{
    const std::string typed = txtBlock->text().trimmed().toStdString();
    const auto block = netquill::parseAnyBlock(typed);
    QString reason;
    if (!block) {
        reason =
            QStringLiteral("\"%1\" %2.").arg(QString::fromStdString(typed), QString::fromStdString(block.reason()));
    } else if (const auto refusal = m_plan.claimRefusal(*block, name())) {
        reason = QString::fromStdString(refusal->text()) + QLatin1Char('.');
    } else if (name().empty()) {
        reason = QStringLiteral("Name the block to claim it.");
    } else {
        m_block = *block;
    }
    showReason(lblReason, reason, txtBlock->width());
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(reason.isEmpty());
}
