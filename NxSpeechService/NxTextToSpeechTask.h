#pragma once

#include <QMetaType>
#include <QString>

#include <string>

class INxClip;

namespace NxTextToSpeech
{

// Display status; 9 is not used.
enum Status {
    Waiting = 0,
    Scanning = 1, ScanFailed = 2,
    Uploading = 3, UploadFailed = 4,
    Converting = 5, ConvertFailed = 6,
    Downloading = 7, DownloadFailed = 8,
    Completed = 10,
};

enum FailReason { None = 0, Network = 1, NoBalance = 2, Unrecognized = 3, Other = 4 };

constexpr bool isFailedStatus(int status)
{
    return status == ScanFailed || status == UploadFailed || status == ConvertFailed || status == DownloadFailed;
}

constexpr bool isFinished(int status)
{
    return isFailedStatus(status) || status == Completed;
}

// One voice-over task as the tab shows it. The controller owns the records.
struct Task
{
    bool attachResult = false;
    qint64 reserved = 0;
    int progress = 0;
    int progressMax = 100;
    int detail = 0;
    int taskId = 0;
    int failReason = None;
    QString fileName;       // title: the audio file's name; subtitle: the sentence folder's
    QString destPath;       // title: the audio file; subtitle: the sentence folder
    std::string errorMessage; // untranslated, one source text per line
    QString errorDetail;
    QString toolTip;
    QString text;           // what the manager will speak
    INxClip* clip = nullptr;
    int status = Waiting;
    bool isSubtitle = false;
    bool productStart = true; // the next sentence delivered opens a new run
    int characters = 0;
    int completedCharacters = 0;
    int sentences = 0;
    int succeededSentences = 0;
    int completedSentences = 0;

    // Each line of the message translated, then the detail.
    QString failureText() const;
};

}

Q_DECLARE_METATYPE(NxTextToSpeech::Task)
