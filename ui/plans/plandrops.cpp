#include "ui/plans/plandrops.h"

#include "ui/plans/frmplan.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace {

// The plan files among the dropped things; none where anything else comes with them.
QStringList droppedPlans(const QMimeData *dropped)
{
    QStringList plans;
    for (const QUrl &url : dropped->urls()) {
        if (!url.isLocalFile() || !url.toLocalFile().endsWith(QLatin1String(".nqplan"), Qt::CaseInsensitive))
            return {};
        plans << url.toLocalFile();
    }
    return plans;
}

class PlanDrops : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto *drag = static_cast<QDropEvent *>(event);
            if (droppedPlans(drag->mimeData()).isEmpty())
                return false;
            drag->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto *drop = static_cast<QDropEvent *>(event);
            const QStringList plans = droppedPlans(drop->mimeData());
            if (plans.isEmpty())
                return false;
            drop->acceptProposedAction();
            for (const QString &plan : plans)
                frmPlan::openFile(plan, static_cast<QWidget *>(watched));
            return true;
        }
        default:
            return false;
        }
    }
};

}  // namespace

void acceptPlanDrops(QWidget *window)
{
    window->setAcceptDrops(true);
    window->installEventFilter(new PlanDrops(window));
}
