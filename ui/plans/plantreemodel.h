#pragma once

#include "core/planning/plan.h"

#include <QAbstractItemModel>

#include <functional>
#include <map>
#include <memory>
#include <span>
#include <vector>

// The plan window's tree: the plan's nodes, each tree under its root, in
// nine columns. After a change it reads again only the subtrees the change
// touched, so a step in a plan of 100,000 rows costs what the step does, and
// the view asks only for the rows it draws. A node's name, note, status,
// VLAN and colour are edited in place, each edit one step of the plan's undo.
class PlanTreeModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    enum Column { Subnet = 0, Name, Status, Vlan, Colour, Used, Size, Note, Paired, ColumnCount };
    // What a column sorts by: blocks in the plan's order (IPv4 first, by
    // address, a block before those inside it), sizes and shares by their
    // number, statuses and colours in their order, texts without regard to case.
    static constexpr int kSortRole = Qt::UserRole;
    // The Used column's share of the node's addresses, 0 to 1, for its bar.
    static constexpr int kShareRole = Qt::UserRole + 1;

    // `edited` is told of every change made through an edit in place; the
    // model shows it already, and is reloaded after any other change.
    PlanTreeModel(netquill::Plan &plan, std::function<void()> edited, QObject *parent);

    // Reads again what the plan's last step (done, undone or redone) changed.
    void showLastChange();
    netquill::AnyBlock blockAt(const QModelIndex &index) const;
    QModelIndex indexOf(const netquill::AnyBlock &block) const;

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    // An edit in place the plan refused, and why (a name another leaf holds).
    void refused(const QString &reason);

public:
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

private:
    struct Node {
        netquill::AnyBlock block;
        Node *parent = nullptr;  // none for a root
        int rowInParent = 0;
        std::vector<Node *> children;
    };

    Node *nodeAt(const QModelIndex &index) const { return static_cast<Node *>(index.internalPointer()); }
    QModelIndex indexOf(const Node *node) const;
    const netquill::BlockDetails *carriedBy(const Node *node) const;
    // The addresses below a node that leaves carrying something hold, kept
    // until a change below the node.
    netquill::Count usedBy(const Node *node) const;
    // The rows of the node and the nodes above it told that their status and use may have changed.
    void tellAbove(const Node *node);
    // Every tree read again, as when the window opens.
    void reload();
    // The nodes below `top` as the plan has them now, each told to the view.
    void replaceChildren(Node *top);
    void addTree(const netquill::AnyBlock &root);
    void removeTree(Node *root);
    // Builds the nodes of the plan's rows below rows[0], which is `top`.
    void buildBelow(Node *top, std::span<const netquill::Plan::Row> rows);
    void forgetBelow(Node *top);
    static void numberRows(std::vector<Node *> &siblings, std::size_t from);

    netquill::Plan &m_plan;
    std::function<void()> m_edited;
    std::map<netquill::AnyBlock, std::unique_ptr<Node>> m_nodes;
    std::vector<Node *> m_roots;
    mutable std::map<netquill::AnyBlock, netquill::Count> m_used;
};
