#include "ui/plans/frmplacerequests.h"

#include "core/planning/hostrule.h"
#include "core/planning/requesttext.h"
#include "ui/widgets/netquillfont.h"
#include "ui/widgets/reasonlabel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
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
    if (m_family == netquill::Family::Ipv4)
        addHostRuleChoices(layout);
    layout->addWidget(lblReason);
    layout->addWidget(m_buttons);
    // Wide enough for an IPv6 address count of 39 digits and a name.
    setMinimumWidth(txtRequests->fontMetrics().horizontalAdvance(QString(60, QLatin1Char('0'))));

    connect(txtRequests, &QPlainTextEdit::textChanged, this, &frmPlaceRequests::txtRequests_Change);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void frmPlaceRequests::addHostRuleChoices(QVBoxLayout *layout)
{
    chkRfc3021 = new QCheckBox(QStringLiteral("RFC &3021: a /31 holds two hosts"), this);
    chkRfc3021->setObjectName(QStringLiteral("chkRfc3021"));
    cboCloud = new QComboBox(this);
    cboCloud->setObjectName(QStringLiteral("cboCloud"));
    cboCloud->setAccessibleName(QStringLiteral("Cloud"));
    cboCloud->addItem(QStringLiteral("None"));
    for (const netquill::CloudRule &rule : netquill::kCloudRules)
        cboCloud->addItem(QString::fromUtf8(rule.name.data(), static_cast<qsizetype>(rule.name.size())));
    auto *cloudLabel = new QLabel(QStringLiteral("C&loud:"), this);
    cloudLabel->setBuddy(cboCloud);
    lblCloudRule = new QLabel(this);
    lblCloudRule->setObjectName(QStringLiteral("lblCloudRule"));
    lblCloudRule->setWordWrap(true);
    lblCloudRule->hide();

    auto *cloudRow = new QHBoxLayout;
    cloudRow->addWidget(chkRfc3021);
    cloudRow->addStretch();
    cloudRow->addWidget(cloudLabel);
    cloudRow->addWidget(cboCloud);
    layout->addLayout(cloudRow);
    layout->addWidget(lblCloudRule);
    connect(chkRfc3021, &QCheckBox::toggled, this, &frmPlaceRequests::txtRequests_Change);
    connect(cboCloud, &QComboBox::currentIndexChanged, this, &frmPlaceRequests::cboCloud_Change);
}

netquill::HostRule frmPlaceRequests::hostRule() const
{
    if (cboCloud && cboCloud->currentIndex() > 0)
        return netquill::HostRule::inCloud(netquill::kCloudRules[cboCloud->currentIndex() - 1].provider);
    return chkRfc3021 && chkRfc3021->isChecked() ? netquill::HostRule::pointToPoint() : netquill::HostRule();
}

void frmPlaceRequests::cboCloud_Change()
{
    // A cloud has no /31 subnets: RFC 3021 has nothing to size there.
    const netquill::CloudRule *cloud = hostRule().cloud();
    chkRfc3021->setEnabled(!cloud);
    if (cloud)
        lblCloudRule->setText(
            QString::fromStdString(std::string(cloud->name) + " keeps " + netquill::cloudKeptAddresses(*cloud) +
                                   " of every subnet; its subnets are " + netquill::cloudSizes(*cloud) + "."));
    lblCloudRule->setVisible(cloud);
    txtRequests_Change();
}

void frmPlaceRequests::txtRequests_Change()
{
    const std::string text = txtRequests->toPlainText().toStdString();
    const auto requests = netquill::parseRequestLines(text, m_family, hostRule());
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
