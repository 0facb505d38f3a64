#pragma once

#include <QMetaType>

// A speech-to-text task manager's report on one task.
struct NxSpeechToTextTaskInfo
{
    // Manager state codes.
    enum State {
        Waiting = 1,
        Scanning = 2, ScanFailed = 3,
        Transcoding = 4, TranscodeFailed = 5,
        Uploading = 6, UploadFailed = 7,
        Transcribing = 8, TranscribeFailed = 9,
        Completed = 10,
    };
    // Manager error codes.
    enum Code {
        UnknownError = 0, NotEnoughTime = 1, TranscodeFailure = 2, FileTooLong = 3,
        UnrecognizedContent = 4, UploadFailure = 5, LoginError = 6, TranscriptionFailure = 7,
        NetworkBroken = 8,
    };

    int taskId = -1;
    int detail = 0;   // manager-defined extra value (the engine: seconds of media processed)
    int state = Waiting;
    int code = UnknownError;
    int progress = 0; // percent of the current stage
    QString reason;   // why a failed task failed, in the engine's words; empty otherwise
};
Q_DECLARE_METATYPE(NxSpeechToTextTaskInfo)
