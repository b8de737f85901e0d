#pragma once

#include "subnetwalk.h"

#include <QAbstractTableModel>

#include <vector>

// The grid's model: the rows of the current batch only, six columns.
class SubnetBatchModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // Replaces the rows shown in one reset, so the grid redraws once per batch.
    void showBatch(const std::vector<netquill::SubnetRow> &rows);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Column widths in twips, as the grid has always shown them.
    static int columnWidthTwips(netquill::SubnetColumn column);

private:
    std::vector<netquill::SubnetRow> m_rows;
};
