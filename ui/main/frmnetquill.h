#pragma once

// The main window. Three tabs, each a calculator over the Qt-free core:
//   "Netquill"                 ConvertAddress, BuildAddressClipboardText (core/addressconverter)
//   "Network/Node Calculator"  mask lists and the network/node calculation
//   "Subnet Calculator"        the plan lists of a CIDR prefix
// A click travels: the handler (named control_Event) reads its tab's fields,
// calls the core with plain strings, writes every field back and returns. The
// fields are the whole state; nothing runs after a handler returns.
//
// The class is split by tab: frmnetquill.cpp (load, tabs, menus, exit),
// frmnetquill_layout.cpp (the controls as tables), frmnetquill_converter.cpp.

#include "addressconverter.h"

#include <QColor>
#include <QMainWindow>

#include <array>

class AddressField;
class ControlSet;
class QAction;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QTabWidget;

class frmNetquill : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmNetquill(QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    // Window and menus
    void SSTab1_Click(int shownTab);
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

private:
    void Form_Load();
    void buildLayout();
    void buildMenus();
    void bindConverterTab(const ControlSet &controls);
    void bindNetworkTab(const ControlSet &controls);
    void bindSubnetTab(const ControlSet &controls);
    void connectHandlers();
    void keepCopyShortcutFromLineEdits();

    // "Netquill" tab
    netquill::AddressNotation chosenNotation() const;
    QList<AddressField *> fieldsOf(netquill::AddressNotation notation) const;
    std::array<AddressField *, 8> converterFields() const;
    void chooseNotation(netquill::AddressNotation notation);
    void focusChosenNotationField();
    netquill::AddressFields readAddressFields() const;
    void writeAddressFields(const netquill::AddressFields &fields);

    void showReadOnly(QLineEdit *field, bool readOnly);

    // Field colours, taken from the desktop's palette when the window loads.
    QColor m_readOnlyColour;
    QColor m_editableColour;

    QTabWidget *SSTab1 = nullptr;
    QPushButton *btnExit = nullptr;

    // "Netquill" tab
    QGroupBox *Frame1 = nullptr;
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
    QLabel *lblRFC3021 = nullptr;
    QLabel *lblBits = nullptr;
    QLineEdit *txtSubnetBitMask = nullptr;

    // Menus
    QAction *mnuCopyToClipboard = nullptr;
    QMenu *mnuExport = nullptr;
    QAction *mnuCSV = nullptr;
    QAction *mnuTXT = nullptr;
    QAction *mnuHTML = nullptr;
    QAction *mnuExit = nullptr;
    QAction *mnuContents = nullptr;
    QAction *mnuIndex = nullptr;
    QAction *mnuTrevantis = nullptr;
    QAction *mnuAbout = nullptr;
};
