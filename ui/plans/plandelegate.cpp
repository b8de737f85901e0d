#include "ui/plans/plandelegate.h"

#include "ui/plans/plancolours.h"
#include "ui/plans/plantreemodel.h"

#include <QApplication>
#include <QComboBox>
#include <QPainter>
#include <QSpinBox>

QWidget *PlanDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    switch (index.column()) {
    case PlanTreeModel::Status: {
        auto *statuses = new QComboBox(parent);
        statuses->setAccessibleName(QStringLiteral("Status"));
        for (const netquill::BlockStatus status : netquill::kStatuses) {
            QString name = QString::fromLatin1(netquill::statusName(status).data());
            statuses->addItem(name.front().toUpper() + name.mid(1));
        }
        return statuses;
    }
    case PlanTreeModel::Colour: {
        auto *colours = new QComboBox(parent);
        colours->setAccessibleName(QStringLiteral("Colour"));
        colours->addItem(QStringLiteral("None"));
        const QColor frame = parent->palette().color(QPalette::Text);
        for (const netquill::BlockColour colour : netquill::kColours) {
            QString name = QString::fromLatin1(netquill::colourName(colour).data());
            colours->addItem(swatchIcon(colour, frame), name.front().toUpper() + name.mid(1));
        }
        return colours;
    }
    case PlanTreeModel::Vlan: {
        auto *vlan = new QSpinBox(parent);
        vlan->setAccessibleName(QStringLiteral("VLAN"));
        vlan->setRange(0, netquill::kHighestVlan);
        vlan->setSpecialValueText(QStringLiteral("None"));
        return vlan;
    }
    default:
        return QStyledItemDelegate::createEditor(parent, option, index);
    }
}

void PlanDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *list = qobject_cast<QComboBox *>(editor))
        list->setCurrentIndex(index.data(Qt::EditRole).toInt());
    else if (auto *vlan = qobject_cast<QSpinBox *>(editor))
        vlan->setValue(index.data(Qt::EditRole).toInt());
    else
        QStyledItemDelegate::setEditorData(editor, index);
}

void PlanDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (auto *list = qobject_cast<QComboBox *>(editor))
        model->setData(index, list->currentIndex());
    else if (auto *vlan = qobject_cast<QSpinBox *>(editor))
        model->setData(index, vlan->value());
    else
        QStyledItemDelegate::setModelData(editor, model, index);
}

void PlanDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    if (index.column() != PlanTreeModel::Used)
        return QStyledItemDelegate::paint(painter, option, index);
    // The row's selection behind, then the bar, in the style's own colours.
    const QWidget *view = option.widget;
    QStyle *style = view ? view->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &option, painter, view);
    QStyleOptionProgressBar bar;
    bar.rect = option.rect.adjusted(2, 2, -2, -2);
    bar.minimum = 0;
    bar.maximum = 1000;
    bar.progress = static_cast<int>(index.data(PlanTreeModel::kShareRole).toDouble() * 1000);
    bar.text = index.data().toString();
    bar.textVisible = true;
    bar.textAlignment = Qt::AlignCenter;
    bar.palette = option.palette;
    bar.fontMetrics = option.fontMetrics;
    bar.state = option.state | QStyle::State_Horizontal;
    style->drawControl(QStyle::CE_ProgressBar, &bar, painter, view);
}
