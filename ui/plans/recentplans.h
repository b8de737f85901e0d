#pragma once

#include <QStringList>

// The plan files last opened or saved, newest first, kept between runs in
// the user's configuration folder for File's list of recent plans.
inline constexpr int kRecentPlanCount = 4;

QStringList recentPlans();
void rememberPlan(const QString &path);
