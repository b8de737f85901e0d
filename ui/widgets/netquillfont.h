#pragma once

#include <QFont>

// The windows' typeface, Comic Sans MS where installed, otherwise its free
// look-alike Comic Neue (Debian fonts-comic-neue), otherwise the default.
QFont netquillFont(qreal pointSize = 8.25, QFont::Weight weight = QFont::Normal);
