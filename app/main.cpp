#include "core/productinfo.h"
#include "ui/main/frmnetquill.h"
#include "ui/plans/frmplan.h"
#include "ui/shell/frmsplash.h"
#include "ui/shell/productpicture.h"

#include <QApplication>

#include <memory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(netquill::kProductName));
    QApplication::setApplicationVersion(QString::fromLatin1(netquill::kVersion));
    // Task bars and docks group the window under its menu entry.
    QApplication::setDesktopFileName(QString::fromLatin1(netquill::kApplicationId));
    QApplication::setWindowIcon(productIcon());

    // Plan files named on the command line (a file manager's double click) open over the main window.
    const QStringList plans = QApplication::arguments().mid(1);
    std::unique_ptr<frmNetquill> mainWindow;
    frmSplash splash([&mainWindow, plans] {
        mainWindow = std::make_unique<frmNetquill>();
        mainWindow->show();
        frmPlan::offerAutosaves(mainWindow.get());
        for (const QString &plan : plans)
            frmPlan::openFile(plan, mainWindow.get());
    });
    splash.show();
    return QApplication::exec();
}
