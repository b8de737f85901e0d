#pragma once

#include "core/lines/subnetrows.h"

#include <QAbstractTableModel>

#include <vector>

// The grid's model: the rows of the current batch only, six columns, their
// texts written by the listing's renderer.
class SubnetBatchModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    SubnetBatchModel(const netquill::SubnetRowRenderer &renderer, QObject *parent);

    // Replaces the rows shown in one reset, so the grid redraws once per batch.
    void showBatch(const std::vector<netquill::SubnetAddresses> &rows);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Column widths in twips, as the grid has always shown them.
    static int columnWidthTwips(netquill::SubnetColumn column);

private:
    const netquill::SubnetRowRenderer &m_renderer;
    std::vector<netquill::SubnetAddresses> m_rows;
};
