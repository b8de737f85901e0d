// The "Network/Node Calculator" tab: host ID, network ID, broadcast and nodes
// of an address under a mask.
#include "ui/main/frmnetquill.h"

#include "core/calculators/networknode.h"
#include "core/lines/clipboardtext.h"
#include "ui/widgets/addressfield.h"
#include "ui/widgets/clipboard.h"

#include <QComboBox>

void frmNetquill::btnCalculate_Click()
{
    for (AddressField *octet : txtIP) {
        if (octet->text().isEmpty())
            octet->setText(QStringLiteral("0"));
    }
    // Before any mask was chosen the last one stays (none at start-up).
    if (const int chosen = cboNetworkSubnetMask->currentIndex(); chosen >= 0)
        m_networkPrefix = netquill::Prefix(netquill::kShortestMask + chosen);

    const netquill::NetworkNodeResult result = netquill::CalculateNetworkNode({octetTexts(txtIP), m_networkPrefix});
    for (std::size_t k = 0; k < txtIP.size(); ++k)
        txtIP[k]->setText(QString::fromStdString(result.octets[k]));
    txtHostID->setText(QString::fromStdString(result.hostID));
    txtNetworkID->setText(QString::fromStdString(result.networkID));
    txtBroadcastAddress->setText(QString::fromStdString(result.broadcastAddress));
    txtNodesPerSubnet->setText(QString::fromStdString(result.nodesInSubnet));
}

void frmNetquill::btnClearNetwork_Click()
{
    for (AddressField *octet : txtIP)
        octet->clear();
    selectEntry(cboNetworkSubnetMask, 0);
    for (QLineEdit *result : {txtHostID, txtNetworkID, txtBroadcastAddress, txtNodesPerSubnet})
        result->clear();
    txtIP.front()->setFocus(Qt::OtherFocusReason);
}

netquill::NetworkNodeTexts frmNetquill::readNetworkNodeTexts() const
{
    netquill::NetworkNodeTexts texts;
    texts.octets = octetTexts(txtIP);
    texts.subnetMask = cboNetworkSubnetMask->currentText().toStdString();
    texts.maskBits = cboNetworkBits->currentText().toStdString();
    texts.hostID = txtHostID->text().toStdString();
    texts.networkID = txtNetworkID->text().toStdString();
    texts.broadcastAddress = txtBroadcastAddress->text().toStdString();
    texts.nodesInSubnet = txtNodesPerSubnet->text().toStdString();
    return texts;
}

void frmNetquill::btnCopyTab2ToClipboard_Click()
{
    replaceClipboardText(netquill::BuildNetworkNodeClipboardText(readNetworkNodeTexts()));
}

// Choosing a mask keeps its two lists in step; it does not recalculate.
void frmNetquill::cboNetworkSubnetMask_Click() { pairMaskLists(cboNetworkSubnetMask, cboNetworkBits); }
void frmNetquill::cboNetworkBits_Click() { pairMaskLists(cboNetworkBits, cboNetworkSubnetMask); }
