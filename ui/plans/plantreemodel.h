#pragma once

#include "core/planning/plan.h"

#include <QAbstractItemModel>

#include <functional>
#include <map>
#include <vector>

// The plan window's tree: the plan's nodes, each tree under its root, in
// five columns. It reads the plan's rows once per change, so the view asks
// only for the rows it draws. A leaf's name and note are edited in place,
// each edit one step of the plan's undo.
class PlanTreeModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    enum Column { Subnet = 0, Name, Size, Note, Paired, ColumnCount };
    // What a column sorts by: blocks in the plan's order (IPv4 first, by
    // address, a block before those inside it), sizes by their number, texts
    // without regard to case.
    static constexpr int kSortRole = Qt::UserRole;

    // `edited` is told of every change made through an edit in place; the
    // model shows it already, and is reloaded after any other change.
    PlanTreeModel(netquill::Plan &plan, std::function<void()> edited, QObject *parent);

    // Reads the plan again after it changed.
    void reload();
    netquill::PlanBlock blockAt(const QModelIndex &index) const;
    QModelIndex indexOf(const netquill::PlanBlock &block) const;

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

private:
    struct Node {
        netquill::Plan::Row row;
        int parent = -1;  // none for a root
        int rowInParent = 0;
        std::vector<int> children;
    };

    const Node &nodeAt(const QModelIndex &index) const { return m_nodes[index.internalId()]; }

    netquill::Plan &m_plan;
    std::function<void()> m_edited;
    std::vector<netquill::Plan::Row> m_rows;  // whose leaves' texts the nodes point to
    std::vector<Node> m_nodes;
    std::vector<int> m_roots;
    std::map<netquill::PlanBlock, int> m_byBlock;
};
