// The main window's controls, tab by tab, in Tab order; rectangles in twips,
// relative to the tab's frame.
#include "ui/main/frmnetquill.h"

#include "core/productinfo.h"
#include "ui/widgets/accessiblenames.h"
#include "ui/widgets/addressfield.h"
#include "ui/widgets/controltable.h"
#include "ui/widgets/eventhook.h"
#include "ui/widgets/linklabel.h"
#include "ui/widgets/netquillfont.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>

namespace {

using K = ControlKind;

const QRect kFrameInTabControl = fromTwips(240, 480, 7575, 3375);

constexpr ControlRow kConverterTab[] = {
    {"Label1", K::Label, "Dotted-Quad IP Address:", 240, 480, 2055, 255, "txtDottedQuad1"},
    {"txtDottedQuad1", K::OctetField, "", 2280, 480, 495, 285},
    {"txtDottedQuad2", K::OctetField, "", 3000, 480, 495, 285},
    {"txtDottedQuad3", K::OctetField, "", 3720, 480, 495, 285},
    {"txtDottedQuad4", K::OctetField, "", 4440, 480, 495, 285},
    {"Label7", K::Label, "Decimal/Number:", 240, 840, 1575, 255, "txtDecimal"},
    {"txtDecimal", K::DecimalField, "", 2280, 840, 1935, 285},
    {"Label8", K::Label, "Hexadecimal:", 240, 1200, 1215, 255, "txtHexadecimal"},
    {"txtHexadecimal", K::HexadecimalField, "", 2280, 1200, 1935, 285},
    {"Label9", K::Label, "Octal:", 240, 1560, 2055, 255, "txtOctal"},
    {"txtOctal", K::OctalField, "", 2280, 1560, 1935, 285},
    {"Label2", K::Label, "Binary:", 240, 1920, 1575, 255, "txtBinary"},
    {"txtBinary", K::BinaryField, "", 2280, 1920, 3495, 285},
    {"optDottedQuad", K::Option, "Dotted-Quad", 6000, 480, 1335, 255},
    {"optDecimal", K::Option, "Decimal", 6000, 840, 1335, 255},
    {"optHexadecimal", K::Option, "Hexadecimal", 6000, 1200, 1335, 255},
    {"optOctal", K::Option, "Octal", 6000, 1560, 1095, 255},
    {"optBinary", K::Option, "Binary", 6000, 1920, 1215, 255},
    {"btnConvert", K::Button, "Convert", 1440, 2520, 1335, 570},
    {"btnClearIP", K::Button, "Clear", 3120, 2520, 1335, 570},
    {"btnCopyTab1ToClipboard", K::Button, "Copy To Clipboard", 4800, 2520, 1335, 570},
    {"Label5", K::Dot, ".", 2760, 480, 255, 255},
    {"Label6", K::Dot, ".", 3480, 480, 255, 255},
    {"Label10", K::Dot, ".", 4200, 480, 255, 255},
};

constexpr ControlRow kNetworkTab[] = {
    {"Label3", K::Label, "IP Address:", 240, 480, 1335, 255, "txtIP1"},
    {"txtIP1", K::OctetField, "", 1800, 480, 495, 285},
    {"txtIP2", K::OctetField, "", 2520, 480, 495, 285},
    {"txtIP3", K::OctetField, "", 3240, 480, 495, 285},
    {"txtIP4", K::OctetField, "", 3960, 480, 495, 285},
    {"Label4", K::Label, "Subnet Mask:", 240, 960, 1215, 255, "cboNetworkSubnetMask"},
    {"cboNetworkSubnetMask", K::DropDown, "", 1800, 840, 1815, 345},
    {"Label11", K::Label, "or /", 3960, 960, 375, 255, "cboNetworkBits"},
    {"cboNetworkBits", K::DropDown, "", 4440, 840, 735, 345},
    {"btnCalculate", K::Button, "Calculate", 4440, 1680, 1335, 615},
    {"btnClearNetwork", K::Button, "Clear", 6000, 1680, 1335, 615},
    {"btnCopyTab2ToClipboard", K::Button, "Copy to Clipboard", 4440, 2520, 2895, 615},
    {"lblBroadcastAddress", K::Label, "Broadcast Address:", 240, 2400, 1575, 255, "txtBroadcastAddress"},
    {"txtBroadcastAddress", K::ResultField, "", 1800, 2400, 1575, 285},
    {"Label12", K::Label, "Network ID:", 240, 2040, 1335, 255, "txtNetworkID"},
    {"Label13", K::Label, "Host ID:", 240, 1680, 975, 255, "txtHostID"},
    {"txtHostID", K::ResultField, "", 1800, 1680, 1575, 285},
    {"txtNetworkID", K::ResultField, "", 1800, 2040, 1575, 285},
    {"Label14", K::Dot, ".", 2280, 480, 255, 255},
    {"Label17", K::Dot, ".", 3000, 480, 255, 255},
    {"Label15", K::Dot, ".", 3720, 480, 255, 255},
    {"txtNodesPerSubnet", K::ResultField, "", 1800, 2760, 1575, 330},
    {"Label16", K::Label, "Nodes in Subnet:", 240, 2760, 1455, 255, "txtNodesPerSubnet"},
};

constexpr ControlRow kSubnetTab[] = {
    {"Label27", K::Label, "Address Block:", 240, 480, 1215, 255, "txtIPBlock1"},
    {"txtIPBlock1", K::OctetField, "", 1680, 480, 495, 285},
    {"txtIPBlock2", K::OctetField, "", 2400, 480, 495, 285},
    {"txtIPBlock3", K::OctetField, "", 3120, 480, 495, 285},
    {"txtIPBlock4", K::OctetField, "", 3840, 480, 495, 285},
    {"Label29", K::Dot, ".", 2160, 480, 255, 255},
    {"Label28", K::Dot, ".", 2880, 480, 255, 255},
    {"Label30", K::Dot, ".", 3600, 480, 255, 255},
    {"Label22", K::Label, "CIDR Mask:", 240, 960, 1095, 255, "cboCIDRMask"},
    {"cboCIDRMask", K::DropDown, "", 1680, 840, 1815, 345},
    {"Label26", K::Label, "or /", 3720, 960, 375, 255, "cboBits"},
    {"cboBits", K::DropDown, "", 4200, 840, 735, 345},
    {"Label25", K::Label, "Subnet Mask:", 240, 1560, 1095, 255, "cboSubnetMask"},
    {"cboSubnetMask", K::DropDown, "", 1680, 1440, 1815, 345},
    {"Label23", K::Label, "Mask Bits:", 240, 2040, 855, 255, "cboMaskBits"},
    {"cboMaskBits", K::DropDown, "", 1680, 1920, 615, 345},
    {"Label20", K::Label, "Number of Subnets:", 2640, 2040, 1575, 255, "cboNumberOfSubnets"},
    {"cboNumberOfSubnets", K::DropDown, "", 4200, 1920, 1455, 345},
    {"Label24", K::Label, "Host Bits:", 240, 2520, 735, 255, "cboHostBits"},
    {"cboHostBits", K::DropDown, "", 1680, 2400, 615, 345},
    {"Label21", K::Label, "Hosts per Subnet:", 2640, 2520, 1455, 255, "cboHostsPerSubnet"},
    {"cboHostsPerSubnet", K::DropDown, "", 4200, 2400, 1455, 345},
    {"btnCopyTab3ToClipboard", K::Button, "Copy to Clipboard", 5880, 480, 1455, 615},
    {"btnGenerate", K::Button, "Generate Subnets", 5880, 1560, 1455, 615},
    {"lblRFC3021", K::Link, "RFC 3021 Compliant", 5880, 2520, 1575, 255},
    {"lblBits", K::Label, "", 4440, 480, 495, 255},
    {"txtSubnetBitMask", K::ResultField, "", 1680, 2880, 3975, 330},
    {"Label31", K::Label, "Subnet Bit Mask:", 240, 2880, 1575, 255, "txtSubnetBitMask"},
    {"Line1", K::Line, "", 120, 1305, 7320, 30},
};

// Denser than the first three tabs: one answer field a row, the short ones
// beside the long ones, every field as wide as its longest text.
constexpr ControlRow kIpv6Tab[] = {
    {"lblIPv6Address", K::Label, "Address:", 180, 90, 1080, 255, "txtIPv6Address"},
    {"txtIPv6Address", K::TextField, "", 1290, 75, 3210, 285},
    {"lblIPv6Slash", K::Label, "/", 4530, 90, 120, 255},
    {"cboIPv6Prefix", K::DropDown, "", 4680, 60, 750, 315},
    {"btnCopyTab4ToClipboard", K::Button, "Copy to Clipboard", 5610, 60, 1830, 315},
    {"lblIPv6Reason", K::Label, "", 180, 375, 6240, 225},
    {"chkIPv6Nat64", K::CheckBox, "&NAT64", 6480, 352, 960, 240},
    {"lblIPv6Compressed", K::Label, "Compressed:", 180, 615, 1080, 255, "txtIPv6Compressed"},
    {"txtIPv6Compressed", K::ResultField, "", 1290, 600, 3660, 255},
    {"lblIPv6Ipv4", K::Label, "IPv4:", 5040, 615, 540, 255, "txtIPv6Ipv4"},
    {"txtIPv6Ipv4", K::ResultField, "", 5610, 600, 1830, 255},
    {"lblIPv6Expanded", K::Label, "Expanded:", 180, 885, 1080, 255, "txtIPv6Expanded"},
    {"txtIPv6Expanded", K::ResultField, "", 1290, 870, 3660, 255},
    {"lblIPv6TeredoServer", K::Label, "Server:", 5040, 885, 540, 255, "txtIPv6TeredoServer"},
    {"txtIPv6TeredoServer", K::ResultField, "", 5610, 870, 1830, 255},
    {"lblIPv6Type", K::Label, "Type:", 180, 1155, 1080, 255, "txtIPv6Type"},
    {"txtIPv6Type", K::ResultField, "", 1290, 1140, 6150, 255},
    {"lblIPv6Network", K::Label, "Network:", 180, 1425, 1080, 255, "txtIPv6Network"},
    {"txtIPv6Network", K::ResultField, "", 1290, 1410, 3660, 255},
    {"lblIPv6Subnets48", K::Label, "/48s:", 5040, 1425, 540, 255, "txtIPv6Subnets48"},
    {"txtIPv6Subnets48", K::ResultField, "", 5610, 1410, 1830, 255},
    {"lblIPv6First", K::Label, "First:", 180, 1695, 1080, 255, "txtIPv6First"},
    {"txtIPv6First", K::ResultField, "", 1290, 1680, 3660, 255},
    {"lblIPv6Subnets64", K::Label, "/64s:", 5040, 1695, 540, 255, "txtIPv6Subnets64"},
    {"txtIPv6Subnets64", K::ResultField, "", 5610, 1680, 1830, 255},
    {"lblIPv6Last", K::Label, "Last:", 180, 1965, 1080, 255, "txtIPv6Last"},
    {"txtIPv6Last", K::ResultField, "", 1290, 1950, 3660, 255},
    {"lblIPv6SolicitedNode", K::Label, "Group:", 5040, 1965, 540, 255, "txtIPv6SolicitedNode"},
    {"txtIPv6SolicitedNode", K::ResultField, "", 5610, 1950, 1830, 255},
    {"lblIPv6AddressCount", K::Label, "Addresses:", 180, 2235, 1080, 255, "txtIPv6AddressCount"},
    {"txtIPv6AddressCount", K::ResultField, "", 1290, 2220, 3660, 255},
    {"txtIPv6AddressPower", K::ResultField, "", 5610, 2220, 1830, 255},
    {"lblIPv6ReverseName", K::Label, "Reverse name:", 180, 2505, 1080, 255, "txtIPv6ReverseName"},
    {"txtIPv6ReverseName", K::ResultField, "", 1290, 2490, 6150, 255},
    {"lblIPv6ReverseZones", K::Label, "Reverse zones:", 180, 2775, 1080, 255, "txtIPv6ReverseZone"},
    {"txtIPv6ReverseZone", K::ResultField, "", 1290, 2760, 6150, 255},
    {"cboIPv6ReverseZones", K::DropDown, "", 1290, 2745, 6150, 285},
    {"lblIPv6SubnetPrefix", K::Label, "Subnet Prefix:", 180, 3045, 1080, 255, "cboIPv6SubnetPrefix"},
    {"cboIPv6SubnetPrefix", K::DropDown, "", 1290, 3015, 750, 315},
    {"txtIPv6SubnetCount", K::ResultField, "", 2100, 3030, 3390, 255},
    {"btnIPv6Generate", K::Button, "&Generate Subnets", 5610, 3015, 1830, 315},
};

template <std::size_t N>
std::array<AddressField *, N> octetFields(const ControlSet &controls, const char *const (&names)[N])
{
    std::array<AddressField *, N> fields{};
    for (std::size_t k = 0; k < N; ++k)
        fields[k] = controls.get<AddressField>(names[k]);
    for (AddressField *field : fields)
        field->setOctetGroup(fields);
    return fields;
}

}  // namespace

void frmNetquill::buildLayout()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    // The controls stand where the layout puts them, so the window is never
    // smaller than the area they were laid out in.
    client->setMinimumSize(kClientWidth / kTwipsPerPixel, kClientHeight / kTwipsPerPixel);
    setCentralWidget(client);

    SSTab1 = new QTabWidget(client);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->setGeometry(fromTwips(120, 120, 8055, 4095));

    const struct {
        const char *frameName;
        const char *caption;
        std::span<const ControlRow> controls;
        void (frmNetquill::*bind)(const ControlSet &);
    } tabs[] = {
        {"Frame1", "Netquill", kConverterTab, &frmNetquill::bindConverterTab},
        {"Frame2", "Network/Node Calculator", kNetworkTab, &frmNetquill::bindNetworkTab},
        {"Frame3", "Subnet Calculator", kSubnetTab, &frmNetquill::bindSubnetTab},
        {"Frame4", "IPv&6", kIpv6Tab, &frmNetquill::bindIpv6Tab},
    };
    for (const auto &tab : tabs) {
        auto *page = new QWidget;
        SSTab1->addTab(page, QString::fromLatin1(tab.caption));
        auto *frame = new QGroupBox(page);
        frame->setObjectName(QString::fromLatin1(tab.frameName));
        frame->setGeometry(kFrameInTabControl);
        const ControlSet controls = buildControls(frame, tab.controls);
        nameControlsFromTheirLabels(controls, tab.controls);
        // The frames' own font never reaches their controls.
        for (QWidget *control : frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            control->setFont(font());
        (this->*tab.bind)(controls);
    }
    SSTab1->widget(0)->findChild<QGroupBox *>(QStringLiteral("Frame1"))->setFont(netquillFont(8.25, QFont::Bold));
    // The pages move into place when the tab control first lays itself out.
    m_tabPages = SSTab1->findChild<QStackedWidget *>();
    new EventHook(m_tabPages, [this](QEvent *event) {
        if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
            placeTabFrames();
        return false;
    });

    btnExit = new QPushButton(QStringLiteral("E&xit"), client);
    btnExit->setObjectName(QStringLiteral("btnExit"));
    btnExit->setGeometry(fromTwips(3480, 4440, 1335, 615));
    btnExit->setAutoDefault(true);
    tellApartLikeNames(this, [this](const QWidget *control) {
        for (int tab = 0; tab < SSTab1->count(); ++tab)
            if (SSTab1->widget(tab)->isAncestorOf(control))
                return SSTab1->tabText(tab).remove(QLatin1Char('&'));
        return QString();
    });
}

// Every tab's frame stands at (240, 480) twips from the tab control's corner,
// wherever the style puts the pages below the tab bar.
void frmNetquill::placeTabFrames()
{
    const QPoint pageOrigin = m_tabPages->mapTo(SSTab1, QPoint(0, 0));
    for (int tab = 0; tab < SSTab1->count(); ++tab)
        SSTab1->widget(tab)->findChild<QGroupBox *>()->move(kFrameInTabControl.topLeft() - pageOrigin);
}

void frmNetquill::bindConverterTab(const ControlSet &controls)
{
    txtDottedQuad = octetFields(controls, {"txtDottedQuad1", "txtDottedQuad2", "txtDottedQuad3", "txtDottedQuad4"});
    txtDecimal = controls.get<AddressField>("txtDecimal");
    txtHexadecimal = controls.get<AddressField>("txtHexadecimal");
    txtOctal = controls.get<AddressField>("txtOctal");
    txtBinary = controls.get<AddressField>("txtBinary");
    btnConvert = controls.get<QPushButton>("btnConvert");
    btnClearIP = controls.get<QPushButton>("btnClearIP");
    btnCopyTab1ToClipboard = controls.get<QPushButton>("btnCopyTab1ToClipboard");

    m_notationOptions = new QButtonGroup(this);
    const std::pair<const char *, netquill::AddressNotation> options[] = {
        {"optDottedQuad", netquill::AddressNotation::DottedQuad},   {"optDecimal", netquill::AddressNotation::Decimal},
        {"optHexadecimal", netquill::AddressNotation::Hexadecimal}, {"optOctal", netquill::AddressNotation::Octal},
        {"optBinary", netquill::AddressNotation::Binary},
    };
    for (const auto &[name, notation] : options) {
        auto *option = controls.get<QRadioButton>(name);
        m_notationOptions->addButton(option, static_cast<int>(notation));
    }
    letArrowKeysChooseNotations();

    for (std::size_t k = 0; k + 1 < txtDottedQuad.size(); ++k)
        txtDottedQuad[k]->setDotTarget(txtDottedQuad[k + 1]);
    txtDottedQuad.back()->setDotTarget(btnConvert);

    // Entering a field of the "Netquill" tab selects its text only while its
    // notation is the chosen one.
    for (const netquill::AddressNotation notation :
         {netquill::AddressNotation::DottedQuad, netquill::AddressNotation::Decimal,
          netquill::AddressNotation::Hexadecimal, netquill::AddressNotation::Octal,
          netquill::AddressNotation::Binary}) {
        for (AddressField *field : fieldsOf(notation))
            field->setSelectsOnEntry([this, notation] { return chosenNotation() == notation; });
    }
}

void frmNetquill::bindNetworkTab(const ControlSet &controls)
{
    txtIP = octetFields(controls, {"txtIP1", "txtIP2", "txtIP3", "txtIP4"});
    cboNetworkSubnetMask = controls.get<QComboBox>("cboNetworkSubnetMask");
    cboNetworkBits = controls.get<QComboBox>("cboNetworkBits");
    btnCalculate = controls.get<QPushButton>("btnCalculate");
    btnClearNetwork = controls.get<QPushButton>("btnClearNetwork");
    btnCopyTab2ToClipboard = controls.get<QPushButton>("btnCopyTab2ToClipboard");
    txtHostID = controls.get<QLineEdit>("txtHostID");
    txtNetworkID = controls.get<QLineEdit>("txtNetworkID");
    txtBroadcastAddress = controls.get<QLineEdit>("txtBroadcastAddress");
    txtNodesPerSubnet = controls.get<QLineEdit>("txtNodesPerSubnet");

    for (std::size_t k = 0; k + 1 < txtIP.size(); ++k)
        txtIP[k]->setDotTarget(txtIP[k + 1]);
    txtIP.back()->setDotTarget(cboNetworkSubnetMask);
}

void frmNetquill::bindSubnetTab(const ControlSet &controls)
{
    txtIPBlock = octetFields(controls, {"txtIPBlock1", "txtIPBlock2", "txtIPBlock3", "txtIPBlock4"});
    cboCIDRMask = controls.get<QComboBox>("cboCIDRMask");
    cboBits = controls.get<QComboBox>("cboBits");
    cboSubnetMask = controls.get<QComboBox>("cboSubnetMask");
    cboMaskBits = controls.get<QComboBox>("cboMaskBits");
    cboNumberOfSubnets = controls.get<QComboBox>("cboNumberOfSubnets");
    cboHostBits = controls.get<QComboBox>("cboHostBits");
    cboHostsPerSubnet = controls.get<QComboBox>("cboHostsPerSubnet");
    btnCopyTab3ToClipboard = controls.get<QPushButton>("btnCopyTab3ToClipboard");
    btnGenerate = controls.get<QPushButton>("btnGenerate");
    lblRFC3021 = controls.get<LinkLabel>("lblRFC3021");
    lblBits = controls.get<QLabel>("lblBits");
    txtSubnetBitMask = controls.get<QLineEdit>("txtSubnetBitMask");
    m_planLists = {cboSubnetMask, cboMaskBits, cboNumberOfSubnets, cboHostBits, cboHostsPerSubnet};

    for (std::size_t k = 0; k + 1 < txtIPBlock.size(); ++k)
        txtIPBlock[k]->setDotTarget(txtIPBlock[k + 1]);
    txtIPBlock.back()->setDotTarget(cboCIDRMask);

    lblRFC3021->setLink(QString::fromLatin1(netquill::kRfc3021Text));
    lblRFC3021->hide();
}

void frmNetquill::bindIpv6Tab(const ControlSet &controls)
{
    txtIPv6Address = controls.get<QLineEdit>("txtIPv6Address");
    cboIPv6Prefix = controls.get<QComboBox>("cboIPv6Prefix");
    lblIPv6Reason = controls.get<QLabel>("lblIPv6Reason");
    chkIPv6Nat64 = controls.get<QCheckBox>("chkIPv6Nat64");
    txtIPv6Compressed = controls.get<QLineEdit>("txtIPv6Compressed");
    txtIPv6Expanded = controls.get<QLineEdit>("txtIPv6Expanded");
    txtIPv6Ipv4 = controls.get<QLineEdit>("txtIPv6Ipv4");
    txtIPv6TeredoServer = controls.get<QLineEdit>("txtIPv6TeredoServer");
    txtIPv6Type = controls.get<QLineEdit>("txtIPv6Type");
    txtIPv6Network = controls.get<QLineEdit>("txtIPv6Network");
    txtIPv6First = controls.get<QLineEdit>("txtIPv6First");
    txtIPv6Last = controls.get<QLineEdit>("txtIPv6Last");
    txtIPv6AddressCount = controls.get<QLineEdit>("txtIPv6AddressCount");
    txtIPv6AddressPower = controls.get<QLineEdit>("txtIPv6AddressPower");
    txtIPv6Subnets48 = controls.get<QLineEdit>("txtIPv6Subnets48");
    txtIPv6Subnets64 = controls.get<QLineEdit>("txtIPv6Subnets64");
    txtIPv6ReverseName = controls.get<QLineEdit>("txtIPv6ReverseName");
    txtIPv6SolicitedNode = controls.get<QLineEdit>("txtIPv6SolicitedNode");
    txtIPv6ReverseZone = controls.get<QLineEdit>("txtIPv6ReverseZone");
    cboIPv6ReverseZones = controls.get<QComboBox>("cboIPv6ReverseZones");
    cboIPv6SubnetPrefix = controls.get<QComboBox>("cboIPv6SubnetPrefix");
    txtIPv6SubnetCount = controls.get<QLineEdit>("txtIPv6SubnetCount");
    btnIPv6Generate = controls.get<QPushButton>("btnIPv6Generate");
    btnCopyTab4ToClipboard = controls.get<QPushButton>("btnCopyTab4ToClipboard");

    // The fields without a label of their own are named after what they
    // show, the short labels' fields at greater length.
    cboIPv6Prefix->setAccessibleName(QStringLiteral("Prefix length"));
    txtIPv6Ipv4->setAccessibleName(QStringLiteral("IPv4 address inside"));
    chkIPv6Nat64->setAccessibleName(QStringLiteral("The block is a NAT64 prefix"));
    chkIPv6Nat64->setToolTip(QStringLiteral("The block is a NAT64 prefix (RFC 6052): the IPv4 field shows the IPv4 "
                                            "address under it, and an IPv4 address typed there makes the address"));
    txtIPv6TeredoServer->setAccessibleName(QStringLiteral("Server of Teredo"));
    txtIPv6Subnets48->setAccessibleName(QStringLiteral("/48s the block holds"));
    txtIPv6Subnets64->setAccessibleName(QStringLiteral("/64s the block holds"));
    txtIPv6SolicitedNode->setAccessibleName(QStringLiteral("Group (solicited-node multicast)"));
    txtIPv6AddressPower->setAccessibleName(QStringLiteral("Addresses as a power of two"));
    cboIPv6ReverseZones->setAccessibleName(QStringLiteral("Reverse zones list"));
    txtIPv6SubnetCount->setAccessibleName(QStringLiteral("Number of subnets"));
    lblIPv6Reason->setAccessibleName(QStringLiteral("Why the address is not valid"));

    for (int length = 0; length <= netquill::Ipv6Address::kBits; ++length)
        cboIPv6Prefix->addItem(QString::number(length));
    cboIPv6Prefix->setCurrentIndex(kIpv6DefaultPrefix);
    // The zones can be selected and copied, as every answer can.
    cboIPv6ReverseZones->setEditable(true);
    cboIPv6ReverseZones->lineEdit()->setReadOnly(true);
    cboIPv6ReverseZones->lineEdit()->setAccessibleName(QStringLiteral("Reverse zone chosen"));
    cboIPv6ReverseZones->hide();
    btnIPv6Generate->setEnabled(false);
}
