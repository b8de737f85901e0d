#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// The moment of an export in the desktop's general date format: the short
// date with a four-digit year, a blank, and the long time without its time
// zone ("12/5/2026 4:15:22 PM" under en_US). A locale whose text the file
// cannot hold gets ISO 8601 ("2026-12-05 16:15:22").
QString exportTimestamp(const QDateTime &moment, const QLocale &locale = QLocale::system());
