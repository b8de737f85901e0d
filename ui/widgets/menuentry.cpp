#include "ui/widgets/menuentry.h"

QAction *addMenuEntry(QMenu *menu, const char *name, const char *caption, const QKeySequence &shortcut)
{
    QAction *entry = menu->addAction(QString::fromLatin1(caption));
    entry->setObjectName(QString::fromLatin1(name));
    entry->setShortcut(shortcut);
    return entry;
}
