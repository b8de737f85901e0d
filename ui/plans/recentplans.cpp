#include "ui/plans/recentplans.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

QSettings settings()
{
    return {QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QStringLiteral("/recent.ini"),
            QSettings::IniFormat};
}

const QString kKey = QStringLiteral("plans");

}  // namespace

QStringList recentPlans() { return settings().value(kKey).toStringList(); }

void rememberPlan(const QString &path)
{
    QStringList plans = recentPlans();
    const QString file = QFileInfo(path).absoluteFilePath();
    plans.removeAll(file);
    plans.prepend(file);
    settings().setValue(kKey, plans.mid(0, kRecentPlanCount));
}
