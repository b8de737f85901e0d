#include "ui/plans/frmplan.h"

#include "core/address/uniquelocal.h"
#include "core/calculators/ipv6calculator.h"
#include "core/files/wholefile.h"
#include "core/ipam/importfile.h"
#include "core/ipam/ipamexport.h"
#include "core/lines/planrows.h"
#include "core/planning/requesttext.h"
#include "core/productinfo.h"
#include "ui/plans/frmclaimblock.h"
#include "ui/plans/frmplacerequests.h"
#include "ui/plans/plancolours.h"
#include "ui/plans/plandelegate.h"
#include "ui/plans/plandocument.h"
#include "ui/plans/plandrops.h"
#include "ui/plans/planprint.h"
#include "ui/plans/plantreemodel.h"
#include "ui/plans/recentplans.h"
#include "ui/shell/helpmenu.h"
#include "ui/widgets/menuentry.h"
#include "ui/widgets/netquillfont.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QSortFilterProxyModel>
#include <QStatusBar>
#include <QTextDocument>
#include <QTreeView>

#include <cstring>
#include <variant>

namespace {

// The most bytes an address list may have for Import List.
constexpr std::size_t kLargestList = std::size_t{256} << 20;
constexpr std::size_t kNodesOpenedWhole = 2000;

QString productName() { return QString::fromLatin1(netquill::kProductName); }

QString shownPath(const QString &path) { return QDir::toNativeSeparators(path); }

}  // namespace

frmPlan::frmPlan() : frmPlan(std::make_unique<PlanDocument>()) {}

frmPlan::frmPlan(std::unique_ptr<PlanDocument> document) : m_document(std::move(document)), m_plan(m_document->plan())
{
    setObjectName(QStringLiteral("frmPlan"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(netquillFont());
    acceptPlanDrops(this);
    connect(m_document.get(), &PlanDocument::stateChanged, this, &frmPlan::updateTitle);
    connect(m_document.get(), &PlanDocument::autosaveFailed, this, &frmPlan::showAutosaveFailure);
    tvwPlan = new QTreeView(this);
    tvwPlan->setObjectName(QStringLiteral("tvwPlan"));
    tvwPlan->setAccessibleName(QStringLiteral("Plan"));
    tvwPlan->setUniformRowHeights(true);  // a plan of 100,000 rows draws as fast as one of ten
    tvwPlan->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    // A row is chosen whole; its current cell is the name, which F2 edits, as in every tree view.
    tvwPlan->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_model = new PlanTreeModel(
        m_plan, [this] { m_document->stepTaken(); }, this);
    connect(m_model, &PlanTreeModel::refused, this,
            [this](const QString &reason) { refuse(reason.toStdString() + "."); });
    // Sorted by any column, the Subnet column first, which is the plan's own order.
    m_sorted = new QSortFilterProxyModel(this);
    m_sorted->setSourceModel(m_model);
    m_sorted->setSortRole(PlanTreeModel::kSortRole);
    tvwPlan->setModel(m_sorted);
    tvwPlan->setItemDelegate(new PlanDelegate(tvwPlan));
    tvwPlan->setSortingEnabled(true);
    tvwPlan->sortByColumn(PlanTreeModel::Subnet, Qt::AscendingOrder);
    tvwPlan->header()->setSectionResizeMode(QHeaderView::Interactive);
    // Room for the longest texts a column can hold: a /128 nine levels deep, and the 39 digits of 2^128.
    const QFontMetrics metrics = tvwPlan->fontMetrics();
    tvwPlan->header()->resizeSection(PlanTreeModel::Subnet, metrics.horizontalAdvance(QStringLiteral(
                                                                "ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff/128")) +
                                                                10 * tvwPlan->indentation());
    tvwPlan->header()->resizeSection(PlanTreeModel::Size, metrics.horizontalAdvance(QString(40, QLatin1Char('0'))));
    tvwPlan->header()->resizeSection(PlanTreeModel::Status, metrics.horizontalAdvance(QStringLiteral("Deprecated")) +
                                                                4 * metrics.averageCharWidth());
    tvwPlan->header()->resizeSection(PlanTreeModel::Vlan, metrics.horizontalAdvance(QStringLiteral("VLAN 4094")));
    tvwPlan->header()->resizeSection(PlanTreeModel::Colour, metrics.horizontalAdvance(QStringLiteral("Purple")) + 40);
    tvwPlan->header()->resizeSection(PlanTreeModel::Used, metrics.horizontalAdvance(QStringLiteral("< 0.1 %")) + 40);
    setCentralWidget(tvwPlan);
    // A plan opens with its trees open, as far as a screenful or two needs.
    if (m_plan.nodeCount() <= kNodesOpenedWhole)
        tvwPlan->expandAll();
    else
        tvwPlan->expandToDepth(0);
    buildMenus();
    tvwPlan->setCurrentIndex(m_sorted->index(0, PlanTreeModel::Name));
    updateTitle();
    // As wide as the columns want, within the screen.
    QSize size(960, 480);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    resize(size);
    // Where the autosave copy cannot be written, the status bar says so until it can.
    lblAutosave = new QLabel(this);
    lblAutosave->setObjectName(QStringLiteral("lblAutosave"));
    lblAutosave->setAccessibleName(QStringLiteral("Autosave"));
    statusBar()->addWidget(lblAutosave, 1);
    lblAutosave->hide();
    lblFree = new QLabel(this);
    lblFree->setObjectName(QStringLiteral("lblFree"));
    lblFree->setAccessibleName(QStringLiteral("Free space"));
    statusBar()->addPermanentWidget(lblFree);
    connect(tvwPlan->selectionModel(), &QItemSelectionModel::currentChanged, this, &frmPlan::showFreeSpace);
    connect(m_document.get(), &PlanDocument::stateChanged, this, &frmPlan::showFreeSpace);
    showFreeSpace();
}

void frmPlan::buildMenus()
{
    QMenu *mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    connect(addMenuEntry(mnuFile, "mnuSave", "&Save", QKeySequence::Save), &QAction::triggered, this,
            &frmPlan::mnuSave_Click);
    connect(addMenuEntry(mnuFile, "mnuSaveAs", "Save &As...", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)),
            &QAction::triggered, this, &frmPlan::mnuSaveAs_Click);
    connect(addMenuEntry(mnuFile, "mnuExport", "&Export..."), &QAction::triggered, this, &frmPlan::mnuExport_Click);
    mnuFile->addSeparator();
    connect(addMenuEntry(mnuFile, "mnuPrint", "&Print...", QKeySequence::Print), &QAction::triggered, this,
            &frmPlan::mnuPrint_Click);
    connect(addMenuEntry(mnuFile, "mnuPrintPreview", "Print Pre&view..."), &QAction::triggered, this,
            &frmPlan::mnuPrintPreview_Click);
    mnuFile->addSeparator();
    connect(addMenuEntry(mnuFile, "mnuClose", "&Close", QKeySequence(Qt::CTRL | Qt::Key_W)), &QAction::triggered, this,
            &QWidget::close);

    QMenu *mnuEdit = menuBar()->addMenu(QStringLiteral("&Edit"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    mnuUndo = addMenuEntry(mnuEdit, "mnuUndo", "&Undo", QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuRedo = addMenuEntry(mnuEdit, "mnuRedo", "&Redo", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    connect(mnuUndo, &QAction::triggered, this, &frmPlan::mnuUndo_Click);
    connect(mnuRedo, &QAction::triggered, this, &frmPlan::mnuRedo_Click);
    connect(addMenuEntry(mnuEdit, "mnuCopy", "&Copy", QKeySequence::Copy), &QAction::triggered, this,
            &frmPlan::mnuCopy_Click);
    mnuEdit->addSeparator();
    const struct {
        const char *name;
        const char *caption;
        QKeySequence shortcut;
        void (frmPlan::*handler)();
    } entries[] = {
        {"mnuAddBlock", "&Add Block...", QKeySequence(Qt::Key_Insert), &frmPlan::mnuAddBlock_Click},
        {"mnuAddUla", "Add &ULA /48", QKeySequence(), &frmPlan::mnuAddUla_Click},
        {"mnuImportList", "Import &List...", QKeySequence(), &frmPlan::mnuImportList_Click},
        {"mnuSplit", "&Split", QKeySequence(), &frmPlan::mnuSplit_Click},
        {"mnuSplitInto", "Split &Into...", QKeySequence(), &frmPlan::mnuSplitInto_Click},
        {"mnuSplitAll", "Split &All To...", QKeySequence(), &frmPlan::mnuSplitAll_Click},
        {"mnuJoin", "&Join", QKeySequence(), &frmPlan::mnuJoin_Click},
        {"mnuPlaceRequests", "&Place Requests...", QKeySequence(), &frmPlan::mnuPlaceRequests_Click},
        {"mnuClaimBlock", "&Claim Block...", QKeySequence(), &frmPlan::mnuClaimBlock_Click},
        {"mnuPair", "Pa&ir...", QKeySequence(), &frmPlan::mnuPair_Click},
        {"mnuUnpair", "&Unpair", QKeySequence(), &frmPlan::mnuUnpair_Click},
        {"mnuRename", "Re&name", QKeySequence(Qt::Key_F2), &frmPlan::mnuRename_Click},
        {"mnuVlan", "Set &VLAN...", QKeySequence(), &frmPlan::mnuVlan_Click},
        {"mnuDelete", "&Delete", QKeySequence(QKeySequence::Delete), &frmPlan::mnuDelete_Click},
        {"mnuFind", "&Find Address...", QKeySequence(Qt::CTRL | Qt::Key_F), &frmPlan::mnuFind_Click},
        {"mnuFindFree", "Find &Free Block...", QKeySequence(), &frmPlan::mnuFindFree_Click},
    };
    // The row's own menu (right click, or the Menu key) holds the same entries.
    tvwPlan->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (const auto &entry : entries) {
        QAction *action = addMenuEntry(mnuEdit, entry.name, entry.caption, entry.shortcut);
        connect(action, &QAction::triggered, this, entry.handler);
        tvwPlan->addAction(action);
        // Status after Rename, Colour after VLAN: what a block carries, together.
        const bool rename = std::strcmp(entry.name, "mnuRename") == 0;
        if (QMenu *submenu = rename ? statusMenu() : std::strcmp(entry.name, "mnuVlan") == 0 ? colourMenu() : nullptr) {
            mnuEdit->addMenu(submenu);
            tvwPlan->addAction(submenu->menuAction());
        }
    }
    addHelpMenu(menuBar(), this, "&About...");
}

QMenu *frmPlan::statusMenu()
{
    auto *menu = new QMenu(QStringLiteral("Set S&tatus"), this);
    menu->setObjectName(QStringLiteral("mnuStatus"));
    for (const netquill::BlockStatus status : netquill::kStatuses) {
        const QString name = QString::fromLatin1(netquill::statusName(status).data());
        QAction *entry = menu->addAction(QLatin1Char('&') + name.front().toUpper() + name.mid(1));
        entry->setObjectName(QStringLiteral("mnuStatus_") + name);
        connect(entry, &QAction::triggered, this, [this, status] {
            describeCurrent([status](netquill::BlockDetails &details) { details.status = status; });
        });
    }
    return menu;
}

QMenu *frmPlan::colourMenu()
{
    auto *menu = new QMenu(QStringLiteral("Set C&olour"), this);
    menu->setObjectName(QStringLiteral("mnuColour"));
    QAction *none = menu->addAction(QStringLiteral("&None"));
    none->setObjectName(QStringLiteral("mnuColour_none"));
    connect(none, &QAction::triggered, this,
            [this] { describeCurrent([](netquill::BlockDetails &details) { details.colour.reset(); }); });
    for (const netquill::BlockColour colour : netquill::kColours) {
        const QString name = QString::fromLatin1(netquill::colourName(colour).data());
        QAction *entry = menu->addAction(QLatin1Char('&') + name.front().toUpper() + name.mid(1));
        entry->setObjectName(QStringLiteral("mnuColour_") + name);
        connect(entry, &QAction::triggered, this, [this, colour] {
            describeCurrent([colour](netquill::BlockDetails &details) { details.colour = colour; });
        });
    }
    // The swatches in the frame of the palette's text, drawn anew when the palette changes.
    const auto drawSwatches = [menu] {
        const QList<QAction *> entries = menu->actions();
        for (std::size_t k = 0; k < std::size(netquill::kColours); ++k)
            entries[static_cast<qsizetype>(k) + 1]->setIcon(
                swatchIcon(netquill::kColours[k], menu->palette().color(QPalette::Text)));
    };
    drawSwatches();
    connect(menu, &QMenu::aboutToShow, menu, drawSwatches);
    return menu;
}

template <typename Change>
void frmPlan::describeCurrent(Change change)
{
    const auto node = currentBlock();
    if (!node)
        return;
    netquill::BlockDetails details = m_plan.details(*node);
    change(details);
    if (details == m_plan.details(*node) || refused(m_plan.describe(*node, details)))
        return;
    showChange(*node);
}

void frmPlan::mnuVlan_Click()
{
    const auto node = currentBlock();
    if (!node)
        return;
    bool given = false;
    const int vlan = QInputDialog::getInt(
        this, QStringLiteral("Set VLAN"),
        QStringLiteral("VLAN id of %1 (1 to 4094, 0 for none):").arg(QString::fromStdString(node->text())),
        m_plan.details(*node).vlan.value_or(0), 0, netquill::kHighestVlan, 1, &given);
    // The keys come back to this window, whatever the window system chose.
    activateWindow();
    if (given)
        describeCurrent(
            [vlan](netquill::BlockDetails &details) { details.vlan = vlan == 0 ? std::nullopt : std::optional(vlan); });
}

void frmPlan::showFreeSpace()
{
    const auto node = currentBlock();
    if (!node || !m_plan.has(*node)) {
        lblFree->clear();
        return;
    }
    const int hostBits = node->width() - node->length();
    const netquill::Count total = netquill::Count::powerOfTwo(hostBits);
    const netquill::Count used = m_plan.usedAddresses(*node);
    // 2^128 less a count, which 128 bits hold once the count is not 0.
    const netquill::Count free = used.isZero() ? total : netquill::Count(total.value() - used.value());
    lblFree->setText(QStringLiteral("%1: %2 of %3 addresses free (%4)")
                         .arg(QString::fromStdString(node->text()), QString::fromStdString(free.text()),
                              QString::fromStdString(total.text()),
                              QString::fromStdString(netquill::shareText(free, hostBits))));
}

// The first free block of a size under the current node, in sight, offered to be claimed.
void frmPlan::mnuFindFree_Click()
{
    const auto node = currentBlock();
    if (!node)
        return;
    bool given = false;
    const QString text =
        QInputDialog::getText(this, QStringLiteral("Find Free Block"),
                              QStringLiteral("Size of the free block in %1 (/LENGTH, or %2):")
                                  .arg(QString::fromStdString(node->text()), node->family() == netquill::Family::Ipv4
                                                                                 ? QStringLiteral("usable hosts")
                                                                                 : QStringLiteral("addresses")),
                              QLineEdit::Normal, QString(), &given);
    // The keys come back to this window, whatever the window system chose.
    activateWindow();
    if (!given)
        return;
    const std::string typed = text.trimmed().toStdString();
    const auto length = netquill::withFamily(node->family(), [&]<typename Address>() {
        return netquill::requestedLength<Address>(typed, netquill::HostRule());
    });
    if (!length)
        return refuse("\"" + typed + "\" " + length.reason() + ".");
    const auto found = m_plan.firstFreeBlock(*node, *length);
    if (!found)
        return refuse("No free block of /" + std::to_string(*length) + " is left in " + node->text() + ".");
    showRow(*m_plan.leafHolding(found->network()));
    if (!confirm(QStringLiteral("%1 is free. Claim it?").arg(QString::fromStdString(found->text()))))
        return;
    frmClaimBlock box(m_plan, *found, this);
    if (!accepted(box) || refused(m_plan.claim(box.block(), {.name = box.name()})))
        return;
    showChange(box.block());
}

// The tree reads the document's plan: it goes before the document does.
frmPlan::~frmPlan()
{
    tvwPlan->setModel(nullptr);
    delete m_sorted;
    delete m_model;
}

frmPlan *frmPlan::openFile(const QString &path, QWidget *messageOwner)
{
    // The same file by any name (a link, a relative path) is the same plan.
    const QString canonical = QFileInfo(path).canonicalFilePath();
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *open = qobject_cast<frmPlan *>(window);
            open && !canonical.isEmpty() && QFileInfo(open->document().path()).canonicalFilePath() == canonical) {
            open->raiseWindow();
            return open;
        }
    QString reason;
    auto document = PlanDocument::open(path, reason);
    if (!document) {
        QMessageBox::warning(messageOwner, productName(),
                             QStringLiteral("The plan \"%1\" cannot be opened: %2.").arg(shownPath(path), reason));
        return nullptr;
    }
    auto *window = new frmPlan(std::move(document));
    rememberPlan(path);
    window->raiseWindow();
    return window;
}

void frmPlan::raiseWindow()
{
    show();
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

// Only the copies of programs that ended: a copy whose program still runs
// is that program's. A copy that cannot be read stays where it is, for the
// user to look at, and is named with its reason.
void frmPlan::offerAutosaves(QWidget *messageOwner)
{
    for (const AutosaveCopy::Stale &stale : AutosaveCopy::takeStale()) {
        const QString plan = stale.planPath.isEmpty()
                                 ? QStringLiteral("A new plan")
                                 : QStringLiteral("The plan \"%1\"").arg(shownPath(stale.planPath));
        const QString changed = QLocale().toString(stale.lastChanged, QLocale::ShortFormat);
        QString reason;
        auto document = PlanDocument::recover(stale, reason);
        if (!document) {
            QMessageBox::warning(messageOwner, productName(),
                                 QStringLiteral("%1 has an autosave copy (last changed %2) that cannot be read: %3. "
                                                "The copy is kept as \"%4\".")
                                     .arg(plan, changed, reason, shownPath(stale.copy->copyPath())));
            continue;
        }
        const auto answer = QMessageBox::question(
            messageOwner, productName(),
            QStringLiteral("%1 was not saved when %2 last ended (last changed %3). Open it to keep its changes?")
                .arg(plan, productName(), changed),
            QMessageBox::Open | QMessageBox::Discard, QMessageBox::Open);
        if (answer == QMessageBox::Open) {
            (new frmPlan(std::move(document)))->raiseWindow();
            continue;
        }
        document->discard();
    }
}

netquill::AnyBlock frmPlan::blockAt(const QModelIndex &shown) const
{
    return m_model->blockAt(m_sorted->mapToSource(shown));
}

QModelIndex frmPlan::indexOf(const netquill::AnyBlock &block) const
{
    return m_sorted->mapFromSource(m_model->indexOf(block));
}

std::optional<netquill::AnyBlock> frmPlan::currentBlock() const
{
    const QModelIndex current = tvwPlan->currentIndex();
    return current.isValid() ? std::optional(blockAt(current)) : std::nullopt;
}

void frmPlan::showChange(std::optional<netquill::AnyBlock> current)
{
    m_model->showLastChange();
    // The row to show: the one asked for, else the leaf where it stood.
    if (current && !m_plan.has(*current))
        current = m_plan.leafHolding(current->network());
    if (current)
        showRow(*current);
    m_document->stepTaken();
}

void frmPlan::showRow(const netquill::AnyBlock &block)
{
    const QModelIndex index = indexOf(block);
    for (QModelIndex above = index.parent(); above.isValid(); above = above.parent())
        tvwPlan->expand(above);
    tvwPlan->setCurrentIndex(index.siblingAtColumn(PlanTreeModel::Name));
    tvwPlan->scrollTo(index);
}

void frmPlan::updateTitle()
{
    const QString name =
        m_document->path().isEmpty() ? QStringLiteral("Untitled plan") : QFileInfo(m_document->path()).fileName();
    setWindowTitle(name + QStringLiteral("[*] - ") + productName());
    setWindowModified(m_document->unsaved());
    // The entries name the step they take back or again: "Undo Split".
    const auto named = [](const char *verb, const std::string &step) {
        return QString::fromLatin1(verb) + (step.empty() ? QString() : QLatin1Char(' ') + QString::fromStdString(step));
    };
    mnuUndo->setText(named("&Undo", m_plan.undoName()));
    mnuRedo->setText(named("&Redo", m_plan.redoName()));
    mnuUndo->setEnabled(m_plan.canUndo());
    mnuRedo->setEnabled(m_plan.canRedo());
}

void frmPlan::showAutosaveFailure(const QString &reason)
{
    lblAutosave->setText(reason.isEmpty() ? QString()
                                          : QStringLiteral("The autosave copy cannot be written: %1. Save the plan "
                                                           "to keep its changes.")
                                                .arg(reason));
    lblAutosave->setVisible(!reason.isEmpty());
}

bool frmPlan::refused(const netquill::Refused &refusal)
{
    if (refusal)
        refuse(refusal->text() + ".");
    return refusal.has_value();
}

void frmPlan::refuse(const std::string &reason)
{
    QMessageBox::information(this, productName(), QString::fromStdString(reason));
    activateWindow();
}

bool frmPlan::accepted(QDialog &box)
{
    const bool given = box.exec() == QDialog::Accepted;
    // The keys come back to this window, whatever the window system chose.
    activateWindow();
    return given;
}

bool frmPlan::confirm(const QString &question)
{
    const bool yes = QMessageBox::question(this, productName(), question) == QMessageBox::Yes;
    activateWindow();
    return yes;
}

void frmPlan::mnuUndo_Click()
{
    const auto current = currentBlock();
    if (m_plan.undo())
        showChange(current);
}

void frmPlan::mnuRedo_Click()
{
    const auto current = currentBlock();
    if (m_plan.redo())
        showChange(current);
}

// A block of either family asked for by its text; nothing when the box is
// cancelled or the text is refused, which says why.
std::optional<netquill::AnyBlock> frmPlan::askForBlock(const QString &title, const QString &prompt)
{
    bool given = false;
    const QString text = QInputDialog::getText(this, title, prompt, QLineEdit::Normal, QString(), &given);
    // The keys come back to this window, whatever the window system chose.
    activateWindow();
    if (!given)
        return std::nullopt;
    const auto block = netquill::parseAnyBlock(text.trimmed().toStdString());
    if (!block) {
        refuse("\"" + text.toStdString() + "\" " + block.reason() + ".");
        return std::nullopt;
    }
    return *block;
}

void frmPlan::mnuAddBlock_Click()
{
    const auto block = askForBlock(QStringLiteral("Add Block"), QStringLiteral("Block (10.0.0.0/8 or 2001:db8::/32):"));
    if (!block)
        return;
    if (const auto refusal = m_plan.addRoot(*block))
        return refuse(block->text() + " " + refusal->text() + ".");
    showChange(*block);
}

// A unique local /48 of a Global ID drawn at random (RFC 4193), as a new
// tree; a draw that meets a block of the plan is drawn again.
void frmPlan::mnuAddUla_Click()
{
    for (int draw = 0; draw < 8; ++draw) {
        const netquill::AnyBlock block(netquill::uniqueLocalPrefix(netquill::randomGlobalId()));
        if (!m_plan.addRoot(block))
            return showChange(block);
    }
    refuse("No unique local /48 drawn is free in this plan.");
}

// A NetBox or phpIPAM CSV, its prefixes nested by containment, or an address
// list merged as netquill-cli aggregate merges it, as new trees; in one
// step: all of it, or nothing where a line is refused.
void frmPlan::mnuImportList_Click()
{
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("Import List"), QDir::currentPath(),
        QStringLiteral("Address lists and NetBox or phpIPAM CSV (*.txt *.lst *.csv);;All files (*)"));
    activateWindow();
    if (path.isEmpty())
        return;
    const auto file = netquill::readWholeFile(path.toStdString(), kLargestList);
    if (!file)
        return refuse("\"" + shownPath(path).toStdString() + "\" cannot be read: " + file.reason() + ".");
    netquill::Complaints complaints;
    const auto refusal = netquill::importIntoPlan(m_plan, file->bytes, complaints);
    if (complaints.any()) {
        QMessageBox::warning(this, productName(),
                             QStringLiteral("Nothing was imported: %1 of \"%2\" %3 no address, block or range.\n\n%4")
                                 .arg(complaints.count() == 1 ? QStringLiteral("a line")
                                                              : QStringLiteral("%1 lines").arg(complaints.count()),
                                      shownPath(path),
                                      complaints.count() == 1 ? QStringLiteral("is") : QStringLiteral("are"),
                                      QString::fromStdString(complaints.report()).trimmed()));
        activateWindow();
        return;
    }
    if (refusal)
        return refuse("Nothing was imported: \"" + shownPath(path).toStdString() + "\" " + refusal->text() + ".");
    showChange(m_plan.lastChanged().front());
}

void frmPlan::mnuSplit_Click()
{
    const auto leaf = currentBlock();
    if (!leaf)
        return;
    splitLeaf(*leaf, 1);
}

// The leaf split, its new subnets in sight.
void frmPlan::splitLeaf(netquill::AnyBlock leaf, int bits)
{
    if (refused(m_plan.split(leaf, bits)))
        return;
    showChange(leaf);
    tvwPlan->expand(indexOf(leaf));
}

// Into 2 to 1024 subnets; an IPv6 leaf proposes the next nibble boundary.
void frmPlan::mnuSplitInto_Click()
{
    const auto leaf = currentBlock();
    if (!leaf)
        return;
    QStringList counts;
    const int mostBits = std::min(netquill::Plan::kMostSplitBits, leaf->width() - leaf->length());
    for (int bits = 1; bits <= mostBits; ++bits)
        counts << QString::number(1 << bits);
    if (counts.isEmpty())
        return refuse(leaf->text() + " has no bits left to split.");
    const int proposed = leaf->family() == netquill::Family::Ipv6
                             ? std::clamp(netquill::proposedSubnetLength(leaf->length()) - leaf->length(), 1, mostBits)
                             : 1;
    bool given = false;
    const QString count = QInputDialog::getItem(
        this, QStringLiteral("Split Into"), QStringLiteral("Split %1 into:").arg(QString::fromStdString(leaf->text())),
        counts, proposed - 1, false, &given);
    // The keys come back to this window, whatever the window system chose.
    activateWindow();
    if (!given)
        return;
    splitLeaf(*leaf, static_cast<int>(std::log2(count.toInt())));
}

// A join that would drop names asks first.
// Every free leaf in the current node down to one prefix length, as
// "/LENGTH"; an IPv6 node proposes the next nibble boundary.
void frmPlan::mnuSplitAll_Click()
{
    const auto node = currentBlock();
    if (!node)
        return;
    const int proposed = node->family() == netquill::Family::Ipv6 ? netquill::proposedSubnetLength(node->length())
                                                                  : std::min(node->length() + 1, node->width());
    bool given = false;
    const QString text = QInputDialog::getText(
        this, QStringLiteral("Split All To"),
        QStringLiteral("Split every free leaf in %1 into subnets of:").arg(QString::fromStdString(node->text())),
        QLineEdit::Normal, QStringLiteral("/%1").arg(proposed), &given);
    // The keys come back to this window, whatever the window system chose.
    activateWindow();
    if (!given)
        return;
    const std::string typed = text.trimmed().toStdString();
    const std::string_view digits = std::string_view(typed).substr(typed.starts_with('/') ? 1 : 0);
    const auto length = netquill::withFamily(
        node->family(), [&]<typename Address>() { return netquill::AddressFamily<Address>::readLength(digits); });
    if (!length)
        return refuse("\"" + typed + "\" " + length.reason() + ".");
    if (refused(m_plan.splitAll(*node, *length)))
        return;
    showChange(*node);
    tvwPlan->expand(indexOf(*node));
}

void frmPlan::mnuJoin_Click()
{
    const auto node = currentBlock();
    if (!node)
        return;
    const auto carrier = m_plan.carrierBelow(*node);
    if (carrier && !confirm(QStringLiteral("%1 below %2 carries a name, note, request or pairing. Join all the "
                                           "same, dropping what the subnets below carry?")
                                .arg(QString::fromStdString(carrier->text()), QString::fromStdString(node->text()))))
        return;
    if (refused(m_plan.join(*node, carrier.has_value())))
        return;
    showChange(*node);
}

// Named requests into the free leaves inside the current block, in one step.
void frmPlan::mnuPlaceRequests_Click()
{
    const auto node = currentBlock();
    if (!node)
        return;
    frmPlaceRequests box(m_plan, *node, this);
    if (!accepted(box) || refused(m_plan.placeRequests(*node, box.requests())))
        return;
    showChange(*node);
    // The placed subnets lie several halvings down: in sight, where the plan is small enough to open whole.
    if (m_plan.nodeCount() <= kNodesOpenedWhole)
        tvwPlan->expandRecursively(indexOf(*node));
}

// A given block inside a free leaf, named; the leaf is halved down to it.
void frmPlan::mnuClaimBlock_Click()
{
    const auto leaf = currentBlock();
    if (!leaf)
        return;
    frmClaimBlock box(m_plan, *leaf, this);
    if (!accepted(box) || refused(m_plan.claim(box.block(), {box.name(), "", "", std::nullopt})))
        return;
    showChange(box.block());
}

void frmPlan::mnuRename_Click()
{
    const QModelIndex current = tvwPlan->currentIndex();
    if (current.isValid())
        tvwPlan->edit(current.siblingAtColumn(PlanTreeModel::Name));
}

// A root goes with its tree; a leaf gives up what it carries.
void frmPlan::mnuDelete_Click()
{
    const auto block = currentBlock();
    if (!block || refused(m_plan.remove(*block)))
        return;
    showChange(*block);
}

void frmPlan::mnuFind_Click()
{
    bool given = false;
    const QString text = QInputDialog::getText(this, QStringLiteral("Find Address"), QStringLiteral("Address:"),
                                               QLineEdit::Normal, QString(), &given)
                             .trimmed();
    // The keys come back to this window, whatever the window system chose.
    activateWindow();
    if (!given)
        return;
    const std::string typed = text.toStdString();
    const auto address = netquill::parseAnyAddress(typed);
    if (!address)
        return refuse("\"" + typed + "\" " + address.reason() + ".");
    const auto leaf = m_plan.leafHolding(*address);
    if (!leaf)
        return refuse("No block of the plan holds " + typed + ".");
    showRow(*leaf);
}

// The leaf paired with the current one: the other family's, by its block.
// A partner taken away from another leaf is asked about first.
void frmPlan::mnuPair_Click()
{
    const auto leaf = currentBlock();
    if (!leaf)
        return;
    const auto partner =
        askForBlock(QStringLiteral("Pair"),
                    QStringLiteral("Pair %1 with the %2 leaf:")
                        .arg(QString::fromStdString(leaf->text()),
                             QString::fromLatin1(netquill::familyName(netquill::otherFamily(leaf->family())))));
    if (!partner)
        return;
    for (const auto &[one, other] : {std::pair(*leaf, *partner), std::pair(*partner, *leaf)}) {
        if (!m_plan.has(one) || !m_plan.isLeaf(one))
            continue;
        const auto &before = m_plan.details(one).paired;
        if (before && *before != other &&
            !confirm(QStringLiteral("%1 is paired with %2. Pair it with %3 instead, leaving %2 unpaired?")
                         .arg(QString::fromStdString(one.text()), QString::fromStdString(before->text()),
                              QString::fromStdString(other.text()))))
            return;
    }
    if (refused(leaf->family() == netquill::Family::Ipv6 ? m_plan.pair(*partner, *leaf) : m_plan.pair(*leaf, *partner)))
        return;
    showChange(*leaf);
}

void frmPlan::mnuUnpair_Click()
{
    const auto leaf = currentBlock();
    if (!leaf || refused(m_plan.unpair(*leaf)))
        return;
    showChange(*leaf);
}

std::string frmPlan::rowsText(netquill::RowFormat format) const
{
    netquill::PlanRowWriter writer(format, netquill::LineEnd::CRLF);
    const std::vector<netquill::Plan::Row> rows = m_plan.rows();
    writer.fit(rows);
    std::string text = writer.tableStart();
    for (const netquill::Plan::Row &row : rows)
        writer.append(text, row);
    return text + writer.tableEnd();
}

// Tab-separated text and an HTML table together: a spreadsheet pastes a table.
void frmPlan::mnuCopy_Click()
{
    auto *copied = new QMimeData;
    copied->setText(QString::fromStdString(rowsText(netquill::RowFormat::TSV)));
    copied->setHtml(QString::fromStdString(rowsText(netquill::RowFormat::HTML)));
    QGuiApplication::clipboard()->setMimeData(copied);
}

// The rows as a comma-delimited file, a text file or a web page, or the
// plan as an IPAM system imports it: the kind chosen, unless the name's
// suffix is another kind's, whose suffix a name without one gets; written
// whole or not at all.
void frmPlan::mnuExport_Click()
{
    using Format = std::variant<netquill::RowFormat, netquill::IpamFormat>;
    const struct {
        QString filter;
        QString suffix;
        Format format;
    } kinds[] = {
        {QStringLiteral("CSV (Comma delimited) (*.csv)"), QStringLiteral("csv"), netquill::RowFormat::CSV},
        {QStringLiteral("Text (*.txt)"), QStringLiteral("txt"), netquill::RowFormat::TXT},
        {QStringLiteral("Web Page (*.htm *.html)"), QStringLiteral("htm"), netquill::RowFormat::HTML},
        {QStringLiteral("NetBox prefixes (*.csv)"), QStringLiteral("csv"), netquill::IpamFormat::NetBox},
        {QStringLiteral("phpIPAM subnets (*.csv)"), QStringLiteral("csv"), netquill::IpamFormat::PhpIpam},
        {QStringLiteral("Infoblox CSV import (*.csv)"), QStringLiteral("csv"), netquill::IpamFormat::Infoblox},
    };
    QFileDialog dialog(this, QStringLiteral("Export Plan"), QDir::currentPath());
    dialog.setObjectName(QStringLiteral("cdbExportPlan"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    QStringList filters;
    for (const auto &kind : kinds)
        filters << kind.filter;
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(kinds[0].suffix);
    connect(&dialog, &QFileDialog::filterSelected, &dialog,
            [&](const QString &filter) { dialog.setDefaultSuffix(kinds[filters.indexOf(filter)].suffix); });
    const bool given = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    activateWindow();
    if (!given)
        return;
    const QString path = dialog.selectedFiles().front();
    const QString suffix = QFileInfo(path).suffix().toLower();
    const auto &chosen = kinds[std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter()))];
    Format format = chosen.format;
    if (suffix != chosen.suffix)
        for (const auto &kind : kinds)
            if (suffix == kind.suffix || (kind.suffix == QLatin1String("htm") && suffix == QLatin1String("html"))) {
                format = kind.format;
                break;
            }
    std::string text;
    if (const auto *rows = std::get_if<netquill::RowFormat>(&format)) {
        text = rowsText(*rows);
    } else {
        QString section;
        if (std::get<netquill::IpamFormat>(format) == netquill::IpamFormat::PhpIpam) {
            bool named = false;
            section = QInputDialog::getText(this, QStringLiteral("phpIPAM Section"),
                                            QStringLiteral("The phpIPAM section the subnets go in (it must exist):"),
                                            QLineEdit::Normal, QStringLiteral("Customers"), &named)
                          .trimmed();
            activateWindow();
            if (!named || section.isEmpty())
                return;
        }
        text = netquill::ipamExportText(m_plan, std::get<netquill::IpamFormat>(format), section.toStdString(),
                                        netquill::LineEnd::CRLF);
    }
    if (const int error = netquill::writeWholeFile(path.toStdString(), text); error != 0)
        refuse("The plan could not be exported to \"" + shownPath(path).toStdString() + "\": " + std::strerror(error) +
               ". A file there is as it was.");
}

void frmPlan::mnuPrint_Click()
{
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("cdbPrint"));
    const bool given = dialog.exec() == QDialog::Accepted;
    activateWindow();
    if (given)
        planDocumentForPrint(*m_model, m_document->displayName(), this)->print(&printer);
}

void frmPlan::mnuPrintPreview_Click()
{
    QPrinter printer;
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("frmPrintPreview"));
    QTextDocument *document = planDocumentForPrint(*m_model, m_document->displayName(), &preview);
    connect(&preview, &QPrintPreviewDialog::paintRequested, document, &QTextDocument::print);
    preview.exec();
    activateWindow();
}

void frmPlan::mnuSave_Click()
{
    if (m_document->path().isEmpty())
        mnuSaveAs_Click();
    else
        save(m_document->path());
}

// The suffix is the dialog's to add, so that its question before replacing
// a file asks about the file that would be replaced.
void frmPlan::mnuSaveAs_Click()
{
    QFileDialog dialog(this, QStringLiteral("Save Plan As"),
                       m_document->path().isEmpty() ? QDir::currentPath() : m_document->path(),
                       QStringLiteral("Netquill plans (*.nqplan)"));
    dialog.setObjectName(QStringLiteral("cdbSavePlan"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("nqplan"));
    const bool given = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    activateWindow();
    if (given)
        save(dialog.selectedFiles().front());
}

// A file another program wrote since this window read or saved it is
// replaced only when the user says so.
bool frmPlan::save(const QString &path)
{
    if (path == m_document->path() && m_document->changedOnDisk() &&
        QMessageBox::warning(this, productName(),
                             QStringLiteral("\"%1\" was changed by another program since this window opened or saved "
                                            "it. Replace it with this plan?")
                                 .arg(shownPath(path)),
                             QMessageBox::Save | QMessageBox::Cancel, QMessageBox::Cancel) != QMessageBox::Save)
        return false;
    if (const QString failure = m_document->save(path); !failure.isEmpty()) {
        QMessageBox::critical(this, productName(),
                              QStringLiteral("The plan could not be saved to \"%1\": %2. The file there and the "
                                             "autosave copy are as they were.")
                                  .arg(shownPath(path), failure));
        return false;
    }
    rememberPlan(m_document->path());
    return true;
}

bool frmPlan::saveAsked()
{
    mnuSave_Click();
    return !m_document->unsaved();
}

void frmPlan::closeEvent(QCloseEvent *event)
{
    if (m_document->unsaved()) {
        const auto answer = QMessageBox::question(
            this, productName(), QStringLiteral("Save the changes to %1?").arg(m_document->displayName()),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
        if (answer == QMessageBox::Cancel || (answer == QMessageBox::Save && !saveAsked())) {
            event->ignore();
            return;
        }
        if (answer == QMessageBox::Discard)
            m_document->discard();
    }
    event->accept();
}
