#pragma once

#include "NxSpeechToTextTaskInfo.h"
#include "NxTextToSpeechRecords.h"

// Where the engine's tasks stand and why they failed, scoped per service so
// that the two services' like-named states never meet. A manager's report
// carries them as the records' numbers; reported() is each service's one
// mapping from a state or failure to what the record says.

enum class NxSpeechToTextState {
    None = 0, // not ended yet: the stages so far went through
    Waiting = NxSpeechToTextTaskInfo::Waiting,
    Scanning = NxSpeechToTextTaskInfo::Scanning,
    ScanFailed = NxSpeechToTextTaskInfo::ScanFailed,
    Transcoding = NxSpeechToTextTaskInfo::Transcoding,
    TranscodeFailed = NxSpeechToTextTaskInfo::TranscodeFailed,
    Uploading = NxSpeechToTextTaskInfo::Uploading,
    UploadFailed = NxSpeechToTextTaskInfo::UploadFailed,
    Transcribing = NxSpeechToTextTaskInfo::Transcribing,
    TranscribeFailed = NxSpeechToTextTaskInfo::TranscribeFailed,
    Completed = NxSpeechToTextTaskInfo::Completed,
};

enum class NxSpeechToTextFailure {
    UnknownError = NxSpeechToTextTaskInfo::UnknownError,
    NotEnoughTime = NxSpeechToTextTaskInfo::NotEnoughTime,
    TranscodeFailure = NxSpeechToTextTaskInfo::TranscodeFailure,
    FileTooLong = NxSpeechToTextTaskInfo::FileTooLong,
    UnrecognizedContent = NxSpeechToTextTaskInfo::UnrecognizedContent,
    UploadFailure = NxSpeechToTextTaskInfo::UploadFailure,
    LoginError = NxSpeechToTextTaskInfo::LoginError,
    TranscriptionFailure = NxSpeechToTextTaskInfo::TranscriptionFailure,
    NetworkBroken = NxSpeechToTextTaskInfo::NetworkBroken,
};

enum class NxTextToSpeechState {
    Waiting = NxTextToSpeechTaskInfo::Waiting,
    Scanning = NxTextToSpeechTaskInfo::Scanning,
    ScanFailed = NxTextToSpeechTaskInfo::ScanFailed,
    Uploading = NxTextToSpeechTaskInfo::Uploading,
    UploadFailed = NxTextToSpeechTaskInfo::UploadFailed,
    Converting = NxTextToSpeechTaskInfo::Converting,
    ConvertFailed = NxTextToSpeechTaskInfo::ConvertFailed,
    Downloading = NxTextToSpeechTaskInfo::Downloading,
    DownloadFailed = NxTextToSpeechTaskInfo::DownloadFailed,
    Completed = NxTextToSpeechTaskInfo::Completed,
};

enum class NxTextToSpeechFailure {
    UnknownError = NxTextToSpeechTaskInfo::UnknownError,
    NotEnoughCharacters = NxTextToSpeechTaskInfo::NotEnoughCharacters,
    UnrecognizedContent = NxTextToSpeechTaskInfo::UnrecognizedContent,
    TextTooLong = NxTextToSpeechTaskInfo::TextTooLong,
    UploadFailure = NxTextToSpeechTaskInfo::UploadFailure,
    NetworkBroken = NxTextToSpeechTaskInfo::NetworkBroken,
    TranscriptionFailure = NxTextToSpeechTaskInfo::TranscriptionFailure,
    LoginError = NxTextToSpeechTaskInfo::LoginError,
};

// The values are the records' own, so the mapping is a cast kept in one place.
constexpr int reported(NxSpeechToTextState state) { return int(state); }
constexpr int reported(NxSpeechToTextFailure failure) { return int(failure); }
constexpr int reported(NxTextToSpeechState state) { return int(state); }
constexpr int reported(NxTextToSpeechFailure failure) { return int(failure); }
