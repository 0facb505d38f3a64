#pragma once

#include "NxMediaSpan.h"
#include "NxTaskStates.h"
#include "NxSubtitleCue.h"

#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

class NxTranscriber;

// One run of a speech-to-text task, on the calling thread: scans its media,
// decodes and mixes their audio onto one 16 kHz track, has the engine's
// transcriber hear it and groups the words into cues.
class NxSpeechToTextJob
{
public:
    // No task covers more than an hour: the track is held in memory whole.
    static constexpr double LongestTrack = 3600.0;

    struct Outcome
    {
        bool stopped = false;
        NxSpeechToTextState state = NxSpeechToTextState::None;
        NxSpeechToTextFailure code = NxSpeechToTextFailure::UnknownError;
        QString reason;
        std::vector<NxSubtitleCue> cues;
        int seconds = 0; // the track's length, rounded up
    };

    // A stage's progress: state, percent, seconds of media processed so far.
    using Report = std::function<void(NxSpeechToTextState state, int percent, int seconds)>;
    // Asked once, before recognition, whether the task's seconds fit the
    // allowance.
    using Admit = std::function<bool(int seconds)>;

    // What an engine supplies to a queue (NxSpeechToTextQueueManager), as
    // NxTextToSpeechJob::Engine does for text to speech.
    struct Engine
    {
        // Runs a job on a worker thread: NxSpeechToTextJob::run with the
        // engine's NxTranscriber, or the engine's own stages.
        std::function<Outcome(NxSpeechToTextJob& job, const std::atomic<bool>& stop, const Report& report,
                              const Admit& admit)>
            transcribe;
        // Whether the usage allowance pays for the seconds heard.
        bool charged = true;
    };

    // On a timeline a clip without sound (a silent video) is skipped; of a
    // material or a clip the sound is the whole point.
    NxSpeechToTextJob(std::vector<NxMediaSpan> spans, QString language, bool skipSilentMedia);

    // English is the one language with installed models.
    static bool isEnglish(const QString& language);
    // The language's English name ("German" for de-DE), else the code as given.
    static QString languageName(const QString& language);
    // Why a task in `language` cannot run on this computer, for the user.
    static QString noModelFor(const QString& language);

    const QString& language() const { return m_language; }

    Outcome run(NxTranscriber& transcriber, const std::atomic<bool>& stop, const Report& report,
                const Admit& admit);

    // The scanning and transcoding stages alone, for an engine that hears the
    // track elsewhere: the task's media decoded and mixed onto one 16 kHz
    // mono track. The outcome is pending() when the track is ready.
    Outcome readTrack(const std::atomic<bool>& stop, const Report& report, std::vector<int16_t>& track);
    static bool pending(const Outcome& outcome);
    // The outcome of a task that failed, or that was stopped, at any stage.
    static Outcome failed(NxSpeechToTextState state, NxSpeechToTextFailure code, const QString& reason);
    static Outcome stopped();

private:
    struct Piece
    {
        NxMediaSpan span;
        double length = 0.0;
    };

    Outcome scan(const std::atomic<bool>& stop, std::vector<Piece>& pieces);
    Outcome decode(const std::atomic<bool>& stop, const std::vector<Piece>& pieces, std::vector<int16_t>& track);
    Outcome transcribe(NxTranscriber& transcriber, const std::atomic<bool>& stop,
                       const std::vector<int16_t>& track, const Admit& admit);
    void progress(NxSpeechToTextState state, double fraction, double seconds);

    std::vector<NxMediaSpan> m_spans;
    QString m_language;
    bool m_skipSilentMedia;
    Report m_report;
    NxSpeechToTextState m_lastState = NxSpeechToTextState::None;
    int m_lastPercent = -1;
};
