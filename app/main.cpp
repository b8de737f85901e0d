#include "frmnetquill.h"
#include "frmsplash.h"
#include "productinfo.h"
#include "productpicture.h"

#include <QApplication>

#include <memory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(netquill::kProductName));
    QApplication::setApplicationVersion(QStringLiteral(NETQUILL_VERSION));
    QApplication::setWindowIcon(productIcon());

    std::unique_ptr<frmNetquill> mainWindow;
    frmSplash splash([&mainWindow] {
        mainWindow = std::make_unique<frmNetquill>();
        mainWindow->show();
    });
    splash.show();
    return QApplication::exec();
}
