#include "NxStudioTaskState.h"

#include "NxSpeechToTextTableModel.h"
#include "NxTextToSpeechTableModel.h"

#include <QtGlobal>

namespace
{

int percentOf(int progress, int progressMax)
{
    return progressMax > 0 ? qBound(0, int(qint64(progress) * 100 / progressMax), 100) : 0;
}

// The task's record and its shown failure, or null for a row that is gone.
template <typename Model>
auto* recordOf(const QModelIndex& row)
{
    return Model::taskFromVariant(row.sibling(row.row(), 0).data(Qt::UserRole));
}

template <typename Model>
QString failureOf(const QModelIndex& row)
{
    return row.sibling(row.row(), Model::StatusColumn).data(Qt::ToolTipRole).toString();
}

} // namespace

QString NxStudioTaskState::stageWord(Stage stage)
{
    switch (stage) {
    case Waiting: return QStringLiteral("waiting");
    case Scanning: return QStringLiteral("scanning");
    case Transcoding: return QStringLiteral("transcoding");
    case Uploading: return QStringLiteral("uploading");
    case Transcribing: return QStringLiteral("transcribing");
    case Converting: return QStringLiteral("converting");
    case Downloading: return QStringLiteral("downloading");
    case Completed: return QStringLiteral("completed");
    case Failed: return QStringLiteral("failed");
    }
    return QString();
}

NxStudioTaskState NxStudioTaskState::ofSpeechToText(const QModelIndex& row)
{
    namespace Stt = NxSpeechToText;
    NxStudioTaskState state;
    const Stt::Task* task = row.isValid() ? recordOf<NxSpeechToTextTableModel>(row) : nullptr;
    if (!task) {
        state.stage = Failed;
        return state;
    }
    state.output = task->destPath;
    const int status = task->status;
    if (Stt::isFailedStatus(status)) {
        state.stage = Failed;
        state.failure = failureOf<NxSpeechToTextTableModel>(row);
        return state;
    }
    switch (status) {
    case Stt::Scanning: state.stage = Scanning; break;
    case Stt::Transcoding: state.stage = Transcoding; break;
    case Stt::Uploading: state.stage = Uploading; break;
    case Stt::Transcribing: state.stage = Transcribing; break;
    case Stt::Completed: state.stage = Completed; break;
    default: state.stage = Waiting; break;
    }
    if (status == Stt::Transcoding || status == Stt::Uploading || status == Stt::Transcribing)
        state.percent = percentOf(task->progress, task->progressMax);
    return state;
}

NxStudioTaskState NxStudioTaskState::ofTextToSpeech(const QModelIndex& row)
{
    namespace Tts = NxTextToSpeech;
    NxStudioTaskState state;
    const Tts::Task* task = row.isValid() ? recordOf<NxTextToSpeechTableModel>(row) : nullptr;
    if (!task) {
        state.stage = Failed;
        return state;
    }
    state.output = task->destPath;
    const int status = task->status;
    if (Tts::isFailedStatus(status)) {
        state.stage = Failed;
        state.failure = failureOf<NxTextToSpeechTableModel>(row);
        return state;
    }
    switch (status) {
    case Tts::Scanning: state.stage = Scanning; break;
    case Tts::Uploading: state.stage = Uploading; break;
    case Tts::Converting: state.stage = Converting; break;
    case Tts::Downloading: state.stage = Downloading; break;
    case Tts::Completed: state.stage = Completed; break;
    default: state.stage = Waiting; break;
    }
    if (status == Tts::Converting)
        state.percent = percentOf(task->progress, task->progressMax);
    return state;
}
