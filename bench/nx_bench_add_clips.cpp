// Adding 1,000 clip tasks into a subtitle folder that already holds 5,000 files:
//   build/bench/nx-bench-add-clips [runs]
//
// Times one addClipTasks call, which names every task against the folder and
// the tasks before it. Many existing names collide with the clips' subtitle
// names, so the numbering paths run. The same call into an empty folder is
// printed beside it.

#include "INxAppInfo.h"
#include "NxBenchSupport.h"
#include "NxScriptedSpeechToTextManager.h"
#include "NxSpeechServicePresenter.h"
#include "NxSpeechToTextHelper.h"
#include "NxSpeechToTextTableModel.h"
#include "NxTestHome.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstdlib>

namespace
{
constexpr int Tasks = 1000;
constexpr int FolderFiles = 5000;

// "Clip_Take<i>" is the subtitle name of clip "Take<i>".
void fillFolder(const QString& folder)
{
    QStringList names;
    for (int i = 0; i < Tasks; ++i)
        names << QStringLiteral("Clip_Take%1.srt").arg(i);          // the plain name is taken
    for (int i = 0; i < Tasks / 2; ++i)
        names << QStringLiteral("Clip_Take%1_03.srt").arg(i)        // numbers already used
              << QStringLiteral("clip_take%1_07.srt").arg(i);       // other case
    for (int i = 0; names.size() < FolderFiles; ++i)
        names << QStringLiteral("Material_Interview %1.srt").arg(i) << QStringLiteral("Sequence_%1.srt").arg(i)
              << QStringLiteral("notes %1.txt").arg(i);
    names = names.mid(0, FolderFiles);
    for (const QString& name : qAsConst(names)) {
        QFile file(folder + QLatin1Char('/') + name);
        file.open(QIODevice::WriteOnly);
    }
}

struct Run
{
    double milliseconds = 0;
    QString firstName; // what the first clip's subtitle is called
};

Run addOnce(const NxBench::Clips& clips)
{
    NxSpeechServicePresenter presenter;
    NxSpeechToTextHelper helper(&presenter);
    NxSpeechToTextTableModel model(nullptr);
    helper.setModel(&model);

    const NxBench::Clock::time_point start = NxBench::Clock::now();
    helper.addClipTasks(clips.list(), QStringLiteral("en"), false);
    Run run{NxBench::millisecondsSince(start), QString()};

    if (helper.taskCount() != Tasks)
        std::fprintf(stderr, "only %d of %d tasks were added\n", helper.taskCount(), Tasks);
    run.firstName = model.data(model.index(0, NxSpeechToTextTableModel::FileNameColumn), Qt::ToolTipRole).toString();
    helper.clearAllTasks();
    return run;
}

double medianOf(int runs, const NxBench::Clips& clips, QString* firstName)
{
    addOnce(clips); // unmeasured
    std::vector<double> samples;
    for (int i = 0; i < runs; ++i) {
        const Run run = addOnce(clips);
        samples.push_back(run.milliseconds);
        *firstName = run.firstName;
    }
    return NxBench::median(samples);
}
}

int main(int argc, char** argv)
{
    const NxTestHome home;
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? qMax(1, atoi(argv[1])) : 7;
    NxScriptedSpeechToTextManager::install();
    const NxBench::Clips clips(Tasks);
    const QString folder = INxAppInfo::getInstance()->getPath(INxAppInfo::SpeechToTextSubtitleFolder);

    QString emptyName;
    const double empty = medianOf(runs, clips, &emptyName);
    fillFolder(folder);
    const int present = QDir(folder).entryList(QDir::Files).size();
    QString fullName;
    const double full = medianOf(runs, clips, &fullName);

    std::printf("adding %d clip tasks in one call, median of %d runs\n", Tasks, runs);
    std::printf("  empty subtitle folder          %8.2f ms   first task named %s\n", empty, qPrintable(emptyName));
    std::printf("  folder holding %d files      %8.2f ms   first task named %s\n", present, full,
                qPrintable(fullName));
    return 0;
}
