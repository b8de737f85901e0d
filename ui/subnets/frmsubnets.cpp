#include "ui/subnets/frmsubnets.h"

#include "ui/shell/helpmenu.h"
#include "ui/subnets/subnetbatchmodel.h"
#include "ui/widgets/accessiblenames.h"
#include "ui/widgets/clipboard.h"
#include "ui/widgets/controltable.h"
#include "ui/widgets/menuentry.h"
#include "ui/widgets/netquillfont.h"

#include <algorithm>
#include <array>

#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// The client area, in twips, below the menu bar.
constexpr int kClientWidth = 9255;
constexpr int kClientHeight = 3795;

constexpr ControlRow kControls[] = {
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
    // Modal over the main window only: the help window stays usable beside it.
    setWindowModality(Qt::WindowModal);
    buildLayout();
    buildMenus();

    connect(btnGenerate, &QPushButton::clicked, this, &frmSubnets::btnGenerate_Click);
    connect(btnCopyToClipboard, &QPushButton::clicked, this, &frmSubnets::btnCopyToClipboard_Click);
    connect(btnOK, &QPushButton::clicked, this, &frmSubnets::btnOK_Click);
    connect(mnuGenerate, &QAction::triggered, this, &frmSubnets::btnGenerate_Click);
    connect(mnuCopyToClipboard, &QAction::triggered, this, &frmSubnets::btnCopyToClipboard_Click);
    connect(mnuExit, &QAction::triggered, this, &frmSubnets::btnOK_Click);

    decideColumnWidths();
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
    m_batchModel = new SubnetBatchModel(m_listing.renderer(), this);
    mfgSubnets->setModel(m_batchModel);
    mfgSubnets->verticalHeader()->hide();
    mfgSubnets->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mfgSubnets->setWordWrap(false);
    // Tab and Shift+Tab go from control to control; the arrow keys, Home/End
    // and Page Up/Down move inside the grid.
    mfgSubnets->setTabKeyNavigation(false);
    mfgSubnets->verticalHeader()->setDefaultSectionSize(mfgSubnets->fontMetrics().height() + 4);

    mfgSubnets->setAccessibleName(QStringLiteral("Subnets"));
    const ControlSet controls = buildControls(client, kControls);
    nameControlsFromTheirLabels(controls, kControls);
    btnGenerate = controls.get<QPushButton>("btnGenerate");
    btnCopyToClipboard = controls.get<QPushButton>("btnCopyToClipboard");
    btnOK = controls.get<QPushButton>("btnOK");
    setTabOrder(mfgSubnets, btnGenerate);
    // No button is the list's default: Enter in the grid cannot replace the
    // rows shown, and no button is drawn as if it would.
    for (QPushButton *button : {btnGenerate, btnCopyToClipboard, btnOK})
        button->setAutoDefault(false);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(client);
}

namespace {

// The width a cell of the grid needs to show `text` whole: the text as the
// style lays it out, with the style's text margins and the grid line.
int cellWidthFor(const QTableView *grid, const QString &text, Qt::Alignment alignment)
{
    QStyleOptionViewItem option;
    option.initFrom(grid);
    option.font = grid->font();
    option.fontMetrics = QFontMetrics(option.font);
    option.features = QStyleOptionViewItem::HasDisplay;
    option.text = text;
    option.displayAlignment = alignment;
    option.textElideMode = grid->textElideMode();
    const int width = grid->style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), grid).width();
    return width + (grid->showGrid() ? 1 : 0);
}

// The text with every digit that can change from row to row written as the
// font's widest digit, so that no row of the plan needs more room than it.
// The octets inside the block's prefix are the same on every row.
QString atWidestDigits(const QString &text, int fixedOctets, const QFontMetrics &metrics)
{
    QChar widest = QLatin1Char('0');
    for (char digit = '1'; digit <= '9'; ++digit)
        if (metrics.horizontalAdvance(QLatin1Char(digit)) > metrics.horizontalAdvance(widest))
            widest = QLatin1Char(digit);
    QString widened = text;
    int octet = 0;
    for (QChar &character : widened) {
        if (character == QLatin1Char('.'))
            ++octet;
        else if (!character.isDigit())
            octet = 0;  // between the two addresses of a host range
        else if (octet >= fixedOctets)
            character = widest;
    }
    return widened;
}

}  // namespace

// The widths are decided once, for the whole plan, so that the columns stand
// still from batch to batch. Each column starts from its share of the grid in
// the classic proportions and is widened only where the widest text the plan
// can show, or its heading, would be cut: a column that changes from row to
// row is measured on the last row, where every octet is largest, with every
// digit that changes at the widest digit's width. What the widening takes is given back by
// the columns with room to spare; only when none is left does the grid scroll
// sideways. No text is ever cut.
void frmSubnets::decideColumnWidths()
{
    const QHeaderView *header = mfgSubnets->horizontalHeader();
    const int room = mfgSubnets->width() - 2 * mfgSubnets->frameWidth() -
                     mfgSubnets->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, mfgSubnets);
    int allTwips = 0;
    for (int column = 0; column < netquill::kSubnetColumnCount; ++column)
        allTwips += SubnetBatchModel::columnWidthTwips(static_cast<netquill::SubnetColumn>(column));

    const netquill::SubnetRowRenderer &renderer = m_listing.renderer();
    const netquill::SubnetAddresses firstRow = m_listing.batch().front();
    const netquill::SubnetAddresses lastRow = m_listing.lastRow();
    std::array<int, netquill::kSubnetColumnCount> needed{};
    int total = 0;
    for (int column = 0; column < netquill::kSubnetColumnCount; ++column) {
        const auto which = static_cast<netquill::SubnetColumn>(column);
        const std::string lastText = renderer.cellText(lastRow, which);
        const bool changes = renderer.cellText(firstRow, which) != lastText;
        QString widestText = QString::fromStdString(lastText);
        if (changes)
            widestText = atWidestDigits(widestText, m_listing.plan().block().length / 8, mfgSubnets->fontMetrics());
        const auto alignment =
            m_batchModel->headerData(column, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>();
        needed[column] = std::max(header->sectionSizeHint(column), cellWidthFor(mfgSubnets, widestText, alignment));
        const int share = room * SubnetBatchModel::columnWidthTwips(which) / allTwips;
        m_columnWidths[column] = std::max(share, needed[column]);
        total += m_columnWidths[column];
    }

    int spare = 0;
    for (int column = 0; column < netquill::kSubnetColumnCount; ++column)
        spare += m_columnWidths[column] - needed[column];
    int giveBack = std::min(std::max(total - room, 0), spare);
    for (int column = 0; column < netquill::kSubnetColumnCount && giveBack > 0; ++column) {
        const int slack = m_columnWidths[column] - needed[column];
        const int taken = std::min(slack, (slack * giveBack + spare - 1) / spare);
        m_columnWidths[column] -= taken;
        giveBack -= taken;
        spare -= slack;
    }
}

void frmSubnets::applyColumnWidths()
{
    for (int column = 0; column < netquill::kSubnetColumnCount; ++column)
        mfgSubnets->horizontalHeader()->resizeSection(column, m_columnWidths[column]);
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
    // A new batch resets the heading, and with it the widths.
    applyColumnWidths();
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

void frmSubnets::btnCopyToClipboard_Click() { replaceClipboardText(m_listing.clipboardText()); }

// Enter clicks the focused button, as Space does, and nothing else: the
// list has no default button.
void frmSubnets::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto *button = qobject_cast<QPushButton *>(focusWidget()))
            button->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmSubnets::btnOK_Click() { close(); }
