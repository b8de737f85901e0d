#include "ui/plans/plantreemodel.h"

#include "ui/plans/plancolours.h"

#include <algorithm>
#include <cmath>
#include <set>

using netquill::AnyBlock;
using netquill::Uint128;

namespace {

// More trees than this changed in one step (a list imported, or its import
// undone) are read again whole: a view takes one reset faster than thousands
// of rows told one at a time.
constexpr std::size_t kMostTreesToldOneByOne = 64;

}  // namespace

PlanTreeModel::PlanTreeModel(netquill::Plan &plan, std::function<void()> edited, QObject *parent)
    : QAbstractItemModel(parent), m_plan(plan), m_edited(std::move(edited))
{
    reload();
}

void PlanTreeModel::reload()
{
    beginResetModel();
    m_used.clear();
    m_nodes.clear();
    m_roots.clear();
    const std::vector<netquill::Plan::Row> rows = m_plan.rows();
    for (auto root = rows.begin(); root != rows.end();) {
        const auto past = std::find_if(std::next(root), rows.end(), [](const auto &row) { return row.depth == 0; });
        auto &node = m_nodes[root->block] = std::make_unique<Node>(Node{root->block});
        node->rowInParent = static_cast<int>(m_roots.size());
        m_roots.push_back(node.get());
        buildBelow(node.get(), std::span(root, past));
        root = past;
    }
    endResetModel();
}

void PlanTreeModel::buildBelow(Node *top, std::span<const netquill::Plan::Row> rows)
{
    std::vector<Node *> path{top};  // the node at each depth above the current one
    for (std::size_t k = 1; k < rows.size(); ++k) {
        path.resize(static_cast<std::size_t>(rows[k].depth));
        auto &node = m_nodes[rows[k].block] = std::make_unique<Node>(Node{rows[k].block, path.back()});
        node->rowInParent = static_cast<int>(path.back()->children.size());
        path.back()->children.push_back(node.get());
        path.push_back(node.get());
    }
}

void PlanTreeModel::forgetBelow(Node *top)
{
    for (Node *child : top->children) {
        forgetBelow(child);
        m_nodes.erase(child->block);
    }
    top->children.clear();
}

void PlanTreeModel::numberRows(std::vector<Node *> &siblings, std::size_t from)
{
    for (std::size_t k = from; k < siblings.size(); ++k)
        siblings[k]->rowInParent = static_cast<int>(k);
}

void PlanTreeModel::showLastChange()
{
    const std::vector<AnyBlock> &tops = m_plan.lastChanged();
    if (tops.size() > kMostTreesToldOneByOne)
        return reload();
    m_used.clear();
    for (const AnyBlock &top : std::set<AnyBlock>(tops.begin(), tops.end())) {
        const auto shown = m_nodes.find(top);
        // A step changes whole subtrees; only a tree's root comes or goes.
        if (shown == m_nodes.end())
            addTree(top);
        else if (!m_plan.has(top))
            removeTree(shown->second.get());
        else
            replaceChildren(shown->second.get());
    }
    for (const AnyBlock &top : tops)
        if (const auto shown = m_nodes.find(top); shown != m_nodes.end())
            tellAbove(shown->second.get());
}

void PlanTreeModel::tellAbove(const Node *node)
{
    for (const Node *above = node; above; above = above->parent) {
        const QModelIndex index = indexOf(above);
        emit dataChanged(index, index.siblingAtColumn(ColumnCount - 1));
    }
}

void PlanTreeModel::replaceChildren(Node *top)
{
    const QModelIndex index = indexOf(top);
    if (!top->children.empty()) {
        beginRemoveRows(index, 0, static_cast<int>(top->children.size()) - 1);
        forgetBelow(top);
        endRemoveRows();
    }
    const std::vector<netquill::Plan::Row> rows = m_plan.rows(top->block);
    const auto children = std::count_if(rows.begin(), rows.end(), [](const auto &row) { return row.depth == 1; });
    if (children > 0) {
        beginInsertRows(index, 0, static_cast<int>(children) - 1);
        buildBelow(top, rows);
        endInsertRows();
    }
    emit dataChanged(index, index.siblingAtColumn(ColumnCount - 1));
}

void PlanTreeModel::addTree(const AnyBlock &root)
{
    const auto at = std::lower_bound(m_roots.begin(), m_roots.end(), root,
                                     [](const Node *node, const AnyBlock &block) { return node->block < block; });
    const auto row = static_cast<std::size_t>(at - m_roots.begin());
    beginInsertRows({}, static_cast<int>(row), static_cast<int>(row));
    auto &node = m_nodes[root] = std::make_unique<Node>(Node{root});
    m_roots.insert(at, node.get());
    numberRows(m_roots, row);
    buildBelow(node.get(), m_plan.rows(root));
    endInsertRows();
}

void PlanTreeModel::removeTree(Node *root)
{
    const auto row = static_cast<std::size_t>(root->rowInParent);
    beginRemoveRows({}, root->rowInParent, root->rowInParent);
    forgetBelow(root);
    m_roots.erase(m_roots.begin() + root->rowInParent);
    m_nodes.erase(root->block);
    numberRows(m_roots, row);
    endRemoveRows();
}

// What a node carries; nothing for one a step has just taken from the plan
// while the view is still being told.
const netquill::BlockDetails *PlanTreeModel::carriedBy(const Node *node) const
{
    return m_plan.has(node->block) ? &m_plan.details(node->block) : nullptr;
}

netquill::Count PlanTreeModel::usedBy(const Node *node) const
{
    if (!m_plan.has(node->block))
        return {};
    const auto [kept, fresh] = m_used.try_emplace(node->block);
    if (fresh)
        kept->second = m_plan.usedAddresses(node->block);
    return kept->second;
}

QModelIndex PlanTreeModel::indexOf(const Node *node) const
{
    return createIndex(node->rowInParent, 0, const_cast<Node *>(node));
}

AnyBlock PlanTreeModel::blockAt(const QModelIndex &index) const { return nodeAt(index)->block; }

QModelIndex PlanTreeModel::indexOf(const AnyBlock &block) const
{
    const auto found = m_nodes.find(block);
    return found == m_nodes.end() ? QModelIndex() : indexOf(found->second.get());
}

QModelIndex PlanTreeModel::index(int row, int column, const QModelIndex &parent) const
{
    const std::vector<Node *> &siblings = parent.isValid() ? nodeAt(parent)->children : m_roots;
    if (row < 0 || row >= static_cast<int>(siblings.size()) || column < 0 || column >= ColumnCount)
        return {};
    return createIndex(row, column, siblings[static_cast<std::size_t>(row)]);
}

QModelIndex PlanTreeModel::parent(const QModelIndex &child) const
{
    if (!child.isValid() || !nodeAt(child)->parent)
        return {};
    return indexOf(nodeAt(child)->parent);
}

int PlanTreeModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() && parent.column() != 0)
        return 0;
    return static_cast<int>(parent.isValid() ? nodeAt(parent)->children.size() : m_roots.size());
}

int PlanTreeModel::columnCount(const QModelIndex &) const { return ColumnCount; }

namespace {

// A block as bytes that compare as the plan orders blocks: the family, the
// network address, the length.
QByteArray blockKey(const AnyBlock &block)
{
    QByteArray key(18, '\0');
    key[0] = static_cast<char>(block.family());
    block.visit([&](const auto &inFamily) {
        const Uint128 network = inFamily.network.value();
        for (int k = 0; k < 16; ++k)
            key[1 + k] = static_cast<char>(network >> (8 * (15 - k)));
    });
    key[17] = static_cast<char>(block.length());
    return key;
}

}  // namespace

namespace {

QString capitalised(std::string_view name)
{
    QString text = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    return text.isEmpty() ? text : text.front().toUpper() + text.mid(1);
}

}  // namespace

QVariant PlanTreeModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const Node *node = nodeAt(index);
    const netquill::BlockDetails *carried = carriedBy(node);
    const int hostBits = node->block.width() - node->block.length();
    const auto share = [&] {
        const netquill::Count used = usedBy(node);
        // The bar needs no more than a double's precision; the text is exact.
        return hostBits == 128 && !used.isZero() && used.value() == 0
                   ? 1.0
                   : static_cast<double>(used.value()) / std::ldexp(1.0, hostBits);
    };
    const auto status = [&] { return statusOf(*carried, node->children.empty()); };
    if (role == kSortRole) {
        switch (index.column()) {
        case Subnet:  // siblings stand in the plan's order already; the view sorts every parent's children it opens
            return node->rowInParent;
        case Paired:
            return carried && carried->paired ? blockKey(*carried->paired) : QByteArray();
        case Size:  // by the number of addresses, alike in both families
            return hostBits;
        case Status:
            return carried ? static_cast<int>(status()) : 0;
        case Vlan:
            return carried ? carried->vlan.value_or(0) : 0;
        case Colour:
            return carried && carried->colour ? static_cast<int>(*carried->colour) + 1 : 0;
        case Used:
            return share();
        default:
            return data(index).toString().toCaseFolded();
        }
    }
    if (role == kShareRole && index.column() == Used)
        return share();
    if (role == Qt::DecorationRole && index.column() == Colour && carried && carried->colour)
        return swatchColour(*carried->colour);
    if (role == Qt::ToolTipRole && index.column() == Used)
        return tr("%1 of %2 addresses in use")
            .arg(QString::fromStdString(usedBy(node).text()), QString::fromStdString(node->block.sizeText()));
    if (role == Qt::EditRole && carried) {
        switch (index.column()) {
        case Status:
            return static_cast<int>(status());
        case Vlan:
            return carried->vlan.value_or(0);
        case Colour:
            return carried->colour ? static_cast<int>(*carried->colour) + 1 : 0;
        default:
            break;
        }
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    switch (index.column()) {
    case Subnet:
        return QString::fromStdString(node->block.text());
    case Name:
        return carried ? QString::fromStdString(carried->name) : QString();
    case Status:
        return carried ? capitalised(netquill::statusName(status())) : QString();
    case Vlan:
        return carried && carried->vlan ? QString::number(*carried->vlan) : QString();
    case Colour:
        return carried && carried->colour ? capitalised(netquill::colourName(*carried->colour)) : QString();
    case Used:
        return QString::fromStdString(netquill::shareText(usedBy(node), hostBits));
    case Size:
        return QString::fromStdString(node->block.sizeText());
    case Note:
        return carried ? QString::fromStdString(carried->note) : QString();
    case Paired:
        return carried && carried->paired ? QString::fromStdString(carried->paired->text()) : QString();
    default:
        return {};
    }
}

QVariant PlanTreeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char *const kHeadings[] = {"Subnet", "Name", "Status", "VLAN",  "Colour",
                                            "Used",   "Size", "Note",   "Paired"};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
        return {};
    return QString::fromLatin1(kHeadings[section]);
}

Qt::ItemFlags PlanTreeModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const int column = index.column();
    const bool editable = carriedBy(nodeAt(index)) &&
                          (column == Name || column == Note || column == Status || column == Vlan || column == Colour);
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | (editable ? Qt::ItemIsEditable : Qt::NoItemFlags);
}

bool PlanTreeModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const Node *node = nodeAt(index);
    netquill::BlockDetails described = *carriedBy(node);
    switch (index.column()) {
    case Name:
        described.name = value.toString().toStdString();
        break;
    case Note:
        described.note = value.toString().toStdString();
        break;
    case Status:
        described.status = static_cast<netquill::BlockStatus>(std::clamp(value.toInt(), 0, 3));
        break;
    case Vlan:
        described.vlan = value.toInt() == 0 ? std::nullopt : std::optional(value.toInt());
        break;
    case Colour:
        described.colour =
            value.toInt() <= 0 ? std::nullopt : std::optional(static_cast<netquill::BlockColour>(value.toInt() - 1));
        break;
    default:
        return false;
    }
    if (described == *carriedBy(node) ||
        (index.column() == Status &&
         statusOf(described, node->children.empty()) == statusOf(*carriedBy(node), node->children.empty())))
        return false;
    if (const auto refusal = m_plan.describe(node->block, described)) {
        emit refused(QString::fromStdString(refusal->text()));
        return false;
    }
    m_used.clear();
    tellAbove(node);
    m_edited();
    return true;
}
