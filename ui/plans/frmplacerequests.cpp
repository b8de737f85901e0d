#include "ui/plans/frmplacerequests.h"

#include "core/planning/requesttext.h"
#include "ui/widgets/netquillfont.h"
#include "ui/widgets/reasonlabel.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmPlaceRequests::frmPlaceRequests(const netquill::Plan &plan, const netquill::AnyBlock &node, QWidget *owner)
    : QDialog(owner), m_plan(plan), m_family(node.family())
{
    setObjectName(QStringLiteral("frmPlaceRequests"));
    setWindowTitle(QStringLiteral("Place Requests"));
    setFont(netquillFont());

    auto *prompt = new QLabel(
        QStringLiteral("&Requests to place in the free subnets of %1, one a line as NAME=AMOUNT: the amount in %2, "
                       "or /LENGTH. The largest goes first, each at the lowest free address.")
            .arg(QString::fromStdString(node.text()),
                 m_family == netquill::Family::Ipv6 ? QStringLiteral("addresses") : QStringLiteral("usable hosts")),
        this);
    prompt->setObjectName(QStringLiteral("lblRequests"));
    prompt->setWordWrap(true);
    txtRequests = new QPlainTextEdit(this);
    txtRequests->setObjectName(QStringLiteral("txtRequests"));
    txtRequests->setAccessibleName(QStringLiteral("Requests"));
    // Tab leaves the box, as in every other field of a dialog.
    txtRequests->setTabChangesFocus(true);
    txtRequests->setPlaceholderText(m_family == netquill::Family::Ipv6 ? QStringLiteral("servers=/64\nclients=/60")
                                                                       : QStringLiteral("office=100\nlab=50\nlink=2"));
    prompt->setBuddy(txtRequests);
    lblReason = newReasonLabel(this, "Why the requests cannot be read");
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(false);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(txtRequests);
    if (m_family == netquill::Family::Ipv4) {
        chkRfc3021 = new QCheckBox(QStringLiteral("RFC &3021: a /31 holds two hosts"), this);
        chkRfc3021->setObjectName(QStringLiteral("chkRfc3021"));
        layout->addWidget(chkRfc3021);
        connect(chkRfc3021, &QCheckBox::toggled, this, &frmPlaceRequests::txtRequests_Change);
    }
    layout->addWidget(lblReason);
    layout->addWidget(m_buttons);
    // Wide enough for an IPv6 address count of 39 digits and a name.
    setMinimumWidth(txtRequests->fontMetrics().horizontalAdvance(QString(60, QLatin1Char('0'))));

    connect(txtRequests, &QPlainTextEdit::textChanged, this, &frmPlaceRequests::txtRequests_Change);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void frmPlaceRequests::txtRequests_Change()
{
    const std::string text = txtRequests->toPlainText().toStdString();
    const auto requests = netquill::parseRequestLines(text, m_family, chkRfc3021 && chkRfc3021->isChecked());
    m_requests = requests ? *requests : std::vector<netquill::SubnetRequest>();
    // Nothing typed yet is no mistake to point at.
    const bool blank = txtRequests->toPlainText().trimmed().isEmpty();
    QString reason = requests || blank ? QString() : QString::fromStdString(requests.reason()) + QLatin1Char('.');
    for (const netquill::SubnetRequest &request : m_requests)
        if (const auto refusal = m_plan.nameRefusal(request.name); refusal && reason.isEmpty())
            reason = QString::fromStdString("request '" + request.name + "': " + refusal->text() + ".");
    showReason(lblReason, reason, txtRequests->width());
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(!blank && reason.isEmpty());
}
