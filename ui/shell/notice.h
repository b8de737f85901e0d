#pragma once

#include <QString>

// The legal notice of the splash and the About box, its years running from the
// product's first to the current one.
QString copyrightNotice();
