#pragma once

#include "core/lines/subnetlisting.h"

#include <QAbstractTableModel>

#include <memory>

// The grid's model: the rows of the listing's current batch only, their
// texts written by the listing, cell by cell as the grid draws them. It
// keeps the listing, which the grid reads until the grid itself is gone.
class SubnetBatchModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    SubnetBatchModel(std::unique_ptr<netquill::SubnetListing> listing, QObject *parent);

    netquill::SubnetListing &listing() { return *m_listing; }

    // Shows the listing's new batch in one reset, so the grid redraws once per batch.
    void showBatch();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The share of the grid's width each column starts from, in twips: the
    // IPv4 grid's as it has always shown them.
    int columnWidthTwips(int column) const;

private:
    Qt::Alignment alignmentOf(int column) const;

    std::unique_ptr<netquill::SubnetListing> m_listing;
};
