#include "ui/subnets/subnetbatchmodel.h"

#include <array>

namespace {

constexpr std::array<int, 6> kIpv4ColumnTwips = {1500, 1500, 1500, 1200, 3150, 1500};
// Subnet, Prefix Length, First Address, Last Address, Address Count.
constexpr std::array<int, 5> kIpv6ColumnTwips = {2400, 1200, 2100, 2100, 1500};

}  // namespace

SubnetBatchModel::SubnetBatchModel(std::unique_ptr<netquill::SubnetListing> listing, QObject *parent)
    : QAbstractTableModel(parent), m_listing(std::move(listing))
{}

void SubnetBatchModel::showBatch()
{
    beginResetModel();
    endResetModel();
}

int SubnetBatchModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_listing->batchRows());
}

int SubnetBatchModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_listing->columnCount());
}

QVariant SubnetBatchModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(
            m_listing->cellText(static_cast<std::size_t>(index.row()), static_cast<std::size_t>(index.column())));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(alignmentOf(index.column()));
    default:
        return {};
    }
}

QVariant SubnetBatchModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromLatin1(m_listing->heading(static_cast<std::size_t>(section)));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(alignmentOf(section));
    default:
        return {};
    }
}

int SubnetBatchModel::columnWidthTwips(int column) const
{
    const auto k = static_cast<std::size_t>(column);
    return m_listing->isIpv6() ? kIpv6ColumnTwips.at(k) : kIpv4ColumnTwips.at(k);
}

Qt::Alignment SubnetBatchModel::alignmentOf(int column) const
{
    return m_listing->centred(static_cast<std::size_t>(column)) ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter;
}
