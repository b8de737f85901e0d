#include "subnetbatchmodel.h"

using netquill::SubnetColumn;

namespace {

struct ColumnLook {
    const char *heading;
    int widthTwips;
    Qt::Alignment alignment;
};

const ColumnLook &lookOf(SubnetColumn column)
{
    static const ColumnLook looks[netquill::kSubnetColumnCount] = {
        {"Subnet", 1500, Qt::AlignLeft | Qt::AlignVCenter},
        {"Mask", 1500, Qt::AlignCenter},
        {"Inverse Mask", 1500, Qt::AlignCenter},
        {"Subnet Size", 1200, Qt::AlignCenter},
        {"Host Range", 3150, Qt::AlignLeft | Qt::AlignVCenter},
        {"Broadcast", 1500, Qt::AlignLeft | Qt::AlignVCenter},
    };
    return looks[static_cast<int>(column)];
}

}  // namespace

void SubnetBatchModel::showBatch(const std::vector<netquill::SubnetRow> &rows)
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
        return QString::fromStdString(m_rows[static_cast<std::size_t>(index.row())].text(column));
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
    const ColumnLook &look = lookOf(static_cast<SubnetColumn>(section));
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromLatin1(look.heading);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(look.alignment);
    default:
        return {};
    }
}

int SubnetBatchModel::columnWidthTwips(SubnetColumn column)
{
    return lookOf(column).widthTwips;
}
