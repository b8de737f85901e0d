// The "Subnet Calculator" tab: a CIDR block, its five linked plan lists, the
// subnet bit mask and the RFC 3021 label.
#include "ui/main/frmnetquill.h"

#include "core/calculators/masktable.h"
#include "core/fields/octet.h"
#include "core/lines/clipboardtext.h"
#include "core/productinfo.h"
#include "ui/subnets/frmsubnets.h"
#include "ui/widgets/addressfield.h"
#include "ui/widgets/clipboard.h"
#include "ui/widgets/linklabel.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScopedValueRollback>

using netquill::PlanList;

namespace {

void fill(QComboBox *list, const std::vector<std::string> &entries)
{
    for (const std::string &entry : entries)
        list->addItem(QString::fromStdString(entry));
}

}  // namespace

void frmNetquill::cboCIDRMask_Click() { chooseCidrPrefix(cboCIDRMask, cboBits); }
void frmNetquill::cboBits_Click() { chooseCidrPrefix(cboBits, cboCIDRMask); }

// Every CIDR choice starts the plan over from the undivided block.
void frmNetquill::chooseCidrPrefix(QComboBox *chosen, QComboBox *partner)
{
    if (ListSyncGuard || chosen->currentIndex() < 0)
        return;
    {
        const QScopedValueRollback<bool> guard(ListSyncGuard, true);
        selectEntry(partner, chosen->currentIndex());
        BuildPlanLists();
    }
    lblBits->setText(QStringLiteral("/") + cboBits->currentText());
    showRfc3021Label();
    UpdateSubnetBitMask();
}

void frmNetquill::cboSubnetMask_Click() { choosePlanEntry(PlanList::SubnetMask); }
void frmNetquill::cboMaskBits_Click() { choosePlanEntry(PlanList::MaskBits); }
void frmNetquill::cboNumberOfSubnets_Click() { choosePlanEntry(PlanList::NumberOfSubnets); }
void frmNetquill::cboHostBits_Click() { choosePlanEntry(PlanList::HostBits); }
void frmNetquill::cboHostsPerSubnet_Click() { choosePlanEntry(PlanList::HostsPerSubnet); }

void frmNetquill::choosePlanEntry(PlanList chosenList)
{
    QComboBox *chosen = m_planLists[static_cast<std::size_t>(chosenList)];
    if (ListSyncGuard || chosen->currentIndex() < 0)
        return;
    const netquill::PlanEntries entries =
        netquill::linkedPlanEntries(chosenList, chosen->currentIndex(), chosen->count());
    {
        const QScopedValueRollback<bool> guard(ListSyncGuard, true);
        for (std::size_t list = 0; list < m_planLists.size(); ++list) {
            if (m_planLists[list] != chosen)
                selectEntry(m_planLists[list], entries[list]);
        }
    }
    showRfc3021Label();
    UpdateSubnetBitMask();
}

// Rebuilds the five plan lists for the prefix chosen in cboBits and selects the
// undivided block. Runs under ListSyncGuard, so its selections raise nothing.
void frmNetquill::BuildPlanLists()
{
    for (QComboBox *list : {cboSubnetMask, cboMaskBits, cboHostBits, cboNumberOfSubnets, cboHostsPerSubnet})
        list->clear();

    const netquill::PlanLists plan = netquill::planListsFor(cidrPrefix());
    fill(cboSubnetMask, plan.subnetMasks);
    fill(cboMaskBits, plan.maskBits);
    fill(cboHostBits, plan.hostBits);
    fill(cboNumberOfSubnets, plan.numberOfSubnets);
    fill(cboHostsPerSubnet, plan.hostsPerSubnet);

    selectEntry(cboSubnetMask, 0);
    selectEntry(cboMaskBits, 0);
    selectEntry(cboHostBits, cboHostBits->count() - 1);
    selectEntry(cboNumberOfSubnets, 0);
    selectEntry(cboHostsPerSubnet, cboHostsPerSubnet->count() - 1);
}

// RFC 3021: a /31 subnet has two usable addresses; the label says so while the
// plan has one host bit.
void frmNetquill::showRfc3021Label()
{
    constexpr int kPointToPointHostBits = 1;
    lblRFC3021->setVisible(cboHostsPerSubnet->currentIndex() == kPointToPointHostBits);
}

void frmNetquill::UpdateSubnetBitMask()
{
    txtSubnetBitMask->setText(QString::fromStdString(netquill::SubnetBitMaskPattern(cidrPrefix(), subnetPrefix())));
}

// Entry j of cboBits is the prefix kShortestMask + j; entry j of the plan's
// mask bits list is j bits longer than the block's.
netquill::Prefix frmNetquill::cidrPrefix() const
{
    return netquill::Prefix(netquill::kShortestMask + cboBits->currentIndex());
}

// Before a CIDR mask is chosen there is no plan: the whole address counts.
netquill::Prefix frmNetquill::subnetPrefix() const
{
    if (cboMaskBits->currentIndex() < 0)
        return netquill::Prefix(netquill::kLongestMask);
    return netquill::Prefix(cidrPrefix().bits() + cboMaskBits->currentIndex());
}

netquill::SubnetTexts frmNetquill::readSubnetTexts() const
{
    netquill::SubnetTexts texts;
    texts.blockOctets = octetTexts(txtIPBlock);
    texts.cidrBits = cboBits->currentText().toStdString();
    texts.cidrMask = cboCIDRMask->currentText().toStdString();
    texts.subnetMask = cboSubnetMask->currentText().toStdString();
    texts.subnetBitMask = txtSubnetBitMask->text().toStdString();
    texts.maskBits = cboMaskBits->currentText().toStdString();
    texts.hostBits = cboHostBits->currentText().toStdString();
    texts.numberOfSubnets = cboNumberOfSubnets->currentText().toStdString();
    texts.hostsPerSubnet = cboHostsPerSubnet->currentText().toStdString();
    return texts;
}

void frmNetquill::btnCopyTab3ToClipboard_Click()
{
    foldBlockOctets();
    netquill::SubnetTexts texts = readSubnetTexts();
    texts.subnetAddress = netquill::ComputeSubnetAddress(texts.blockOctets, subnetPrefix());
    replaceClipboardText(netquill::BuildSubnetClipboardText(texts));
}

// The block's octets as the tab uses them, written back where the user sees
// them: an empty field is 0 and a value above 255 folded. Copy, the exports
// and the list all read the block after this, so they name the same block.
void frmNetquill::foldBlockOctets()
{
    for (AddressField *octet : txtIPBlock)
        octet->setText(QString::fromStdString(netquill::FoldOctetText(octet->text().toStdString())));
}

void frmNetquill::btnGenerate_Click()
{
    foldBlockOctets();
    if (cboCIDRMask->currentIndex() < 0) {
        QMessageBox missingMask(QMessageBox::NoIcon, QString::fromLatin1(netquill::kProductName),
                                QStringLiteral("Please set the CIDR Mask of the Primary Address Block."),
                                QMessageBox::Ok, this);
        // Modal over this window only: the help window keeps its keys beside it.
        missingMask.setWindowModality(Qt::WindowModal);
        missingMask.exec();
        cboCIDRMask->setFocus(Qt::OtherFocusReason);
        return;
    }
    const netquill::SubnetPlan plan = *readSubnetPlan();
    frmSubnets subnetList(
        netquill::subnetListing(netquill::Split<netquill::Ipv4Address>(plan.block(), plan.subnetPrefix().bits())),
        this);
    subnetList.exec();
}

// The block of the folded octet fields under the chosen plan; none before a
// CIDR mask is chosen.
std::optional<netquill::SubnetPlan> frmNetquill::readSubnetPlan() const
{
    if (cboBits->currentIndex() < 0)
        return std::nullopt;
    const auto block =
        netquill::Ipv4Block::containing(netquill::addressOfOctetTexts(octetTexts(txtIPBlock)), cidrPrefix().bits());
    return netquill::SubnetPlan(block, subnetPrefix());
}
