#include "ui/main/frmnetquill.h"

#include "core/address/ipv4.h"
#include "core/productinfo.h"
#include "ui/plans/frmplan.h"
#include "ui/plans/plandrops.h"
#include "ui/plans/recentplans.h"
#include "ui/shell/helpmenu.h"
#include "ui/shell/hyperjump.h"
#include "ui/widgets/addressfield.h"
#include "ui/widgets/controltable.h"
#include "ui/widgets/eventhook.h"
#include "ui/widgets/linklabel.h"
#include "ui/widgets/menuentry.h"
#include "ui/widgets/netquillfont.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QStackedWidget>
#include <QTabWidget>

frmNetquill::frmNetquill(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmNetquill"));
    acceptPlanDrops(this);
    setWindowTitle(QString::fromLatin1(netquill::kProductName));
    setFont(netquillFont());
    buildLayout();
    buildMenus();
    connectHandlers();
    keepCopyShortcutFromLineEdits();
    Form_Load();

    // Centred on the screen.
    resize(kClientWidth / kTwipsPerPixel, kClientHeight / kTwipsPerPixel + menuBar()->sizeHint().height());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void frmNetquill::Form_Load()
{
    takePaletteColours();
    qApp->installEventFilter(this);
    SSTab1->setCurrentIndex(0);
    FillMaskLists();

    for (QLineEdit *result : {txtHostID, txtNetworkID, txtBroadcastAddress, txtNodesPerSubnet, txtSubnetBitMask})
        showReadOnly(result, true);
    for (QLineEdit *result :
         SSTab1->widget(static_cast<int>(netquill::CalculatorTab::Ipv6))->findChildren<QLineEdit *>())
        showReadOnly(result, result->isReadOnly());
    m_notationOptions->button(static_cast<int>(netquill::AddressNotation::DottedQuad))->setChecked(true);
    chooseNotation(netquill::AddressNotation::DottedQuad);
}

void frmNetquill::buildMenus()
{
    QMenu *mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuCopyToClipboard = addMenuEntry(mnuFile, "mnuCopyToClipboard", "&Copy to Clipboard", Qt::CTRL | Qt::Key_C);
    mnuExport = mnuFile->addMenu(QStringLiteral("&Export"));
    mnuExport->setObjectName(QStringLiteral("mnuExport"));
    mnuCSV = addMenuEntry(mnuExport, "mnuCSV", "Export to &Comma Delimited File...");
    mnuTXT = addMenuEntry(mnuExport, "mnuTXT", "Export to &Text File...");
    mnuHTML = addMenuEntry(mnuExport, "mnuHTML", "Export to &HTML File...");
    mnuNewPlan = addMenuEntry(mnuFile, "mnuNewPlan", "&New Plan", QKeySequence::New);
    mnuOpenPlan = addMenuEntry(mnuFile, "mnuOpenPlan", "&Open Plan...", QKeySequence::Open);
    // The recent plans, read anew each time the menu opens: a plan window saves beside this one.
    for (int k = 0; k < kRecentPlanCount; ++k) {
        QAction *recent = mnuFile->addAction(QString());
        recent->setObjectName(QStringLiteral("mnuRecentPlan%1").arg(k + 1));
        connect(recent, &QAction::triggered, this,
                [this, recent] { frmPlan::openFile(recent->data().toString(), this); });
    }
    connect(mnuFile, &QMenu::aboutToShow, this, [mnuFile] {
        const QStringList plans = recentPlans();
        for (int k = 0; k < kRecentPlanCount; ++k) {
            QAction *recent = mnuFile->findChild<QAction *>(QStringLiteral("mnuRecentPlan%1").arg(k + 1));
            recent->setVisible(k < plans.size());
            if (k < plans.size()) {
                recent->setText(QStringLiteral("&%1 %2").arg(k + 1).arg(QFileInfo(plans[k]).fileName()));
                recent->setData(plans[k]);
                recent->setToolTip(plans[k]);
            }
        }
    });
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuSpacer1"));
    mnuExit = addMenuEntry(mnuFile, "mnuExit", "E&xit", Qt::Key_F3);

    addHelpMenu(menuBar(), this, "&About...");
}

void frmNetquill::connectHandlers()
{
    connect(SSTab1, &QTabWidget::currentChanged, this, &frmNetquill::SSTab1_Click);
    connect(btnExit, &QPushButton::clicked, this, &frmNetquill::btnExit_Click);
    connect(mnuExit, &QAction::triggered, this, &frmNetquill::btnExit_Click);
    connect(mnuCopyToClipboard, &QAction::triggered, this, &frmNetquill::mnuCopyToClipboard_Click);
    connect(mnuCSV, &QAction::triggered, this, &frmNetquill::mnuCSV_Click);
    connect(mnuTXT, &QAction::triggered, this, &frmNetquill::mnuTXT_Click);
    connect(mnuHTML, &QAction::triggered, this, &frmNetquill::mnuHTML_Click);
    connect(mnuNewPlan, &QAction::triggered, this, &frmNetquill::mnuNewPlan_Click);
    connect(mnuOpenPlan, &QAction::triggered, this, &frmNetquill::mnuOpenPlan_Click);

    const auto option = [this](netquill::AddressNotation notation) {
        return m_notationOptions->button(static_cast<int>(notation));
    };
    connect(option(netquill::AddressNotation::DottedQuad), &QRadioButton::clicked, this,
            &frmNetquill::optDottedQuad_Click);
    connect(option(netquill::AddressNotation::Decimal), &QRadioButton::clicked, this, &frmNetquill::optDecimal_Click);
    connect(option(netquill::AddressNotation::Hexadecimal), &QRadioButton::clicked, this,
            &frmNetquill::optHexadecimal_Click);
    connect(option(netquill::AddressNotation::Octal), &QRadioButton::clicked, this, &frmNetquill::optOctal_Click);
    connect(option(netquill::AddressNotation::Binary), &QRadioButton::clicked, this, &frmNetquill::optBinary_Click);
    connect(btnConvert, &QPushButton::clicked, this, &frmNetquill::btnConvert_Click);
    connect(btnClearIP, &QPushButton::clicked, this, &frmNetquill::btnClearIP_Click);
    connect(btnCopyTab1ToClipboard, &QPushButton::clicked, this, &frmNetquill::btnCopyTab1ToClipboard_Click);

    connect(btnCalculate, &QPushButton::clicked, this, &frmNetquill::btnCalculate_Click);
    connect(btnClearNetwork, &QPushButton::clicked, this, &frmNetquill::btnClearNetwork_Click);
    connect(btnCopyTab2ToClipboard, &QPushButton::clicked, this, &frmNetquill::btnCopyTab2ToClipboard_Click);
    connect(btnCopyTab3ToClipboard, &QPushButton::clicked, this, &frmNetquill::btnCopyTab3ToClipboard_Click);
    connect(btnGenerate, &QPushButton::clicked, this, &frmNetquill::btnGenerate_Click);
    connect(lblRFC3021, &LinkLabel::linkActivated, this, &frmNetquill::lblRFC3021_Click);

    connect(txtIPv6Address, &QLineEdit::textChanged, this, &frmNetquill::txtIPv6Address_Change);
    connect(cboIPv6Prefix, &QComboBox::activated, this, &frmNetquill::cboIPv6Prefix_Click);
    connect(chkIPv6Nat64, &QCheckBox::toggled, this, &frmNetquill::chkIPv6Nat64_Click);
    connect(txtIPv6Ipv4, &QLineEdit::editingFinished, this, &frmNetquill::txtIPv6Ipv4_Change);
    connect(cboIPv6SubnetPrefix, &QComboBox::activated, this, &frmNetquill::cboIPv6SubnetPrefix_Click);
    connect(btnIPv6Generate, &QPushButton::clicked, this, &frmNetquill::btnIPv6Generate_Click);
    connect(btnCopyTab4ToClipboard, &QPushButton::clicked, this, &frmNetquill::btnCopyTab4ToClipboard_Click);

    m_clickHandlers = {
        {cboNetworkSubnetMask, &frmNetquill::cboNetworkSubnetMask_Click},
        {cboNetworkBits, &frmNetquill::cboNetworkBits_Click},
        {cboCIDRMask, &frmNetquill::cboCIDRMask_Click},
        {cboBits, &frmNetquill::cboBits_Click},
        {cboSubnetMask, &frmNetquill::cboSubnetMask_Click},
        {cboMaskBits, &frmNetquill::cboMaskBits_Click},
        {cboNumberOfSubnets, &frmNetquill::cboNumberOfSubnets_Click},
        {cboHostBits, &frmNetquill::cboHostBits_Click},
        {cboHostsPerSubnet, &frmNetquill::cboHostsPerSubnet_Click},
    };
    // `activated` is the user's choice, by mouse, arrow keys or wheel, even of
    // the entry already shown.
    for (auto handler = m_clickHandlers.cbegin(); handler != m_clickHandlers.cend(); ++handler)
        connect(handler.key(), &QComboBox::activated, this, handler.value());
}

void frmNetquill::selectEntry(QComboBox *list, int entry)
{
    list->setCurrentIndex(entry);
    (this->*m_clickHandlers.value(list))();
}

// The entries at the same position of a mask list and its bits list belong together.
void frmNetquill::pairMaskLists(QComboBox *chosen, QComboBox *partner)
{
    if (ListSyncGuard || chosen->currentIndex() < 0)
        return;
    const QScopedValueRollback<bool> guard(ListSyncGuard, true);
    selectEntry(partner, chosen->currentIndex());
}

void frmNetquill::FillMaskLists()
{
    for (int maskBits = netquill::kShortestMask; maskBits <= netquill::kLongestMask; ++maskBits) {
        const QString mask = QString::fromStdString(netquill::Prefix(maskBits).maskAddress().text());
        cboNetworkSubnetMask->addItem(mask);
        cboNetworkBits->addItem(QString::number(maskBits));
        cboCIDRMask->addItem(mask);
        cboBits->addItem(QString::number(maskBits));
    }
    // Qt makes a list's first entry current; these show nothing until the user chooses.
    for (QComboBox *list : {cboNetworkSubnetMask, cboNetworkBits, cboCIDRMask, cboBits})
        list->setCurrentIndex(-1);
}

// Ctrl+C is File > Copy to Clipboard everywhere in the window: a focused line
// edit would otherwise take it to copy its selected text.
void frmNetquill::keepCopyShortcutFromLineEdits()
{
    for (QLineEdit *field : findChildren<QLineEdit *>()) {
        new EventHook(field, [this](QEvent *event) {
            const bool isKey = event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress;
            if (!isKey || !static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy))
                return false;
            if (event->type() == QEvent::ShortcutOverride)
                event->ignore();  // leaves the key to the menu shortcut
            else
                mnuCopyToClipboard->trigger();  // reached only if the shortcut did not fire
            return true;
        });
    }
}

netquill::CalculatorTab frmNetquill::shownTab() const
{
    return static_cast<netquill::CalculatorTab>(SSTab1->currentIndex());
}

void frmNetquill::SSTab1_Click()
{
    switch (shownTab()) {
    case netquill::CalculatorTab::Netquill:
        focusChosenNotationField();
        break;
    case netquill::CalculatorTab::NetworkNodeCalculator:
        txtIP.front()->setFocus(Qt::OtherFocusReason);
        break;
    case netquill::CalculatorTab::SubnetCalculator:
        txtIPBlock.front()->setFocus(Qt::OtherFocusReason);
        break;
    case netquill::CalculatorTab::Ipv6:
        txtIPv6Address->setFocus(Qt::OtherFocusReason);
        break;
    }
}

void frmNetquill::mnuCopyToClipboard_Click()
{
    switch (shownTab()) {
    case netquill::CalculatorTab::Netquill:
        btnCopyTab1ToClipboard_Click();
        break;
    case netquill::CalculatorTab::NetworkNodeCalculator:
        btnCopyTab2ToClipboard_Click();
        break;
    case netquill::CalculatorTab::SubnetCalculator:
        btnCopyTab3ToClipboard_Click();
        break;
    case netquill::CalculatorTab::Ipv6:
        btnCopyTab4ToClipboard_Click();
        break;
    }
}

// A plan window stands beside this one, not over it: several plans and the
// tabs are used together.
void frmNetquill::mnuNewPlan_Click()
{
    auto *plan = new frmPlan;
    plan->show();
    plan->activateWindow();
}

void frmNetquill::mnuOpenPlan_Click()
{
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Open Plan"), QDir::currentPath(),
                                                      QStringLiteral("Netquill plans (*.nqplan)"));
    if (!path.isEmpty())
        frmPlan::openFile(path, this);
}

void frmNetquill::lblRFC3021_Click() { HyperJump(QString::fromLatin1(netquill::kRfc3021Text)); }

void frmNetquill::btnExit_Click() { close(); }

// Esc that no control kept for itself clicks Exit, the window's cancel button;
// an open drop-down list keeps it, to close itself.
void frmNetquill::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        btnExit->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

// Ending is unconditional: nothing to ask, and every other window of the
// program goes with this one. Plan windows are not asked to close (quit()
// would ask them): their autosave copies keep what was not saved, and the
// next start offers it back.
void frmNetquill::closeEvent(QCloseEvent *event)
{
    event->accept();
    QCoreApplication::exit(0);
}

// The colours of read-only and editable fields, from the palette the desktop has now.
void frmNetquill::takePaletteColours()
{
    m_readOnlyColour = QApplication::palette().color(QPalette::Button);
    m_editableColour = QApplication::palette().color(QPalette::Base);
}

// The application hears of a new palette of the desktop's before any window does.
bool frmNetquill::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange) {
        takePaletteColours();
        // Only the fields shown read-only or editable have a background of their own.
        for (QLineEdit *field : findChildren<QLineEdit *>())
            if (field->palette().isBrushSet(QPalette::Active, QPalette::Base))
                showReadOnly(field, field->isReadOnly());
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmNetquill::showReadOnly(QLineEdit *field, bool readOnly)
{
    field->setReadOnly(readOnly);
    QPalette colours = field->palette();
    colours.setColor(QPalette::Base, readOnly ? m_readOnlyColour : m_editableColour);
    field->setPalette(colours);
}
