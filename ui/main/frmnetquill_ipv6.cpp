// The "IPv6" tab: the answer follows the address field as it is typed, with
// no button to press; while the text is not an address, the reason stands
// under it and every answer field is empty. With "NAT64" checked, the
// block typed is a NAT64 prefix (RFC 6052): the IPv4 field shows the IPv4
// address the address carries under it, and an IPv4 address typed there
// makes the address.
#include "ui/main/frmnetquill.h"

#include "core/address/count.h"
#include "core/address/nat64.h"
#include "core/lines/ipv6answer.h"
#include "core/lines/subnetlisting.h"
#include "ui/subnets/frmsubnets.h"
#include "ui/widgets/clipboard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

std::optional<netquill::ZonedIpv6Entry> frmNetquill::readIpv6Entry() const
{
    const auto entry = netquill::readIpv6Field(txtIPv6Address->text().toStdString());
    return entry ? std::optional(*entry) : std::nullopt;
}

// A "/PREFIX" typed in the field, else the prefix list's.
int frmNetquill::ipv6PrefixLength(const netquill::ZonedIpv6Entry &entry) const
{
    return entry.length ? *entry.length : cboIPv6Prefix->currentIndex();
}

void frmNetquill::txtIPv6Address_Change()
{
    const QString text = txtIPv6Address->text();
    const auto entry = netquill::readIpv6Field(text.toStdString());
    showIpv6Reason(entry || text.trimmed().isEmpty() ? QString() : QString::fromStdString(entry.reason()));
    if (!entry) {
        writeIpv6Fields(nullptr);
        return;
    }
    if (entry->length)
        cboIPv6Prefix->setCurrentIndex(*entry->length);
    const netquill::Ipv6Texts texts = netquill::CalculateIpv6(entry->address, ipv6PrefixLength(*entry));
    writeIpv6Fields(&texts);
    if (chkIPv6Nat64->isChecked())
        writeNat64Ipv4(*entry);
}

// A reason that quotes a long text is shortened with "…" to the line; its
// tooltip and screen readers have it whole.
void frmNetquill::showIpv6Reason(const QString &reason)
{
    lblIPv6Reason->setText(lblIPv6Reason->fontMetrics().elidedText(reason, Qt::ElideRight, lblIPv6Reason->width()));
    lblIPv6Reason->setToolTip(reason);
    lblIPv6Reason->setAccessibleDescription(reason);
}

// The IPv4 address the address carries under the block typed, taken as a
// NAT64 prefix; or why the block or the address is none.
void frmNetquill::writeNat64Ipv4(const netquill::ZonedIpv6Entry &entry)
{
    const auto prefix = netquill::Ipv6Block::containing(entry.address.address, ipv6PrefixLength(entry));
    const auto ipv4 = netquill::ipv4OfNat64Address(prefix, entry.address.address);
    txtIPv6Ipv4->setText(ipv4 ? QString::fromStdString(ipv4->text()) : QString());
    showIpv6Reason(ipv4 ? QString() : QString::fromStdString("NAT64: " + ipv4.reason()));
}

// Under a NAT64 prefix the IPv4 field takes an address typed, and Tab stops there.
void frmNetquill::chkIPv6Nat64_Click()
{
    const bool nat64 = chkIPv6Nat64->isChecked();
    txtIPv6Ipv4->setReadOnly(!nat64);
    txtIPv6Ipv4->setFocusPolicy(nat64 ? Qt::StrongFocus : Qt::ClickFocus);
    txtIPv6Address_Change();
}

// An IPv4 address typed under a NAT64 prefix: the address field gets the
// IPv6 address DNS64 makes of it, the prefix kept.
void frmNetquill::txtIPv6Ipv4_Change()
{
    const auto entry = readIpv6Entry();
    if (!chkIPv6Nat64->isChecked() || !txtIPv6Ipv4->isModified() || !entry)
        return;
    txtIPv6Ipv4->setModified(false);
    const auto ipv4 = netquill::parseAddress(txtIPv6Ipv4->text().trimmed().toStdString());
    if (!ipv4)
        return showIpv6Reason(QString::fromStdString("IPv4: " + ipv4.reason()));
    const int length = ipv6PrefixLength(*entry);
    const auto address = netquill::nat64Address(netquill::Ipv6Block::containing(entry->address.address, length), *ipv4);
    if (!address)
        return showIpv6Reason(QString::fromStdString("NAT64: " + address.reason()));
    txtIPv6Address->setText(QString::fromStdString(address->text() + "/" + std::to_string(length)));
}

// Every answer field from the texts, or all of them empty without.
void frmNetquill::writeIpv6Fields(const netquill::Ipv6Texts *texts)
{
    const auto show = [](QLineEdit *field, const std::string &text) {
        field->setText(QString::fromStdString(text));
        field->setCursorPosition(0);
    };
    const auto showIfAny = [&show](QLineEdit *field, const std::optional<std::string> &text) {
        show(field, text.value_or(""));
    };
    const netquill::Ipv6Texts none;
    const netquill::Ipv6Texts &shown = texts ? *texts : none;
    show(txtIPv6Compressed, texts ? netquill::shownIpv6Address(shown) : "");
    show(txtIPv6Expanded, shown.expanded);
    showIfAny(txtIPv6Ipv4, shown.embeddedIpv4);
    showIfAny(txtIPv6TeredoServer, shown.teredoServer);
    // The type, with what the address is made of: a unique local address's
    // Global ID and subnet ID (RFC 4193), the MAC of a modified EUI-64 identifier.
    std::string type = texts ? shown.type.text() : "";
    if (shown.globalId)
        type += ", Global ID " + *shown.globalId + ", subnet " + shown.subnetId.value_or("");
    if (shown.mac)
        type += ", MAC " + *shown.mac;
    show(txtIPv6Type, type);
    txtIPv6Type->setToolTip(QString::fromStdString(type));
    show(txtIPv6SolicitedNode, shown.solicitedNode);
    show(txtIPv6Network, shown.network);
    show(txtIPv6First, shown.networkAddress);
    show(txtIPv6Last, shown.lastAddress);
    show(txtIPv6AddressCount, shown.addressCount);
    show(txtIPv6AddressPower, shown.addressPower);
    showIfAny(txtIPv6Subnets48, shown.subnets48);
    showIfAny(txtIPv6Subnets64, shown.subnets64);
    show(txtIPv6ReverseName, shown.reverseName);

    const bool several = shown.reverseZones.size() > 1;
    show(txtIPv6ReverseZone, several || shown.reverseZones.empty() ? "" : shown.reverseZones.front());
    cboIPv6ReverseZones->clear();
    for (const std::string &zone : shown.reverseZones)
        cboIPv6ReverseZones->addItem(QString::fromStdString(zone));
    txtIPv6ReverseZone->setVisible(!several);
    cboIPv6ReverseZones->setVisible(several);

    fillIpv6SubnetPrefixes(texts ? texts->prefixLength : -1);
}

// The subnets' lengths a block of `blockLength` bits splits into, the next
// nibble boundary chosen; a choice stays while the block's length does.
// No block (-1) empties the list.
void frmNetquill::fillIpv6SubnetPrefixes(int blockLength)
{
    const bool sameBlockLength =
        cboIPv6SubnetPrefix->count() > 0 && cboIPv6SubnetPrefix->itemText(0).toInt() == blockLength;
    if (!sameBlockLength) {
        cboIPv6SubnetPrefix->clear();
        if (blockLength >= 0) {
            for (int length = blockLength; length <= netquill::Ipv6Address::kBits; ++length)
                cboIPv6SubnetPrefix->addItem(QString::number(length));
            cboIPv6SubnetPrefix->setCurrentIndex(netquill::proposedSubnetLength(blockLength) - blockLength);
        }
    }
    btnIPv6Generate->setEnabled(blockLength >= 0);
    cboIPv6SubnetPrefix_Click();
}

// The exact number of subnets of the chosen length.
void frmNetquill::cboIPv6SubnetPrefix_Click()
{
    const auto split = readIpv6Split();
    txtIPv6SubnetCount->setText(split ? QString::fromStdString(split->subnetCount().text()) : QString());
}

// A prefix chosen from the list replaces one typed in the field, so that the
// two never disagree.
void frmNetquill::cboIPv6Prefix_Click()
{
    const QString text = txtIPv6Address->text();
    const qsizetype slash = text.indexOf(QLatin1Char('/'));
    if (slash < 0) {
        txtIPv6Address_Change();
        return;
    }
    txtIPv6Address->setText(text.left(slash + 1) + cboIPv6Prefix->currentText());
}

std::optional<netquill::Split<netquill::Ipv6Address>> frmNetquill::readIpv6Split() const
{
    const auto entry = readIpv6Entry();
    if (!entry || cboIPv6SubnetPrefix->currentIndex() < 0)
        return std::nullopt;
    const auto block = netquill::Ipv6Block::containing(entry->address.address, ipv6PrefixLength(*entry));
    return netquill::Split<netquill::Ipv6Address>(block, cboIPv6SubnetPrefix->currentText().toInt());
}

void frmNetquill::btnIPv6Generate_Click()
{
    const auto split = readIpv6Split();
    if (!split)
        return;
    frmSubnets subnetList(netquill::subnetListing(*split), this);
    subnetList.exec();
}

// What netquill-cli calc writes for ADDRESS/PREFIX with --crlf; nothing while
// the text is not an address.
void frmNetquill::btnCopyTab4ToClipboard_Click()
{
    const auto entry = readIpv6Entry();
    if (!entry)
        return;
    const netquill::Ipv6Texts texts = netquill::CalculateIpv6(entry->address, ipv6PrefixLength(*entry));
    replaceClipboardText(netquill::ipv6Answer(texts, netquill::LineEnd::CRLF).lines());
}
