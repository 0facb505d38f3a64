#pragma once

#include <QMetaType>
#include <QString>

class INxClip;

// A text-to-speech task manager's report on one task.
struct NxTextToSpeechTaskInfo
{
    enum State {
        Waiting = 1, Scanning = 2, ScanFailed = 3, Uploading = 4, UploadFailed = 5,
        Converting = 6, ConvertFailed = 7, Downloading = 8, DownloadFailed = 9, Completed = 10,
    };
    enum Code {
        UnknownError = 0, NotEnoughCharacters = 1, UnrecognizedContent = 2, TextTooLong = 3,
        UploadFailure = 4, NetworkBroken = 5, TranscriptionFailure = 6, LoginError = 7,
    };

    qint64 reserved = 0;
    int taskId = -1;
    int detail = 0;
    int state = Waiting;
    int code = UnknownError;
    int progress = -1;
    QString filePath; // the produced audio in the manager's own storage
    QString reason;   // why a failed task failed, in the engine's words; empty otherwise
};
Q_DECLARE_METATYPE(NxTextToSpeechTaskInfo)

// One finished sentence of a subtitle-clip task.
struct NxSrtTaskProductInfo
{
    int taskId = -1;
    int index = 0;        // zero-based sentence index
    qint64 reserved = 0;
    qint64 position = 0;  // the sentence's start inside its clip, in the clip's frames
    QString filePath;     // the sentence audio in the manager's own storage
    qint64 reserved2 = 0;
};
Q_DECLARE_METATYPE(NxSrtTaskProductInfo)

// What a text-to-speech task is asked to speak, built per clip.
struct NxTextToSpeechTaskRequest
{
    INxClip* clip = nullptr;
    QString voice;
    int intonation = -1;
    int speed = -1;
    QString language = QStringLiteral("zh-CN");
};

// One voice of the catalogue.
struct NxTextToSpeechVoiceInfo
{
    int id = 0;
    QString showName;
    QString code;
    QString languageCode;
    bool male = false;
};
Q_DECLARE_METATYPE(NxTextToSpeechVoiceInfo)
