#include "ui/subnets/subnetbatchmodel.h"

using netquill::SubnetColumn;

namespace {

struct ColumnLook {
    int widthTwips;
    Qt::Alignment alignment;
};

const ColumnLook &lookOf(SubnetColumn column)
{
    static const ColumnLook looks[netquill::kSubnetColumnCount] = {
        {1500, Qt::AlignLeft | Qt::AlignVCenter},
        {1500, Qt::AlignCenter},
        {1500, Qt::AlignCenter},
        {1200, Qt::AlignCenter},
        {3150, Qt::AlignLeft | Qt::AlignVCenter},
        {1500, Qt::AlignLeft | Qt::AlignVCenter},
    };
    return looks[static_cast<int>(column)];
}

}  // namespace

SubnetBatchModel::SubnetBatchModel(const netquill::SubnetRowRenderer &renderer, QObject *parent)
    : QAbstractTableModel(parent), m_renderer(renderer)
{}

void SubnetBatchModel::showBatch(const std::vector<netquill::SubnetAddresses> &rows)
{
    beginResetModel();
    m_rows = rows;
    endResetModel();
}

int SubnetBatchModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int SubnetBatchModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : netquill::kSubnetColumnCount;
}

QVariant SubnetBatchModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const auto column = static_cast<SubnetColumn>(index.column());
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(m_renderer.cellText(m_rows[static_cast<std::size_t>(index.row())], column));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(lookOf(column).alignment);
    default:
        return {};
    }
}

QVariant SubnetBatchModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= netquill::kSubnetColumnCount)
        return {};
    const auto column = static_cast<SubnetColumn>(section);
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromLatin1(netquill::subnetColumnHeading(column));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(lookOf(column).alignment);
    default:
        return {};
    }
}

int SubnetBatchModel::columnWidthTwips(SubnetColumn column) { return lookOf(column).widthTwips; }
