#include "frmsubnets.h"

#include "clipboard.h"
#include "controltable.h"
#include "helpmenu.h"
#include "menuentry.h"
#include "netquillfont.h"
#include "subnetbatchmodel.h"

#include <algorithm>
#include <array>

#include <QFontMetrics>
#include <QHeaderView>
#include <QMenuBar>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// The client area, in twips, below the menu bar.
constexpr int kClientWidth = 9255;
constexpr int kClientHeight = 3795;

constexpr ControlSpec kControls[] = {
    {"btnGenerate", ControlKind::Button, "Generate Next 1024 Subnets", 1320, 3120, 2775, 495},
    {"btnCopyToClipboard", ControlKind::Button, "Copy to Clipboard", 4440, 3120, 1695, 495},
    {"btnOK", ControlKind::Button, "OK", 6480, 3120, 1215, 495},
};

}  // namespace

frmSubnets::frmSubnets(const netquill::SubnetPlan &plan, QWidget *owner) : QDialog(owner), m_listing(plan)
{
    setObjectName(QStringLiteral("frmSubnets"));
    setWindowTitle(QStringLiteral("Subnets"));
    setFont(netquillFont());
    buildLayout();
    buildMenus();

    connect(btnGenerate, &QPushButton::clicked, this, &frmSubnets::btnGenerate_Click);
    connect(btnCopyToClipboard, &QPushButton::clicked, this, &frmSubnets::btnCopyToClipboard_Click);
    connect(btnOK, &QPushButton::clicked, this, &frmSubnets::btnOK_Click);
    connect(mnuGenerate, &QAction::triggered, this, &frmSubnets::btnGenerate_Click);
    connect(mnuCopyToClipboard, &QAction::triggered, this, &frmSubnets::btnCopyToClipboard_Click);
    connect(mnuExit, &QAction::triggered, this, &frmSubnets::btnOK_Click);

    showCurrentBatch();
    mfgSubnets->setFocus();

    // Centred on the screen, not over the main window.
    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void frmSubnets::buildLayout()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setMinimumSize(kClientWidth / kTwipsPerPixel, kClientHeight / kTwipsPerPixel);

    mfgSubnets = new QTableView(client);
    mfgSubnets->setObjectName(QStringLiteral("mfgSubnets"));
    mfgSubnets->setGeometry(fromTwips(240, 240, 8775, 2655));
    m_batchModel = new SubnetBatchModel(this);
    mfgSubnets->setModel(m_batchModel);
    mfgSubnets->verticalHeader()->hide();
    mfgSubnets->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mfgSubnets->setWordWrap(false);
    mfgSubnets->verticalHeader()->setDefaultSectionSize(mfgSubnets->fontMetrics().height() + 4);

    const ControlSet controls = buildControls(client, kControls);
    btnGenerate = controls.get<QPushButton>("btnGenerate");
    btnCopyToClipboard = controls.get<QPushButton>("btnCopyToClipboard");
    btnOK = controls.get<QPushButton>("btnOK");
    setTabOrder(mfgSubnets, btnGenerate);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(client);
}

// Every column is as wide as the widest text of the batch it shows, and the
// room left beside the vertical scroll bar goes to the columns in the
// proportions of the grid's classic widths. Texts too wide for the grid bring
// a horizontal scroll bar; none is ever cut.
void frmSubnets::fitColumnsToBatch()
{
    const QFontMetrics metrics = mfgSubnets->fontMetrics();
    const int cellMargin = 2 * (mfgSubnets->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1) + 1;
    std::array<int, netquill::kSubnetColumnCount> widths{};
    for (int column = 0; column < netquill::kSubnetColumnCount; ++column)
        widths[column] = metrics.horizontalAdvance(m_batchModel->headerData(column, Qt::Horizontal).toString());
    for (const netquill::SubnetRow &row : m_listing.batch()) {
        for (int column = 0; column < netquill::kSubnetColumnCount; ++column) {
            const QString text = QString::fromStdString(row.text(static_cast<netquill::SubnetColumn>(column)));
            widths[column] = std::max(widths[column], metrics.horizontalAdvance(text));
        }
    }

    int allTwips = 0;
    int used = 0;
    for (int column = 0; column < netquill::kSubnetColumnCount; ++column) {
        widths[column] += cellMargin;
        used += widths[column];
        allTwips += SubnetBatchModel::columnWidthTwips(static_cast<netquill::SubnetColumn>(column));
    }
    const int room = mfgSubnets->width() - 2 * mfgSubnets->frameWidth() -
                     mfgSubnets->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int spare = std::max(room - used, 0);
    for (int column = 0; column < netquill::kSubnetColumnCount; ++column) {
        const int twips = SubnetBatchModel::columnWidthTwips(static_cast<netquill::SubnetColumn>(column));
        mfgSubnets->horizontalHeader()->resizeSection(column, widths[column] + spare * twips / allTwips);
    }
}

void frmSubnets::buildMenus()
{
    auto *menuBar = new QMenuBar(this);
    layout()->setMenuBar(menuBar);

    QMenu *mnuFile = menuBar->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuGenerate = addMenuEntry(mnuFile, "mnuGenerate", "&Generate Next 1024 Subnets", Qt::CTRL | Qt::Key_G);
    mnuCopyToClipboard = addMenuEntry(mnuFile, "mnuCopyToClipboard", "&Copy to Clipboard", Qt::CTRL | Qt::Key_C);
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuSpacer1"));
    mnuExit = addMenuEntry(mnuFile, "mnuExit", "E&xit", Qt::Key_F3);

    addHelpMenu(menuBar, this, "About...");
}

void frmSubnets::showCurrentBatch()
{
    m_batchModel->showBatch(m_listing.batch());
    fitColumnsToBatch();
    const bool moreRows = m_listing.hasMoreRows();
    btnGenerate->setEnabled(moreRows);
    mnuGenerate->setEnabled(moreRows);
}

void frmSubnets::btnGenerate_Click()
{
    if (!m_listing.hasMoreRows())
        return;
    m_listing.nextBatch();
    showCurrentBatch();
    mfgSubnets->scrollToTop();
    if (!m_listing.hasMoreRows())
        btnCopyToClipboard->setFocus();
}

void frmSubnets::btnCopyToClipboard_Click()
{
    replaceClipboardText(m_listing.clipboardText());
}

void frmSubnets::btnOK_Click()
{
    close();
}
