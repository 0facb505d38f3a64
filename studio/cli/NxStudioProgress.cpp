#include "NxStudioProgress.h"

#include "INxBaseLog.h"
#include "NxControlCharacters.h"
#include "NxStudioConsole.h"

namespace
{
constexpr int NameWidth = 28;
constexpr int BarWidth = 24;
const QChar BarDone = QLatin1Char('#');
const QChar BarToDo = QLatin1Char('-');

// Long names lose their middle: files of one series differ at the end.
QString fitted(const QString& name)
{
    if (name.size() <= NameWidth)
        return name.leftJustified(NameWidth);
    const int tail = (NameWidth - 1) / 2;
    return name.left(NameWidth - 1 - tail) + QChar(0x2026) + name.right(tail);
}
}

NxStudioProgress::NxStudioProgress(bool terminal)
    : m_terminal(terminal)
{
    if (m_terminal)
        m_logListener = GetGlobalLogInstance()->addListener(
            [wrote = m_logWrote](const NxLogEntry& entry) {
                if (entry.mirrored)
                    wrote->store(true);
            });
}

NxStudioProgress::~NxStudioProgress()
{
    if (m_terminal)
        GetGlobalLogInstance()->removeListener(m_logListener);
}

int NxStudioProgress::add(const QString& name)
{
    // Escaped before it is fitted: the bar's width counts what the terminal shows.
    m_names.append(NxControlCharacters::escaped(name));
    m_states.append(NxStudioTaskState());
    if (m_terminal)
        redraw();
    return m_names.size() - 1;
}

void NxStudioProgress::update(int task, const NxStudioTaskState& state)
{
    const NxStudioTaskState before = m_states.at(task);
    m_states[task] = state;
    if (m_terminal) {
        // A reason is a sentence of any length: a line of its own above the
        // bars, each of which keeps to one line.
        if (!state.reason.isEmpty() && state.failureText() != before.failureText())
            m_notes.append(NxControlCharacters::escaped(m_names.at(task) + QStringLiteral(": ") + state.reason));
        redraw();
        return;
    }
    if (state.stage == before.stage && state.failureText() == before.failureText())
        return;
    QString line = m_names.at(task) + QStringLiteral(": ") + NxStudioTaskState::stageWord(state.stage);
    if (!state.failure.isEmpty())
        line += QStringLiteral(": ") + state.failureText();
    NxStudioConsole::err(line);
}

QString NxStudioProgress::barLine(int task) const
{
    const NxStudioTaskState& state = m_states.at(task);
    // Stages without a count of their own show an empty bar, a finished task a full one.
    const int percent = state.stage == NxStudioTaskState::Stage::Completed ? 100 : qMax(0, state.percent);
    const int done = percent * BarWidth / 100;
    QString line = fitted(m_names.at(task)) + QStringLiteral(" [") + QString(done, BarDone)
                   + QString(BarWidth - done, BarToDo) + QStringLiteral("] ")
                   + QString::number(percent).rightJustified(3) + QStringLiteral("% ")
                   + NxStudioTaskState::stageWord(state.stage);
    if (!state.failure.isEmpty())
        line += QStringLiteral(": ") + NxControlCharacters::escaped(state.failure);
    return line;
}

void NxStudioProgress::redraw()
{
    // Back to the first bar, then each line cleared and written again.
    QByteArray bytes;
    if (m_logWrote->exchange(false))
        m_drawnLines = 0;
    if (m_drawnLines > 0)
        bytes += "\x1b[" + QByteArray::number(m_drawnLines) + 'F';
    if (!m_notes.isEmpty()) {
        bytes += "\r\x1b[J";
        for (const QString& note : qAsConst(m_notes))
            bytes += note.toUtf8() + '\n';
        m_notes.clear();
    }
    for (int task = 0; task < m_names.size(); ++task)
        bytes += "\r\x1b[2K" + barLine(task).toUtf8() + '\n';
    m_drawnLines = m_names.size();
    NxStudioConsole::errRaw(bytes);
}
