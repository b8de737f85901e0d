#include "ui/subnets/frmsubnets.h"

#include "ui/shell/helpmenu.h"
#include "ui/subnets/frmfind.h"
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

frmSubnets::frmSubnets(std::unique_ptr<netquill::SubnetListing> listing, QWidget *owner)
    : QDialog(owner), m_batchModel(new SubnetBatchModel(std::move(listing), this)), m_listing(&m_batchModel->listing())
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
    connect(mnuFind, &QAction::triggered, this, &frmSubnets::mnuFind_Click);
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

QChar widestOf(QLatin1StringView digits, const QFontMetrics &metrics)
{
    QChar widest = digits.front();
    for (const QChar digit : digits)
        if (metrics.horizontalAdvance(digit) > metrics.horizontalAdvance(widest))
            widest = digit;
    return widest;
}

// The text with every digit that can change from row to row written as the
// font's widest digit, so that no row of the split needs more room than it.
// An IPv4 row's octets inside the block's prefix are the same on every row;
// an IPv6 row's groups move as "::" moves, so every hex digit may change.
QString atWidestDigits(const QString &text, const netquill::SubnetListing &listing, const QFontMetrics &metrics)
{
    QString widened = text;
    if (listing.isIpv6()) {
        const QChar widest = widestOf(QLatin1StringView("0123456789abcdef"), metrics);
        for (QChar &character : widened)
            if (character.isDigit() || (character >= QLatin1Char('a') && character <= QLatin1Char('f')))
                character = widest;
        return widened;
    }
    const QChar widest = widestOf(QLatin1StringView("0123456789"), metrics);
    const int fixedOctets = listing.blockLength() / 8;
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

// The widths are decided once, for the whole split, so that the columns stand
// still from batch to batch. Each column starts from its share of the grid in
// the classic proportions and is widened only where the widest text the split
// can show, or its heading, would be cut: a column that changes from row to
// row is measured on the last row, with every digit that changes at the
// widest digit's width. An IPv6 grid first grows the window towards that
// width, as far as the screen allows. What the widening takes is given back
// by the columns with room to spare; only when none is left does the grid
// scroll sideways. No text is ever cut.
void frmSubnets::decideColumnWidths()
{
    const QHeaderView *header = mfgSubnets->horizontalHeader();
    const int columns = m_batchModel->columnCount();
    const auto roomInGrid = [this] {
        return mfgSubnets->width() - 2 * mfgSubnets->frameWidth() -
               mfgSubnets->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, mfgSubnets);
    };
    int allTwips = 0;
    std::vector<int> needed(static_cast<std::size_t>(columns));
    int allNeeded = 0;
    for (int column = 0; column < columns; ++column) {
        const auto k = static_cast<std::size_t>(column);
        allTwips += m_batchModel->columnWidthTwips(column);
        const std::string lastText = m_listing->lastRowText(k);
        QString widestText = QString::fromStdString(lastText);
        if (m_listing->cellText(0, k) != lastText)
            widestText = atWidestDigits(widestText, *m_listing, mfgSubnets->fontMetrics());
        const auto alignment =
            m_batchModel->headerData(column, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>();
        needed[k] = std::max(header->sectionSizeHint(column), cellWidthFor(mfgSubnets, widestText, alignment));
        allNeeded += needed[k];
    }
    if (m_listing->isIpv6())
        widenForColumns(allNeeded - roomInGrid());

    const int room = roomInGrid();
    m_columnWidths.assign(needed.size(), 0);
    int total = 0;
    for (std::size_t k = 0; k < needed.size(); ++k) {
        const int share = room * m_batchModel->columnWidthTwips(static_cast<int>(k)) / allTwips;
        m_columnWidths[k] = std::max(share, needed[k]);
        total += m_columnWidths[k];
    }

    int spare = 0;
    for (std::size_t k = 0; k < needed.size(); ++k)
        spare += m_columnWidths[k] - needed[k];
    int giveBack = std::min(std::max(total - room, 0), spare);
    for (std::size_t k = 0; k < needed.size() && giveBack > 0; ++k) {
        const int slack = m_columnWidths[k] - needed[k];
        const int taken = std::min(slack, (slack * giveBack + spare - 1) / spare);
        m_columnWidths[k] -= taken;
        giveBack -= taken;
        spare -= slack;
    }
}

// Widens the grid and the window by what the columns lack, up to the
// screen's free width; the buttons stay centred under the grid.
void frmSubnets::widenForColumns(int shortOf)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const int margin = 2 * style()->pixelMetric(QStyle::PM_LayoutLeftMargin);
    const int free = screen ? screen->availableGeometry().width() - kClientWidth / kTwipsPerPixel - margin : 0;
    const int wider = std::clamp(shortOf, 0, std::max(free, 0));
    if (wider == 0)
        return;
    mfgSubnets->resize(mfgSubnets->width() + wider, mfgSubnets->height());
    auto *client = mfgSubnets->parentWidget();
    client->setMinimumWidth(client->minimumWidth() + wider);
    for (QPushButton *button : {btnGenerate, btnCopyToClipboard, btnOK})
        button->move(button->x() + wider / 2, button->y());
}

void frmSubnets::applyColumnWidths()
{
    for (std::size_t k = 0; k < m_columnWidths.size(); ++k)
        mfgSubnets->horizontalHeader()->resizeSection(static_cast<int>(k), m_columnWidths[k]);
}

void frmSubnets::buildMenus()
{
    auto *menuBar = new QMenuBar(this);
    layout()->setMenuBar(menuBar);

    QMenu *mnuFile = menuBar->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuGenerate = addMenuEntry(mnuFile, "mnuGenerate", "&Generate Next 1024 Subnets", Qt::CTRL | Qt::Key_G);
    mnuCopyToClipboard = addMenuEntry(mnuFile, "mnuCopyToClipboard", "&Copy to Clipboard", Qt::CTRL | Qt::Key_C);
    mnuFind = addMenuEntry(mnuFile, "mnuFind", "&Find Row or Address...", Qt::CTRL | Qt::Key_F);
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuSpacer1"));
    mnuExit = addMenuEntry(mnuFile, "mnuExit", "E&xit", Qt::Key_F3);

    addHelpMenu(menuBar, this, "About...");

    // The grid's own menu (right click, or the Menu key) holds the same entries.
    mfgSubnets->setContextMenuPolicy(Qt::ActionsContextMenu);
    mfgSubnets->addActions({mnuFind, mnuGenerate, mnuCopyToClipboard});
}

void frmSubnets::showCurrentBatch()
{
    m_batchModel->showBatch();
    // A new batch resets the heading, and with it the widths.
    applyColumnWidths();
    const bool moreRows = m_listing->hasMoreRows();
    btnGenerate->setEnabled(moreRows);
    mnuGenerate->setEnabled(moreRows);
}

void frmSubnets::btnGenerate_Click()
{
    if (!m_listing->hasMoreRows())
        return;
    m_listing->nextBatch();
    showCurrentBatch();
    mfgSubnets->scrollToTop();
    if (!m_listing->hasMoreRows())
        btnCopyToClipboard->setFocus();
}

void frmSubnets::btnCopyToClipboard_Click() { replaceClipboardText(m_listing->clipboardText()); }

// The listing starts again at the row found, which is the grid's current row.
void frmSubnets::mnuFind_Click()
{
    frmFind findBox(*m_listing, this);
    const bool found = findBox.exec() == QDialog::Accepted;
    // The keys come back to the list, whatever the window system chose.
    activateWindow();
    if (!found)
        return;
    m_listing->startAt(findBox.foundRow());
    showCurrentBatch();
    mfgSubnets->setCurrentIndex(m_batchModel->index(0, 0));
    mfgSubnets->scrollToTop();
    mfgSubnets->setFocus();
}

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
