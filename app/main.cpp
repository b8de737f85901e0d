#include "core/productinfo.h"
#include "ui/main/frmnetquill.h"
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

    std::unique_ptr<frmNetquill> mainWindow;
    frmSplash splash([&mainWindow] {
        mainWindow = std::make_unique<frmNetquill>();
        mainWindow->show();
    });
    splash.show();
    return QApplication::exec();
}
