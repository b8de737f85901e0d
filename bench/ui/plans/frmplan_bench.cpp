// The plan window over a plan of about 100,000 leaves: it opens within a
// second, and a split or its undoing shows without delay (a frame is 16 ms).
#include "bench/core/planning/largeplan.h"
#include "core/files/planfile.h"
#include "ui/plans/frmplan.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeView>
#include <benchmark/benchmark.h>

namespace {

QString largePlanFile(const QTemporaryDir &folder)
{
    const QString path = folder.filePath(QStringLiteral("large.nqplan"));
    QFile file(path);
    const std::string text = netquill::planFileText(netquill::bench::largePlan());
    if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), static_cast<qint64>(text.size())) < 0)
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void BM_OpenALargePlanWindow(benchmark::State &state)
{
    const QTemporaryDir folder;
    const QString path = largePlanFile(folder);
    for (auto _ : state) {
        frmPlan *window = frmPlan::openFile(path, nullptr);
        QApplication::processEvents();  // shown and drawn
        state.PauseTiming();
        delete window;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenALargePlanWindow)->Unit(benchmark::kMillisecond);

void BM_SplitAndUndoInALargePlanWindow(benchmark::State &state)
{
    const QTemporaryDir folder;
    frmPlan *window = frmPlan::openFile(largePlanFile(folder), nullptr);
    auto *tree = window->findChild<QTreeView *>(QStringLiteral("tvwPlan"));
    // 10.0.1.0/24, the second leaf of 10.0.0.0/14, in sight.
    const QModelIndex root = tree->model()->index(0, 0);
    const QModelIndex first = tree->model()->index(0, 0, root);
    tree->expand(first);
    tree->setCurrentIndex(tree->model()->index(1, 1, first));
    for (auto _ : state) {
        window->findChild<QAction *>(QStringLiteral("mnuSplit"))->trigger();
        QApplication::processEvents();
        window->findChild<QAction *>(QStringLiteral("mnuUndo"))->trigger();
        QApplication::processEvents();
    }
    delete window;
}
BENCHMARK(BM_SplitAndUndoInALargePlanWindow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv)
{
    // No screen needed, and the autosave copies and recent plans go to a folder of their own.
    const QTemporaryDir home;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_CACHE_HOME", home.filePath(QStringLiteral("cache")).toUtf8());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
