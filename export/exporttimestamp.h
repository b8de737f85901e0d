#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// The moment of an export in the desktop's general date format: the short
// date with a four-digit year, a blank, and the long time without its time
// zone ("12/5/2026 4:15:22 PM" under en_US).
QString exportTimestamp(const QDateTime &moment, const QLocale &locale = QLocale::system());
