#pragma once

#include "NxStudioTaskState.h"

#include <QStringList>
#include <QVector>

#include <atomic>
#include <memory>

// Shows on stderr how each task of a run advances. On a terminal every task
// has a bar of its own, redrawn in place; anywhere else (a pipe, a log file)
// each change of stage is one line, so the output reads as a history.
//
// The host's log mirrors its errors (with --verbose every entry) to stderr
// too: after one, the bars are drawn anew below it rather than over it.
class NxStudioProgress
{
public:
    explicit NxStudioProgress(bool terminal);
    ~NxStudioProgress();
    NxStudioProgress(const NxStudioProgress&) = delete;
    NxStudioProgress& operator=(const NxStudioProgress&) = delete;

    // A new task under `name`; returns its number.
    int add(const QString& name);
    void update(int task, const NxStudioTaskState& state);

private:
    QString barLine(int task) const;
    void redraw();

    bool m_terminal;
    QStringList m_names;
    QVector<NxStudioTaskState> m_states;
    QStringList m_notes; // reasons to write above the bars at the next redraw
    int m_drawnLines = 0;
    // Set by the log on its writing thread, taken by the next redraw.
    std::shared_ptr<std::atomic<bool>> m_logWrote = std::make_shared<std::atomic<bool>>(false);
    int m_logListener = 0;
};
