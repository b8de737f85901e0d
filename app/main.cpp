#include "frmnetquill.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trevantis Netquill"));
    QApplication::setApplicationVersion(QStringLiteral(NETQUILL_VERSION));

    frmNetquill window;
    window.show();
    return QApplication::exec();
}
