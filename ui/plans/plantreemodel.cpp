#include "ui/plans/plantreemodel.h"

using netquill::PlanBlock;

PlanTreeModel::PlanTreeModel(netquill::Plan &plan, std::function<void()> edited, QObject *parent)
    : QAbstractItemModel(parent), m_plan(plan), m_edited(std::move(edited))
{
    reload();
}

void PlanTreeModel::reload()
{
    beginResetModel();
    m_rows = m_plan.rows();
    m_nodes.assign(m_rows.size(), {});
    m_roots.clear();
    m_byBlock.clear();
    std::vector<int> path;  // the node at each depth above the current one
    for (std::size_t k = 0; k < m_rows.size(); ++k) {
        Node &node = m_nodes[k];
        node.row = m_rows[k];
        path.resize(static_cast<std::size_t>(node.row.depth));
        std::vector<int> &siblings = path.empty() ? m_roots : m_nodes[static_cast<std::size_t>(path.back())].children;
        node.parent = path.empty() ? -1 : path.back();
        node.rowInParent = static_cast<int>(siblings.size());
        siblings.push_back(static_cast<int>(k));
        path.push_back(static_cast<int>(k));
        m_byBlock.emplace(node.row.block, static_cast<int>(k));
    }
    endResetModel();
}

PlanBlock PlanTreeModel::blockAt(const QModelIndex &index) const { return nodeAt(index).row.block; }

QModelIndex PlanTreeModel::indexOf(const PlanBlock &block) const
{
    const auto found = m_byBlock.find(block);
    if (found == m_byBlock.end())
        return {};
    return createIndex(m_nodes[static_cast<std::size_t>(found->second)].rowInParent, 0,
                       static_cast<quintptr>(found->second));
}

QModelIndex PlanTreeModel::index(int row, int column, const QModelIndex &parent) const
{
    const std::vector<int> &siblings = parent.isValid() ? nodeAt(parent).children : m_roots;
    if (row < 0 || row >= static_cast<int>(siblings.size()) || column < 0 || column >= ColumnCount)
        return {};
    return createIndex(row, column, static_cast<quintptr>(siblings[static_cast<std::size_t>(row)]));
}

QModelIndex PlanTreeModel::parent(const QModelIndex &child) const
{
    if (!child.isValid() || nodeAt(child).parent < 0)
        return {};
    const int parent = nodeAt(child).parent;
    return createIndex(m_nodes[static_cast<std::size_t>(parent)].rowInParent, 0, static_cast<quintptr>(parent));
}

int PlanTreeModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() && parent.column() != 0)
        return 0;
    return static_cast<int>(parent.isValid() ? nodeAt(parent).children.size() : m_roots.size());
}

int PlanTreeModel::columnCount(const QModelIndex &) const { return ColumnCount; }

namespace {

// A block as a text that sorts as the plan orders blocks.
QString blockKey(const PlanBlock &block)
{
    const auto high = static_cast<quint64>(block.network >> 64);
    const auto low = static_cast<quint64>(block.network);
    return QStringLiteral("%1%2%3%4")
        .arg(block.ipv6 ? 1 : 0)
        .arg(high, 16, 16, QLatin1Char('0'))
        .arg(low, 16, 16, QLatin1Char('0'))
        .arg(block.length, 3, 10, QLatin1Char('0'));
}

}  // namespace

QVariant PlanTreeModel::data(const QModelIndex &index, int role) const
{
    if (index.isValid() && role == kSortRole) {
        const PlanBlock &block = nodeAt(index).row.block;
        switch (index.column()) {
        case Subnet:
        case Paired:
            return index.column() == Subnet ? blockKey(block) : data(index).toString();
        case Size:  // by the number of addresses, alike in both families
            return QStringLiteral("%1").arg(block.bits() - block.length, 3, 10, QLatin1Char('0'));
        default:
            return data(index).toString().toCaseFolded();
        }
    }
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const netquill::Plan::Row &row = nodeAt(index).row;
    const netquill::PlanLeaf *carried = row.carried;
    switch (index.column()) {
    case Subnet:
        return QString::fromStdString(row.block.text());
    case Name:
        return carried ? QString::fromStdString(carried->name) : QString();
    case Size:
        return QString::fromStdString(row.block.sizeText());
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
    static const char *const kHeadings[] = {"Subnet", "Name", "Size", "Note", "Paired"};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
        return {};
    return QString::fromLatin1(kHeadings[section]);
}

Qt::ItemFlags PlanTreeModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const bool editable = nodeAt(index).row.leaf && (index.column() == Name || index.column() == Note);
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | (editable ? Qt::ItemIsEditable : Qt::NoItemFlags);
}

bool PlanTreeModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    netquill::PlanLeaf described = *nodeAt(index).row.carried;
    (index.column() == Name ? described.name : described.note) = value.toString().toStdString();
    if (described == *nodeAt(index).row.carried || m_plan.describe(blockAt(index), described))
        return false;
    // The leaf changed where it stands in the plan, which the row points to.
    emit dataChanged(index, index);
    m_edited();
    return true;
}
