#include "NxStudioTaskState.h"

#include "NxTaskFailures.h"

#include <QtGlobal>

QString NxStudioTaskState::stageWord(Stage stage)
{
    switch (stage) {
    case Stage::Waiting: return QStringLiteral("waiting");
    case Stage::Scanning: return QStringLiteral("scanning");
    case Stage::Transcoding: return QStringLiteral("transcoding");
    case Stage::Uploading: return QStringLiteral("uploading");
    case Stage::Transcribing: return QStringLiteral("transcribing");
    case Stage::Converting: return QStringLiteral("converting");
    case Stage::Downloading: return QStringLiteral("downloading");
    case Stage::Completed: return QStringLiteral("completed");
    case Stage::Failed: return QStringLiteral("failed");
    }
    return QString();
}

QString NxStudioTaskState::failureText() const
{
    return reason.isEmpty() ? failure : failure + QStringLiteral(" \u2014 ") + reason;
}

NxStudioTaskState NxStudioTaskState::failed(const QString& failure, const QString& reason)
{
    NxStudioTaskState state;
    state.stage = Stage::Failed;
    state.failure = failure;
    state.reason = reason;
    return state;
}

NxStudioTaskState NxStudioTaskState::ofSpeechToText(const NxSpeechToTextTaskInfo& report)
{
    using Info = NxSpeechToTextTaskInfo;
    if (NxTaskFailures::failsSpeechToText(report))
        return failed(NxTaskFailures::ofSpeechToText(report.code).text(), report.reason);
    NxStudioTaskState state;
    switch (report.state) {
    case Info::Scanning: state.stage = Stage::Scanning; break;
    case Info::Transcoding: state.stage = Stage::Transcoding; break;
    case Info::Uploading: state.stage = Stage::Uploading; break;
    case Info::Transcribing: state.stage = Stage::Transcribing; break;
    case Info::Completed: state.stage = Stage::Completed; break;
    default: break;
    }
    if (state.stage == Stage::Transcoding || state.stage == Stage::Uploading || state.stage == Stage::Transcribing)
        state.percent = qBound(0, report.progress, 100);
    return state;
}

NxStudioTaskState NxStudioTaskState::ofTextToSpeech(const NxTextToSpeechTaskInfo& report)
{
    using Info = NxTextToSpeechTaskInfo;
    if (NxTaskFailures::failsTextToSpeech(report))
        return failed(NxTaskFailures::ofTextToSpeech(report.code).text(), report.reason);
    NxStudioTaskState state;
    switch (report.state) {
    case Info::Scanning: state.stage = Stage::Scanning; break;
    case Info::Uploading: state.stage = Stage::Uploading; break;
    case Info::Converting: state.stage = Stage::Converting; break;
    case Info::Downloading: state.stage = Stage::Downloading; break;
    case Info::Completed: state.stage = Stage::Completed; break;
    default: break;
    }
    if (state.stage == Stage::Converting)
        state.percent = qBound(0, report.progress, 100);
    return state;
}
