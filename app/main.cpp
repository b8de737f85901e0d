#include "core/productinfo.h"
#include "ui/main/frmnetquill.h"
#include "ui/plans/frmplan.h"
#include "ui/plans/planhandoff.h"
#include "ui/shell/frmsplash.h"
#include "ui/shell/productpicture.h"

#include <QApplication>

#include <cstdio>
#include <cstring>
#include <memory>
#include <utility>

namespace {

constexpr char kUsage[] = "usage: netquill [--help] [--version] [--] [PLAN.nqplan...]\n";
constexpr char kHelp[] =
    "Trevantis Netquill: IPv4 and IPv6 addresses, masks, subnets and plans of them, in windows.\n"
    "Each PLAN opens in a plan window; while Netquill runs, in the running program, whose\n"
    "window comes to the front. netquill-cli answers the same on the command line.\n"
    "  -h, --help     print this text and end\n"
    "  -V, --version  print the version and end\n";

// --help and --version answer before any window (and without a display).
bool answeredAtOnce(int argc, char *argv[])
{
    for (int k = 1; k < argc && std::strcmp(argv[k], "--") != 0; ++k) {
        if (std::strcmp(argv[k], "--help") == 0 || std::strcmp(argv[k], "-h") == 0) {
            std::fputs(kUsage, stdout);
            std::fputs(kHelp, stdout);
            return true;
        }
        if (std::strcmp(argv[k], "--version") == 0 || std::strcmp(argv[k], "-V") == 0) {
            std::printf("%s %s\n", netquill::kProductName, netquill::kVersion);
            return true;
        }
    }
    return false;
}

// The plans the command line names, once Qt has taken its own options; an
// option of neither is refused (status 2), as a mistyped one would open no plan.
std::optional<QStringList> plansNamed(const QStringList &arguments)
{
    QStringList plans;
    bool optionsEnded = false;
    for (const QString &argument : arguments.mid(1)) {
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!optionsEnded && argument.startsWith(QLatin1Char('-'))) {
            std::fprintf(stderr, "netquill: '%s' is no option of netquill\n%s", qUtf8Printable(argument), kUsage);
            return std::nullopt;
        } else {
            plans << argument;
        }
    }
    return plans;
}

}  // namespace

int main(int argc, char *argv[])
{
    if (answeredAtOnce(argc, argv))
        return std::ferror(stdout) || std::fflush(stdout) != 0 ? 3 : 0;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(netquill::kProductName));
    QApplication::setApplicationVersion(QString::fromLatin1(netquill::kVersion));
    // Task bars and docks group the window under its menu entry.
    QApplication::setDesktopFileName(QString::fromLatin1(netquill::kApplicationId));
    QApplication::setWindowIcon(productIcon());

    const auto plans = plansNamed(QApplication::arguments());
    if (!plans)
        return 2;
    // A double-clicked plan while Netquill runs opens in the program that runs.
    if (!plans->isEmpty() && handPlansToRunningProgram(*plans))
        return 0;

    std::unique_ptr<frmNetquill> mainWindow;
    // Plans handed over during the splash wait for the main window.
    QStringList waiting = *plans;
    PlanReceiver receiver(&app);
    QObject::connect(&receiver, &PlanReceiver::plansArrived, &app, [&mainWindow, &waiting](const QStringList &handed) {
        if (!mainWindow) {
            waiting << handed;
            return;
        }
        if (mainWindow->isMinimized())
            mainWindow->showNormal();
        mainWindow->raise();
        mainWindow->activateWindow();
        for (const QString &plan : handed)
            frmPlan::openFile(plan, mainWindow.get());
    });
    receiver.listen();
    frmSplash splash([&mainWindow, &waiting] {
        mainWindow = std::make_unique<frmNetquill>();
        mainWindow->show();
        frmPlan::offerAutosaves(mainWindow.get());
        for (const QString &plan : std::exchange(waiting, {}))
            frmPlan::openFile(plan, mainWindow.get());
    });
    splash.show();
    const int status = QApplication::exec();
    // Plan windows end with the program, without a question: their autosave copies keep unsaved changes.
    for (QWidget *window : QApplication::topLevelWidgets())
        if (qobject_cast<frmPlan *>(window))
            delete window;
    return status;
}
