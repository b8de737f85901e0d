#pragma once

#include "core/planning/plan.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QVBoxLayout;
namespace netquill {
class HostRule;
}
class QPlainTextEdit;

// Edit > Place Requests: named requests, one a line as netquill-cli vlsm
// takes them, checked as they are typed; OK only once every line reads. An
// IPv4 request for hosts is sized by RFC 3021 or a cloud provider's rule.
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
    void cboCloud_Change();

private:
    void addHostRuleChoices(QVBoxLayout *layout);
    netquill::HostRule hostRule() const;

    const netquill::Plan &m_plan;
    netquill::Family m_family;
    std::vector<netquill::SubnetRequest> m_requests;

    QPlainTextEdit *txtRequests = nullptr;
    // IPv4 only: the host rule.
    QCheckBox *chkRfc3021 = nullptr;
    QComboBox *cboCloud = nullptr;  // "None", then the providers in the core's order
    QLabel *lblCloudRule = nullptr;
    QLabel *lblReason = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};
