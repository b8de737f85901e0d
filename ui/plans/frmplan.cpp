#include "ui/plans/frmplan.h"

#include "core/calculators/ipv6calculator.h"
#include "core/lines/addresslist.h"
#include "core/lines/planfile.h"
#include "core/lines/planrows.h"
#include "core/productinfo.h"
#include "ui/plans/frmplacerequests.h"
#include "ui/plans/plantreemodel.h"
#include "ui/plans/recentplans.h"
#include "ui/shell/helpmenu.h"
#include "ui/widgets/menuentry.h"
#include "ui/widgets/netquillfont.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QInputDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QSaveFile>
#include <QScreen>
#include <QSortFilterProxyModel>
#include <QTimer>
#include <QStandardPaths>
#include <QTreeView>
#include <QUuid>

namespace {

constexpr qint64 kLargestPlanFile = qint64{256} << 20;
constexpr std::size_t kNodesOpenedWhole = 2000;
// How long a change waits for the next before the autosave copy is written:
// a copy of 100,000 rows takes a tenth of a second to write.
constexpr int kAutosaveDelayMs = 250;

QString productName() { return QString::fromLatin1(netquill::kProductName); }

QString autosaveFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/autosave");
}

// The plan a file holds, or why it holds none.
netquill::Parsed<netquill::Plan> readPlan(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return netquill::Parsed<netquill::Plan>::refused(file.errorString().toStdString());
    if (file.size() > kLargestPlanFile)
        return netquill::Parsed<netquill::Plan>::refused("it is larger than any plan (256 MiB)");
    const QByteArray bytes = file.readAll();
    return netquill::readPlanFile(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace

frmPlan::frmPlan() : frmPlan(netquill::Plan(), QString(), false) {}

frmPlan::frmPlan(netquill::Plan plan, const QString &path, bool unsaved, const QString &autosaveName)
    : m_plan(std::move(plan)), m_path(path), m_unsaved(unsaved),
      m_autosaveName(autosaveName.isEmpty() ? QUuid::createUuid().toString(QUuid::WithoutBraces) : autosaveName)
{
    setObjectName(QStringLiteral("frmPlan"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_autosaveDue = new QTimer(this);
    m_autosaveDue->setSingleShot(true);
    m_autosaveDue->setInterval(kAutosaveDelayMs);
    connect(m_autosaveDue, &QTimer::timeout, this, &frmPlan::writeAutosave);
    // The main window ends the program at once: the last changes reach the copy first.
    connect(qApp, &QCoreApplication::aboutToQuit, this, &frmPlan::flushAutosave);
    setFont(netquillFont());
    tvwPlan = new QTreeView(this);
    tvwPlan->setObjectName(QStringLiteral("tvwPlan"));
    tvwPlan->setAccessibleName(QStringLiteral("Plan"));
    tvwPlan->setUniformRowHeights(true);  // a plan of 100,000 rows draws as fast as one of ten
    tvwPlan->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    // A row is chosen whole; its current cell is the name, which F2 edits, as in every tree view.
    tvwPlan->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_model = new PlanTreeModel(
        m_plan, [this] { markEdited(); }, this);
    // Sorted by any column, the Subnet column first, which is the plan's own order.
    m_sorted = new QSortFilterProxyModel(this);
    m_sorted->setSourceModel(m_model);
    m_sorted->setSortRole(PlanTreeModel::kSortRole);
    tvwPlan->setModel(m_sorted);
    tvwPlan->setSortingEnabled(true);
    tvwPlan->sortByColumn(PlanTreeModel::Subnet, Qt::AscendingOrder);
    tvwPlan->header()->setSectionResizeMode(QHeaderView::Interactive);
    // Room for the longest texts a column can hold: a /128 nine levels deep, and the 39 digits of 2^128.
    const QFontMetrics metrics = tvwPlan->fontMetrics();
    tvwPlan->header()->resizeSection(PlanTreeModel::Subnet, metrics.horizontalAdvance(QStringLiteral(
                                                                "ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff/128")) +
                                                                10 * tvwPlan->indentation());
    tvwPlan->header()->resizeSection(PlanTreeModel::Size, metrics.horizontalAdvance(QString(40, QLatin1Char('0'))));
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
    if (m_unsaved)
        writeAutosave();
}

frmPlan::~frmPlan() { flushAutosave(); }

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
        {"mnuImportList", "Import &List...", QKeySequence(), &frmPlan::mnuImportList_Click},
        {"mnuSplit", "&Split", QKeySequence(), &frmPlan::mnuSplit_Click},
        {"mnuSplitInto", "Split &Into...", QKeySequence(), &frmPlan::mnuSplitInto_Click},
        {"mnuJoin", "&Join", QKeySequence(), &frmPlan::mnuJoin_Click},
        {"mnuPlaceRequests", "&Place Requests...", QKeySequence(), &frmPlan::mnuPlaceRequests_Click},
        {"mnuPair", "Pa&ir...", QKeySequence(), &frmPlan::mnuPair_Click},
        {"mnuRename", "Re&name", QKeySequence(Qt::Key_F2), &frmPlan::mnuRename_Click},
        {"mnuFind", "&Find Address...", QKeySequence(Qt::CTRL | Qt::Key_F), &frmPlan::mnuFind_Click},
    };
    // The row's own menu (right click, or the Menu key) holds the same entries.
    tvwPlan->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (const auto &entry : entries) {
        QAction *action = addMenuEntry(mnuEdit, entry.name, entry.caption, entry.shortcut);
        connect(action, &QAction::triggered, this, entry.handler);
        tvwPlan->addAction(action);
    }
    addHelpMenu(menuBar(), this, "&About...");
}

frmPlan *frmPlan::openFile(const QString &path, QWidget *messageOwner)
{
    auto plan = readPlan(path);
    if (!plan) {
        QMessageBox::warning(messageOwner, productName(),
                             QStringLiteral("The plan \"%1\" cannot be opened: %2.")
                                 .arg(QDir::toNativeSeparators(path), QString::fromStdString(plan.reason())));
        return nullptr;
    }
    auto *window = new frmPlan(std::move(*plan), QFileInfo(path).absoluteFilePath(), false);
    rememberPlan(path);
    window->show();
    window->activateWindow();
    return window;
}

void frmPlan::offerAutosaves(QWidget *messageOwner)
{
    const QDir folder(autosaveFolder());
    for (const QFileInfo &copy : folder.entryInfoList({QStringLiteral("*.nqplan")}, QDir::Files, QDir::Time)) {
        const QString name = copy.completeBaseName();
        QFile source(folder.filePath(name + QStringLiteral(".path")));
        const QString path = source.open(QIODevice::ReadOnly) ? QString::fromUtf8(source.readAll()) : QString();
        source.close();
        const auto answer = QMessageBox::question(
            messageOwner, productName(),
            QStringLiteral("%1 was not saved when %2 last ended (last changed %3). Open it to keep its changes?")
                .arg(path.isEmpty() ? QStringLiteral("A new plan")
                                    : QStringLiteral("The plan \"%1\"").arg(QDir::toNativeSeparators(path)),
                     productName(), QLocale().toString(copy.lastModified(), QLocale::ShortFormat)),
            QMessageBox::Open | QMessageBox::Discard, QMessageBox::Open);
        auto plan = readPlan(copy.filePath());
        if (answer == QMessageBox::Open && plan) {
            auto *window = new frmPlan(std::move(*plan), path, true, name);
            window->show();
            window->activateWindow();
            continue;
        }
        QFile::remove(copy.filePath());
        source.remove();
    }
}

netquill::PlanBlock frmPlan::blockAt(const QModelIndex &shown) const
{
    return m_model->blockAt(m_sorted->mapToSource(shown));
}

QModelIndex frmPlan::indexOf(const netquill::PlanBlock &block) const
{
    return m_sorted->mapFromSource(m_model->indexOf(block));
}

std::optional<netquill::PlanBlock> frmPlan::currentBlock() const
{
    const QModelIndex current = tvwPlan->currentIndex();
    return current.isValid() ? std::optional(blockAt(current)) : std::nullopt;
}

void frmPlan::showChange(std::optional<netquill::PlanBlock> current)
{
    m_model->showLastChange();
    // The row to show: the one asked for, else the leaf where it stood.
    if (current && !m_plan.has(*current))
        current = m_plan.leafHolding(current->ipv6, current->network);
    if (current) {
        const QModelIndex index = indexOf(*current);
        for (QModelIndex above = index.parent(); above.isValid(); above = above.parent())
            tvwPlan->expand(above);
        tvwPlan->setCurrentIndex(index.siblingAtColumn(PlanTreeModel::Name));
        tvwPlan->scrollTo(index);
    }
    markEdited();
}

void frmPlan::markEdited()
{
    m_unsaved = true;
    updateTitle();
    if (!m_autosaveDue->isActive())
        m_autosaveDue->start();
}

void frmPlan::updateTitle()
{
    const QString name = m_path.isEmpty() ? QStringLiteral("Untitled plan") : QFileInfo(m_path).fileName();
    setWindowTitle(name + QStringLiteral("[*] - ") + productName());
    setWindowModified(m_unsaved);
    mnuUndo->setEnabled(m_plan.canUndo());
    mnuRedo->setEnabled(m_plan.canRedo());
}

void frmPlan::refuse(const std::string &reason)
{
    QMessageBox::information(this, productName(), QString::fromStdString(reason));
    activateWindow();
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
std::optional<netquill::PlanBlock> frmPlan::askForBlock(const QString &title, const QString &prompt)
{
    bool given = false;
    const QString text = QInputDialog::getText(this, title, prompt, QLineEdit::Normal, QString(), &given);
    // The keys come back to this window, whatever the window system chose.
    activateWindow();
    if (!given)
        return std::nullopt;
    const auto block = netquill::parsePlanBlock(text.trimmed().toStdString());
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
        return refuse(block->text() + " " + *refusal + ".");
    showChange(*block);
}

// An address list, merged as netquill-cli aggregate merges it, as new trees
// in one step: all of them, or none where one overlaps the plan.
void frmPlan::mnuImportList_Click()
{
    const QString path =
        QFileDialog::getOpenFileName(this, QStringLiteral("Import List"), QDir::currentPath(),
                                     QStringLiteral("Address lists (*.txt *.lst *.csv);;All files (*)"));
    activateWindow();
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestPlanFile)
        return refuse("\"" + path.toStdString() + "\" cannot be read: " +
                      (file.isOpen() ? std::string("it is larger than 256 MiB") : file.errorString().toStdString()) +
                      ".");
    const QByteArray bytes = file.readAll();
    const auto blocks =
        netquill::readAddressList(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!blocks)
        return refuse("\"" + path.toStdString() + "\", " + blocks.reason() + ".");
    if (blocks->empty())
        return refuse("\"" + path.toStdString() + "\" holds no address.");
    if (const auto refusal = m_plan.addRoots(*blocks))
        return refuse(*refusal + ".");
    showChange(blocks->front());
}

void frmPlan::mnuSplit_Click()
{
    const auto leaf = currentBlock();
    if (!leaf)
        return;
    splitLeaf(*leaf, 1);
}

// The leaf split, its new subnets in sight.
void frmPlan::splitLeaf(netquill::PlanBlock leaf, int bits)
{
    if (const auto refusal = m_plan.split(leaf, bits))
        return refuse(*refusal + ".");
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
    const int mostBits = std::min(netquill::Plan::kMostSplitBits, leaf->bits() - leaf->length);
    for (int bits = 1; bits <= mostBits; ++bits)
        counts << QString::number(1 << bits);
    if (counts.isEmpty())
        return refuse(leaf->text() + " has no bits left to split.");
    const int proposed =
        leaf->ipv6 ? std::clamp(netquill::proposedSubnetLength(leaf->length) - leaf->length, 1, mostBits) : 1;
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
void frmPlan::mnuJoin_Click()
{
    const auto node = currentBlock();
    if (!node)
        return;
    const auto carrier = m_plan.carrierBelow(*node);
    if (carrier &&
        QMessageBox::question(this, productName(),
                              QStringLiteral("%1 below %2 carries a name, note, request or pairing. Join all the "
                                             "same, dropping what the subnets below carry?")
                                  .arg(QString::fromStdString(carrier->text()),
                                       QString::fromStdString(node->text()))) != QMessageBox::Yes)
        return;
    if (const auto refusal = m_plan.join(*node, carrier.has_value()))
        return refuse(*refusal + ".");
    showChange(*node);
}

// Named requests into the free leaves inside the current block, in one step.
void frmPlan::mnuPlaceRequests_Click()
{
    const auto node = currentBlock();
    if (!node)
        return;
    frmPlaceRequests box(*node, this);
    const bool given = box.exec() == QDialog::Accepted;
    // The keys come back to this window, whatever the window system chose.
    activateWindow();
    if (!given)
        return;
    if (const auto refusal = m_plan.placeRequests(*node, box.requests()))
        return refuse(*refusal + ".");
    showChange(*node);
    // The placed subnets lie several halvings down: in sight, where the plan is small enough to open whole.
    if (m_plan.nodeCount() <= kNodesOpenedWhole)
        tvwPlan->expandRecursively(indexOf(*node));
}

void frmPlan::mnuRename_Click()
{
    const QModelIndex current = tvwPlan->currentIndex();
    if (current.isValid())
        tvwPlan->edit(current.siblingAtColumn(PlanTreeModel::Name));
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
    std::optional<netquill::PlanBlock> leaf;
    if (netquill::looksLikeIpv6(typed)) {
        const auto address = netquill::parseIpv6Address(typed);
        if (!address)
            return refuse("\"" + typed + "\" " + address.reason() + ".");
        leaf = m_plan.leafHolding(true, address->value());
    } else {
        const auto address = netquill::parseAddress(typed);
        if (!address)
            return refuse("\"" + typed + "\" " + address.reason() + ".");
        leaf = m_plan.leafHolding(false, address->value());
    }
    if (!leaf)
        return refuse("No block of the plan holds " + typed + ".");
    const QModelIndex index = indexOf(*leaf);
    for (QModelIndex above = index.parent(); above.isValid(); above = above.parent())
        tvwPlan->expand(above);
    tvwPlan->setCurrentIndex(index.siblingAtColumn(PlanTreeModel::Name));
    tvwPlan->scrollTo(index);
}

// The leaf paired with the current one: the other family's, by its block.
void frmPlan::mnuPair_Click()
{
    const auto leaf = currentBlock();
    if (!leaf)
        return;
    const auto partner = askForBlock(
        QStringLiteral("Pair"),
        QStringLiteral("Pair %1 with the %2 leaf:")
            .arg(QString::fromStdString(leaf->text()), leaf->ipv6 ? QStringLiteral("IPv4") : QStringLiteral("IPv6")));
    if (!partner)
        return;
    const auto refusal = leaf->ipv6 ? m_plan.pair(*partner, *leaf) : m_plan.pair(*leaf, *partner);
    if (refusal)
        return refuse(*refusal + ".");
    showChange(*leaf);
}

std::string frmPlan::rowsText(netquill::RowFormat format) const
{
    const netquill::PlanRowWriter writer(format, netquill::LineEnd::CRLF);
    std::string text = writer.tableStart();
    for (const netquill::Plan::Row &row : m_plan.rows())
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

// The rows as a comma-delimited file, a text file or a web page, by the
// kind chosen; written whole or not at all.
void frmPlan::mnuExport_Click()
{
    const QString csv = QStringLiteral("CSV (Comma delimited) (*.csv)");
    const QString txt = QStringLiteral("Text (*.txt)");
    QString kind;
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Export Plan"), QDir::currentPath(),
        csv + QStringLiteral(";;") + txt + QStringLiteral(";;Web Page (*.htm *.html)"), &kind);
    activateWindow();
    if (path.isEmpty())
        return;
    const std::string text = rowsText(kind == csv   ? netquill::RowFormat::CSV
                                      : kind == txt ? netquill::RowFormat::TXT
                                                    : netquill::RowFormat::HTML);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size()) || !file.commit())
        refuse("The plan could not be exported to \"" + path.toStdString() + "\": " + file.errorString().toStdString() +
               ".");
}

void frmPlan::mnuSave_Click()
{
    if (m_path.isEmpty())
        mnuSaveAs_Click();
    else
        save(m_path);
}

void frmPlan::mnuSaveAs_Click()
{
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save Plan As"),
                                                m_path.isEmpty() ? QDir::currentPath() : m_path,
                                                QStringLiteral("Netquill plans (*.nqplan)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".nqplan");
    save(path);
}

// The whole file or nothing: QSaveFile writes beside it and renames it over
// the file only once every byte is on the disk.
bool frmPlan::save(const QString &path)
{
    QSaveFile file(path);
    const std::string text = netquill::planFileText(m_plan);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size()) ||
        !file.commit()) {
        QMessageBox::critical(this, productName(),
                              QStringLiteral("The plan could not be saved to \"%1\": %2. A file there is as it was.")
                                  .arg(QDir::toNativeSeparators(path), file.errorString()));
        return false;
    }
    m_path = QFileInfo(path).absoluteFilePath();
    rememberPlan(m_path);
    m_unsaved = false;
    removeAutosave();
    updateTitle();
    return true;
}

bool frmPlan::saveAsked()
{
    mnuSave_Click();
    return !m_unsaved;
}

void frmPlan::closeEvent(QCloseEvent *event)
{
    if (m_unsaved) {
        const auto answer = QMessageBox::question(
            this, productName(),
            QStringLiteral("Save the changes to %1?")
                .arg(m_path.isEmpty() ? QStringLiteral("the new plan") : QFileInfo(m_path).fileName()),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
        if (answer == QMessageBox::Cancel || (answer == QMessageBox::Save && !saveAsked())) {
            event->ignore();
            return;
        }
    }
    removeAutosave();
    event->accept();
}

QString frmPlan::autosavePath() const { return autosaveFolder() + QLatin1Char('/') + m_autosaveName; }

void frmPlan::writeAutosave()
{
    QDir().mkpath(autosaveFolder());
    QSaveFile copy(autosavePath() + QStringLiteral(".nqplan"));
    const std::string text = netquill::planFileText(m_plan);
    if (copy.open(QIODevice::WriteOnly) && copy.write(text.data(), static_cast<qint64>(text.size())) >= 0)
        copy.commit();
    QSaveFile source(autosavePath() + QStringLiteral(".path"));
    if (source.open(QIODevice::WriteOnly) && source.write(m_path.toUtf8()) >= 0)
        source.commit();
}

void frmPlan::flushAutosave()
{
    if (m_autosaveDue->isActive()) {
        m_autosaveDue->stop();
        writeAutosave();
    }
}

void frmPlan::removeAutosave()
{
    m_autosaveDue->stop();
    QFile::remove(autosavePath() + QStringLiteral(".nqplan"));
    QFile::remove(autosavePath() + QStringLiteral(".path"));
}
