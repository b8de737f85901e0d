#pragma once

#include "core/planning/plan.h"

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QLineEdit;

// Edit > Claim Block: a given block inside a free leaf, named, which the
// leaf is halved down to; checked as it is typed, with the reason when the
// plan cannot take it, OK only once it can.
class frmClaimBlock : public QDialog
{
    Q_OBJECT

public:
    // `proposed` fills the block's field (the current leaf).
    frmClaimBlock(const netquill::Plan &plan, const netquill::AnyBlock &proposed, QWidget *owner);

    // Valid once the box is accepted.
    netquill::AnyBlock block() const { return m_block; }
    std::string name() const;

private slots:
    void txtBlock_Change();

private:
    const netquill::Plan &m_plan;
    netquill::AnyBlock m_block;

    QLineEdit *txtBlock = nullptr;
    QLineEdit *txtName = nullptr;
    QLabel *lblReason = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};
