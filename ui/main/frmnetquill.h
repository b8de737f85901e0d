#pragma once

// The main window. Four tabs, each a calculator over the Qt-free core:
//   "Netquill"                 ConvertAddress, BuildAddressClipboardText (core/fields/addressconverter)
//   "Network/Node Calculator"  mask lists and the network/node calculation
//   "Subnet Calculator"        the plan lists of a CIDR prefix
//   "IPv6"                     CalculateIpv6 (core/calculators/ipv6calculator), as typed
// A click travels: the handler (named control_Event) reads its tab's fields,
// calls the core with plain strings, writes every field back and returns. The
// fields are the whole state; nothing runs after a handler returns.
//
// The class is split by tab: frmnetquill.cpp (load, tabs, menus, exit),
// frmnetquill_layout.cpp (the controls as tables), then one file per tab:
// frmnetquill_converter.cpp, frmnetquill_network.cpp, frmnetquill_subnet.cpp,
// frmnetquill_ipv6.cpp, and frmnetquill_export.cpp for File > Export.
//
// Pick-lists react to the user's choices (QComboBox::activated); a choice the
// program makes itself goes through selectEntry, which raises the list's click
// handler at once, as a user's would. ListSyncGuard silences those handlers
// while one handler moves linked lists.

#include "core/calculators/ipv6calculator.h"
#include "core/calculators/networknode.h"
#include "core/calculators/subnetcalculator.h"
#include "core/fields/addressconverter.h"
#include "core/lines/exportlines.h"
#include "core/lines/subnettable.h"
#include "core/planning/split.h"
#include "core/planning/subnetplan.h"

#include <QColor>
#include <QHash>
#include <QMainWindow>

#include <array>
#include <optional>

class AddressField;
class LinkLabel;
class QAbstractButton;
class QKeyEvent;
class ControlSet;
class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTabWidget;

class frmNetquill : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmNetquill(QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;
    // A new palette of the desktop's: the read-only fields take its colours.
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    // Window and menus
    void SSTab1_Click();
    void btnExit_Click();
    void mnuCopyToClipboard_Click();

    // "Netquill" tab
    void optDottedQuad_Click();
    void optDecimal_Click();
    void optHexadecimal_Click();
    void optOctal_Click();
    void optBinary_Click();
    void btnConvert_Click();
    void btnClearIP_Click();
    void btnCopyTab1ToClipboard_Click();

    // "Network/Node Calculator" tab
    void btnCalculate_Click();
    void btnClearNetwork_Click();
    void btnCopyTab2ToClipboard_Click();
    void cboNetworkSubnetMask_Click();
    void cboNetworkBits_Click();

    // "Subnet Calculator" tab
    void cboCIDRMask_Click();
    void cboBits_Click();
    void cboSubnetMask_Click();
    void cboMaskBits_Click();
    void cboNumberOfSubnets_Click();
    void cboHostBits_Click();
    void cboHostsPerSubnet_Click();
    void btnCopyTab3ToClipboard_Click();
    void btnGenerate_Click();
    void lblRFC3021_Click();

    // "IPv6" tab
    void txtIPv6Address_Change();
    void cboIPv6Prefix_Click();
    void chkIPv6Nat64_Click();
    void txtIPv6Ipv4_Change();
    void cboIPv6SubnetPrefix_Click();
    void btnIPv6Generate_Click();
    void btnCopyTab4ToClipboard_Click();

    // File > New Plan, Open Plan
    void mnuNewPlan_Click();
    void mnuOpenPlan_Click();

    // File > Export
    void mnuCSV_Click();
    void mnuTXT_Click();
    void mnuHTML_Click();

private:
    void Form_Load();
    void buildLayout();
    void buildMenus();
    void placeTabFrames();
    void bindConverterTab(const ControlSet &controls);
    void bindNetworkTab(const ControlSet &controls);
    void bindSubnetTab(const ControlSet &controls);
    void bindIpv6Tab(const ControlSet &controls);
    void connectHandlers();
    void keepCopyShortcutFromLineEdits();

    // "Netquill" tab
    netquill::CalculatorTab shownTab() const;
    netquill::AddressNotation chosenNotation() const;
    QList<AddressField *> fieldsOf(netquill::AddressNotation notation) const;
    std::array<AddressField *, 8> converterFields() const;
    void chooseNotation(netquill::AddressNotation notation);
    void letArrowKeysChooseNotations();
    bool chooseNeighbourNotation(QAbstractButton *option, const QKeyEvent *key);
    void focusChosenNotationField();
    netquill::AddressFields readAddressFields() const;
    void writeAddressFields(const netquill::AddressFields &fields);

    void showReadOnly(QLineEdit *field, bool readOnly);
    void takePaletteColours();

    // Pick-lists
    void FillMaskLists();
    void selectEntry(QComboBox *list, int entry);
    void pairMaskLists(QComboBox *chosen, QComboBox *partner);

    // "Subnet Calculator" tab
    void chooseCidrPrefix(QComboBox *chosen, QComboBox *partner);
    void choosePlanEntry(netquill::PlanList chosenList);
    void BuildPlanLists();
    void UpdateSubnetBitMask();
    void showRfc3021Label();
    void foldBlockOctets();
    netquill::Prefix cidrPrefix() const;
    netquill::Prefix subnetPrefix() const;
    std::optional<netquill::SubnetPlan> readSubnetPlan() const;
    netquill::SubnetTexts readSubnetTexts() const;
    netquill::NetworkNodeTexts readNetworkNodeTexts() const;

    // "IPv6" tab
    std::optional<netquill::ZonedIpv6Entry> readIpv6Entry() const;
    int ipv6PrefixLength(const netquill::ZonedIpv6Entry &entry) const;
    void writeIpv6Fields(const netquill::Ipv6Texts *texts);
    void showIpv6Reason(const QString &reason);
    void writeNat64Ipv4(const netquill::ZonedIpv6Entry &entry);
    void fillIpv6SubnetPrefixes(int blockLength);
    std::optional<netquill::Split<netquill::Ipv6Address>> readIpv6Split() const;

    // File > Export
    void runExport(netquill::ExportMode mode, const QString &description, const QString &patterns);

    // The client area below the menu bar, in twips: the window opens at this
    // size and is never made smaller.
    static constexpr int kClientWidth = 8310;
    static constexpr int kClientHeight = 5220;

    // One flag for all linked lists of the window: set while a handler moves them.
    bool ListSyncGuard = false;
    QHash<QComboBox *, void (frmNetquill::*)()> m_clickHandlers;

    // Field colours, taken from the desktop's palette when the window loads.
    QColor m_readOnlyColour;
    QColor m_editableColour;

    QTabWidget *SSTab1 = nullptr;
    QStackedWidget *m_tabPages = nullptr;  // the tab control's own stack of pages
    QPushButton *btnExit = nullptr;

    // "Netquill" tab
    std::array<AddressField *, 4> txtDottedQuad{};
    AddressField *txtDecimal = nullptr;
    AddressField *txtHexadecimal = nullptr;
    AddressField *txtOctal = nullptr;
    AddressField *txtBinary = nullptr;
    QButtonGroup *m_notationOptions = nullptr;
    QPushButton *btnConvert = nullptr;
    QPushButton *btnClearIP = nullptr;
    QPushButton *btnCopyTab1ToClipboard = nullptr;

    // "Network/Node Calculator" tab
    std::array<AddressField *, 4> txtIP{};
    QComboBox *cboNetworkSubnetMask = nullptr;
    QComboBox *cboNetworkBits = nullptr;
    QPushButton *btnCalculate = nullptr;
    QPushButton *btnClearNetwork = nullptr;
    QPushButton *btnCopyTab2ToClipboard = nullptr;
    QLineEdit *txtHostID = nullptr;
    QLineEdit *txtNetworkID = nullptr;
    QLineEdit *txtBroadcastAddress = nullptr;
    QLineEdit *txtNodesPerSubnet = nullptr;
    // The mask of the last calculation: kept until another mask is chosen,
    // and none (every bit a host bit) at start-up.
    netquill::Prefix m_networkPrefix;

    // "Subnet Calculator" tab
    std::array<AddressField *, 4> txtIPBlock{};
    QComboBox *cboCIDRMask = nullptr;
    QComboBox *cboBits = nullptr;
    QComboBox *cboSubnetMask = nullptr;
    QComboBox *cboMaskBits = nullptr;
    QComboBox *cboNumberOfSubnets = nullptr;
    QComboBox *cboHostBits = nullptr;
    QComboBox *cboHostsPerSubnet = nullptr;
    QPushButton *btnCopyTab3ToClipboard = nullptr;
    QPushButton *btnGenerate = nullptr;
    LinkLabel *lblRFC3021 = nullptr;
    QLabel *lblBits = nullptr;
    QLineEdit *txtSubnetBitMask = nullptr;
    // The five plan lists, indexed by netquill::PlanList. The plan itself is
    // where the lists stand: the CIDR prefix by cboBits, the subnet prefix by
    // cboMaskBits.
    std::array<QComboBox *, netquill::kPlanListCount> m_planLists{};

    // "IPv6" tab
    static constexpr int kIpv6DefaultPrefix = 64;
    QLineEdit *txtIPv6Address = nullptr;
    QComboBox *cboIPv6Prefix = nullptr;
    QLabel *lblIPv6Reason = nullptr;
    QCheckBox *chkIPv6Nat64 = nullptr;
    QLineEdit *txtIPv6Compressed = nullptr;
    QLineEdit *txtIPv6Expanded = nullptr;
    QLineEdit *txtIPv6Ipv4 = nullptr;
    QLineEdit *txtIPv6TeredoServer = nullptr;
    QLineEdit *txtIPv6Type = nullptr;
    QLineEdit *txtIPv6Network = nullptr;
    QLineEdit *txtIPv6First = nullptr;
    QLineEdit *txtIPv6Last = nullptr;
    QLineEdit *txtIPv6AddressCount = nullptr;
    QLineEdit *txtIPv6AddressPower = nullptr;
    QLineEdit *txtIPv6Subnets48 = nullptr;
    QLineEdit *txtIPv6Subnets64 = nullptr;
    QLineEdit *txtIPv6ReverseName = nullptr;
    QLineEdit *txtIPv6SolicitedNode = nullptr;
    // One zone stands in a field; 2 to 8 in a drop-down list in its place.
    QLineEdit *txtIPv6ReverseZone = nullptr;
    QComboBox *cboIPv6ReverseZones = nullptr;
    QComboBox *cboIPv6SubnetPrefix = nullptr;
    QLineEdit *txtIPv6SubnetCount = nullptr;
    QPushButton *btnIPv6Generate = nullptr;
    QPushButton *btnCopyTab4ToClipboard = nullptr;

    // The file the last export was saved as, which the next one proposes.
    QString m_lastExportPath;

    // Menus
    QAction *mnuCopyToClipboard = nullptr;
    QMenu *mnuExport = nullptr;
    QAction *mnuCSV = nullptr;
    QAction *mnuTXT = nullptr;
    QAction *mnuHTML = nullptr;
    QAction *mnuNewPlan = nullptr;
    QAction *mnuOpenPlan = nullptr;
    QAction *mnuExit = nullptr;
};
