#pragma once

#include <QString>

struct NxSpeechToTextTaskInfo;
struct NxTextToSpeechTaskInfo;

// One task as the subcommands report it, read from its task manager's
// report: the stage, the progress, and for a failure the words the service
// window shows in the task's row and the engine's reason.
struct NxStudioTaskState
{
    enum class Stage { Waiting, Scanning, Transcoding, Uploading, Transcribing, Converting, Downloading, Completed, Failed };

    Stage stage = Stage::Waiting;
    int percent = -1; // only for stages with a progress bar
    QString failure;
    QString reason; // the engine's, beside the window's words

    // The window's words, then the reason when the engine gave one.
    QString failureText() const;

    bool ended() const { return stage == Stage::Completed || stage == Stage::Failed; }
    bool operator==(const NxStudioTaskState& other) const
    {
        return stage == other.stage && percent == other.percent && failure == other.failure && reason == other.reason;
    }
    bool operator!=(const NxStudioTaskState& other) const { return !(*this == other); }

    // The stage as one lower-case word.
    static QString stageWord(Stage stage);

    static NxStudioTaskState ofSpeechToText(const NxSpeechToTextTaskInfo& report);
    static NxStudioTaskState ofTextToSpeech(const NxTextToSpeechTaskInfo& report);
    // A task that ended without a report of its own, such as one removed.
    static NxStudioTaskState failed(const QString& failure, const QString& reason = QString());
};
