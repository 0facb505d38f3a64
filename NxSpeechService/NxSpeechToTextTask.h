#pragma once

#include <QMetaType>
#include <QString>

#include <string>

class INxClip;
class INxTimeline;

namespace NxSpeechToText
{

// A task's place in its life; each failure follows the stage it failed in.
enum Status {
    Waiting = 0,
    Scanning = 1, ScanFailed = 2,
    Transcoding = 3, TranscodeFailed = 4,
    Uploading = 5, UploadFailed = 6,
    Transcribing = 7, TranscribeFailed = 8,
    Completed = 9,
};

enum FailReason {
    NoFailure = 0,
    NetworkBroken = 1,
    NotEnoughTime = 2,
    ContentNotRecognized = 3,
    OtherFailure = 4,
};

enum MediaKind { UnknownMedia = 0, VideoMedia = 1, AudioMedia = 2, SequenceMedia = 3 };

constexpr bool isFailedStatus(int status)
{
    return status == ScanFailed || status == TranscodeFailed || status == UploadFailed
           || status == TranscribeFailed;
}

constexpr bool hasEnded(int status)
{
    return isFailedStatus(status) || status == Completed;
}

// One transcription as the tab shows it. The controller owns the records;
// the model and the delegate only point to them.
struct Task
{
    Task();

    bool attachResult = false;
    int duration = 0;       // seconds of media; also the billed quantity
    int progress = 0;
    int progressMax = 100;
    int detail = 0;
    int taskId = 0;
    int failReason = NoFailure;
    int mediaKind = UnknownMedia;
    QString fileName;       // shown name and the subtitle file's base name
    QString destPath;       // the subtitle file the task produces
    std::string errorMessage; // untranslated; shown through QObject::tr
    QString errorDetail;    // the code, for codes without a message
    QString uuid;
    INxClip* clip = nullptr;
    INxTimeline* timeline = nullptr;
    int status = Waiting;

    // The failure text as the user reads it: translated message plus detail.
    QString failureText() const;
};

}

Q_DECLARE_METATYPE(NxSpeechToText::Task)
