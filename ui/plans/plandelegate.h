#pragma once

#include <QStyledItemDelegate>

// How the plan's tree edits and draws its columns that are no plain text:
// a status and a colour chosen from their lists, a VLAN id in a spin box
// (0 for none), and the Used column's share as a bar with its percentage.
class PlanDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
