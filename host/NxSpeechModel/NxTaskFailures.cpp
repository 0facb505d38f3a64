#include "NxTaskFailures.h"

#include <QObject>

#include <iterator>

namespace
{

// Indexed by the manager's error code.
const char* const SpeechToTextMessages[] = {
    QT_TRANSLATE_NOOP("QObject", "Unknow error"),
    QT_TRANSLATE_NOOP("QObject", "Not enough hours left"),
    QT_TRANSLATE_NOOP("QObject", "Transcode failure"),
    QT_TRANSLATE_NOOP("QObject", "Only 1 hour file can be transcribed in a single task."),
    QT_TRANSLATE_NOOP("QObject", "Unrecognized file content."),
    QT_TRANSLATE_NOOP("QObject", "Upload failure"),
    QT_TRANSLATE_NOOP("QObject", "Login error"),
    QT_TRANSLATE_NOOP("QObject", "Transcription  failure"),
    QT_TRANSLATE_NOOP("QObject", "Network connection is broken"),
};

const char* const TextToSpeechMessages[] = {
    QT_TRANSLATE_NOOP("QObject", "Unknow error"),
    QT_TRANSLATE_NOOP("QObject", "Not enough characters left"),
    QT_TRANSLATE_NOOP("QObject", "Unrecognized file content."),
    QT_TRANSLATE_NOOP("QObject", "Only 1500 characters can be transcribed in a single task."),
    QT_TRANSLATE_NOOP("QObject", "Upload failure"),
    QT_TRANSLATE_NOOP("QObject", "Network connection is broken"),
    QT_TRANSLATE_NOOP("QObject", "Transcription  failure"),
    QT_TRANSLATE_NOOP("QObject", "Login error"),
};

template <std::size_t Size>
NxTaskFailures::Words wordsOf(const char* const (&messages)[Size], int code)
{
    if (code >= 0 && code < int(Size))
        return {messages[code], QString()};
    return {messages[0], QString::number(code)};
}

} // namespace

namespace NxTaskFailures
{

QString Words::text() const
{
    return QObject::tr(message) + detail;
}

Words ofSpeechToText(int code)
{
    return wordsOf(SpeechToTextMessages, code);
}

Words ofTextToSpeech(int code)
{
    return wordsOf(TextToSpeechMessages, code);
}

bool failsSpeechToText(const NxSpeechToTextTaskInfo& info)
{
    using Info = NxSpeechToTextTaskInfo;
    return info.state == Info::ScanFailed || info.state == Info::TranscodeFailed || info.state == Info::UploadFailed
           || info.state == Info::TranscribeFailed;
}

bool failsTextToSpeechScan(int code)
{
    using Info = NxTextToSpeechTaskInfo;
    return code == Info::UnrecognizedContent || code == Info::TextTooLong || code == Info::NetworkBroken;
}

bool failsTextToSpeech(const NxTextToSpeechTaskInfo& info)
{
    using Info = NxTextToSpeechTaskInfo;
    return failsTextToSpeechScan(info.code) || info.state == Info::ScanFailed || info.state == Info::UploadFailed
           || info.state == Info::ConvertFailed || info.state == Info::DownloadFailed;
}

} // namespace NxTaskFailures
