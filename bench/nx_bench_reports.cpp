// Report throughput of the speech-to-text tab against the floor of bare queued calls:
//   build/bench/nx-bench-reports [runs]
//
// One worker thread delivers every report through the callback the manager
// holds, as an engine does; a run ends when the GUI thread has handled all of
// them and the model has repainted a row for each. The floor is the same
// number of empty queued calls from a worker thread.

#include "NxBenchSupport.h"
#include "NxScriptedSpeechToTextManager.h"
#include "NxSpeechServicePresenter.h"
#include "NxSpeechToTextHelper.h"
#include "NxSpeechToTextTableModel.h"
#include "NxTestHome.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <cstdio>
#include <cstdlib>
#include <thread>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace
{
constexpr int Tasks = 1000;
constexpr int Reports = 100000;
}

int main(int argc, char** argv)
{
    using namespace NxBench;
    const NxTestHome home;
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? qMax(1, atoi(argv[1])) : 5;

    NxScriptedSpeechToTextManager::install();
    NxSpeechServicePresenter presenter;
    NxSpeechToTextHelper helper(&presenter);
    NxSpeechToTextTableModel model(nullptr);
    helper.setModel(&model);
    const Clips clips(Tasks);
    helper.addClipTasks(clips.list(), QStringLiteral("en"), false);
    const QList<int> taskIds = NxScriptedSpeechToTextManager::latest()->addedIds;
    const NxSharedCallBackLine<INxSpeechToTextTaskManagerCallBack> line = NxScriptedSpeechToTextManager::latest()->line();
    if (helper.taskCount() != Tasks || taskIds.size() != Tasks) {
        std::fprintf(stderr, "setup failed: %d tasks\n", helper.taskCount());
        return 1;
    }

    QEventLoop loop;
    int handled = 0;
    int repainted = 0;
    const auto quitWhenDone = [&] {
        if (handled >= Reports && repainted >= Reports)
            loop.quit();
    };
    QObject::connect(&helper, &NxSpeechToTextHelper::sigProgress, &helper, [&] { ++handled; quitWhenDone(); });
    QObject::connect(&model, &QAbstractItemModel::dataChanged, &model, [&] { ++repainted; quitWhenDone(); });

    const auto measureReports = [&] {
        handled = repainted = 0;
        const Clock::time_point start = Clock::now();
        std::thread worker([&] {
            NxSpeechToTextTaskInfo info;
            info.state = NxSpeechToTextTaskInfo::Transcribing;
            for (int i = 0; i < Reports; ++i) {
                info.taskId = taskIds[i % Tasks];
                info.progress = i % 100;
                line->deliver([&](INxSpeechToTextTaskManagerCallBack* to) { to->onTaskStateChanged(info); });
            }
        });
        loop.exec();
        const double elapsed = millisecondsSince(start);
        worker.join();
        return elapsed;
    };

    QObject receiver;
    int calls = 0;
    int lastCall = -1;
    const auto measureFloor = [&] {
        calls = 0;
        const Clock::time_point start = Clock::now();
        std::thread worker([&] {
            for (int i = 0; i < Reports; ++i)
                QMetaObject::invokeMethod(&receiver, [&, i] {
                    lastCall = i;
                    if (++calls == Reports)
                        loop.quit();
                }, Qt::QueuedConnection);
        });
        loop.exec();
        const double elapsed = millisecondsSince(start);
        worker.join();
        return elapsed;
    };

    // Every run allocates on the worker and frees on the GUI thread; left
    // alone, the heap fragments and each run is slower than the one before
    // (a few percent a run, for both figures). Handing the free memory back first
    // starts every measurement from the same heap.
    const auto fromCleanHeap = [](auto measure) {
#ifdef __GLIBC__
        malloc_trim(0);
#endif
        return measure();
    };

    // One unmeasured round first: caches and the tasks' first status change.
    measureFloor();
    measureReports();
    std::vector<double> floors, reports;
    for (int run = 0; run < runs; ++run) {
        floors.push_back(fromCleanHeap(measureFloor));
        reports.push_back(fromCleanHeap(measureReports));
        std::printf("run %d: floor %8.1f ms   reports %8.1f ms\n", run + 1, floors.back(), reports.back());
    }

    const double floorMs = median(floors);
    const double reportMs = median(reports);
    const double ratio = reportMs / floorMs;
    std::printf("\nreport throughput: %d tasks, %d reports from one worker thread, median of %d runs\n", Tasks,
                Reports, runs);
    std::printf("  floor (bare queued calls)   %8.1f ms  %6.2f us per call\n", floorMs, floorMs * 1000 / Reports);
    std::printf("  reports (helper + model)    %8.1f ms  %6.2f us per report\n", reportMs, reportMs * 1000 / Reports);
    std::printf("  ratio reports / floor       %8.2f    (target <= 3) %s\n", ratio, ratio <= 3 ? "ok" : "OVER");
    return 0;
}
