#include "ui/shell/helpmenu.h"

#include "core/productinfo.h"
#include "ui/shell/frmabout.h"
#include "ui/shell/helpviewer.h"
#include "ui/shell/hyperjump.h"
#include "ui/widgets/menuentry.h"

#include <QMenuBar>

QMenu *addHelpMenu(QMenuBar *menuBar, QWidget *owner, const char *aboutCaption)
{
    QMenu *mnuHelp = menuBar->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    QObject::connect(addMenuEntry(mnuHelp, "mnuContents", "&Contents", Qt::Key_F1), &QAction::triggered, owner,
                     &showHelpContents);
    QObject::connect(addMenuEntry(mnuHelp, "mnuIndex", "&Index"), &QAction::triggered, owner, &showHelpIndex);
    QObject::connect(addMenuEntry(mnuHelp, "mnuTrevantis", "Trevantis Software on the Web"), &QAction::triggered, owner,
                     [] { HyperJump(QString::fromLatin1(netquill::kMakerSite)); });
    QObject::connect(addMenuEntry(mnuHelp, "mnuAbout", aboutCaption), &QAction::triggered, owner, [owner] {
        frmAbout about(owner);
        about.exec();
    });
    return mnuHelp;
}
