#pragma once

#include <QModelIndex>
#include <QString>

// One task as the subcommands report it, read from its row in one of the
// service window's task tables: the record behind the row gives the stage,
// the progress and the file the task produces; the failure is the text the
// row shows (its status tooltip), so a failure reads as in the window.
struct NxStudioTaskState
{
    enum Stage { Waiting, Scanning, Transcoding, Uploading, Transcribing, Converting, Downloading, Completed, Failed };

    Stage stage = Waiting;
    int percent = -1; // only for stages with a progress bar
    QString failure;
    QString output;   // where the module puts the task's file

    bool ended() const { return stage == Completed || stage == Failed; }
    bool operator==(const NxStudioTaskState& other) const
    {
        return stage == other.stage && percent == other.percent && failure == other.failure;
    }
    bool operator!=(const NxStudioTaskState& other) const { return !(*this == other); }

    // The stage as one lower-case word.
    static QString stageWord(Stage stage);

    // From any cell of a speech-to-text or text-to-speech row.
    static NxStudioTaskState ofSpeechToText(const QModelIndex& row);
    static NxStudioTaskState ofTextToSpeech(const QModelIndex& row);
};
