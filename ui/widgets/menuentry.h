#pragma once

#include <QAction>
#include <QKeySequence>
#include <QMenu>

// Adds a named entry to a menu; the name is the entry's objectName.
QAction *addMenuEntry(QMenu *menu, const char *name, const char *caption, const QKeySequence &shortcut = {});
