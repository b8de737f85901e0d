#pragma once

#include "core/planning/plan.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QPlainTextEdit;

// Edit > Place Requests: named requests, one a line as netquill-cli vlsm
// takes them, checked as they are typed; OK only once every line reads.
class frmPlaceRequests : public QDialog
{
    Q_OBJECT

public:
    // Names the plan holds already are refused as they are typed.
    frmPlaceRequests(const netquill::Plan &plan, const netquill::AnyBlock &node, QWidget *owner);

    // The requests the lines ask for; valid once the box is accepted.
    const std::vector<netquill::SubnetRequest> &requests() const { return m_requests; }

private slots:
    void txtRequests_Change();

private:
    const netquill::Plan &m_plan;
    netquill::Family m_family;
    std::vector<netquill::SubnetRequest> m_requests;

    QPlainTextEdit *txtRequests = nullptr;
    QCheckBox *chkRfc3021 = nullptr;  // IPv4 only
    QLabel *lblReason = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};
