#pragma once

#include "INxTextToSpeechTaskManager.h"
#include "NxSentenceSpeaker.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

struct NxCatalogueVoice;
struct NxRational;
struct NxSubtitleSentence;

// One text-to-speech task: the sentences read from its clip when it was
// added, and their runs on a worker thread, which have an engine's speaker
// say them into MP3 products in a storage folder and, when the engine says
// so, charge the usage allowance.
//
// A title is one sentence; a subtitle clip is spoken sentence by sentence,
// each delivered as a product, and a retry skips the sentences already
// delivered. A subtitle sentence whose speech would run into the next
// sentence (past its own end, for the last) is spoken faster, up to
// MaxTempo times the chosen speed; one that does not fit even so is kept
// whole, and the log names it with its overrun. The progress counters are
// read from other threads.
class NxTextToSpeechJob
{
public:
    static constexpr int MaxCharacters = 1500;
    static constexpr double MaxTempo = 1.5;

    // How a run reports. `state` carries every state change, `finish` the
    // last one; `between` runs after each subtitle sentence.
    struct Reports
    {
        std::function<void(NxTextToSpeechState state, int progress)> state;
        std::function<void(const NxSrtTaskProductInfo& product)> product;
        // `filePath` is the product of a completed run, `reason` says why a failed one failed.
        std::function<void(NxTextToSpeechState state, NxTextToSpeechFailure code, const QString& filePath,
                           const QString& reason)> finish;
        std::function<void()> remaining;
        std::function<void()> between;
    };

    // What speaks a task's sentences.
    struct Engine
    {
        // A speaker for the task's voice, speed and intonation.
        std::function<std::unique_ptr<NxSentenceSpeaker>(const NxCatalogueVoice& voice, int speed, int intonation)>
            makeSpeaker;
        // Whether the usage allowance pays for what is spoken.
        bool charged = true;
    };

    struct Progress
    {
        int completedCharacters = 0;
        int totalCharacters = 0;
        int completedSentences = 0;
        int failedSentences = 0;
        int totalSentences = 0;
    };

    // Reads the request's clip; the request's voice code picks the voice
    // and its language.
    explicit NxTextToSpeechJob(const NxTextToSpeechTaskRequest& request);
    NxTextToSpeechJob(const NxTextToSpeechJob&) = delete;
    NxTextToSpeechJob& operator=(const NxTextToSpeechJob&) = delete;

    static int countCharacters(const QString& text);
    static void removeProducts(const QStringList& paths);

    int sentenceCount() const;
    int characters() const;
    // The sentences spoken, one a line.
    QString text() const;
    Progress progress() const;

    void run(int id, const QString& storage, const Engine& engine, const std::atomic<bool>& stop,
             const Reports& reports);

    // Readies a finished run for a retry; false when there is nothing to
    // run again (a completed task without failed sentences).
    bool rearm();
    // The files and folders made so far, which the caller now owns.
    QStringList takeProducts();

private:
    struct Sentence
    {
        QString text;
        qint64 start = 0;
        int index = 0;
        int characters = 0;
        // The seconds its speech may last; none for a title.
        std::optional<double> room;
    };

    struct Run
    {
        int id;
        const Engine& engine;
        const std::atomic<bool>& stop;
        const Reports& reports;
    };

    void speakTitle(const Run& run, const QString& storage, const NxSentenceSpeaker& speaker);
    void speakSubtitle(const Run& run, const QString& storage, const NxSentenceSpeaker& speaker);
    // Speaks a sentence into `path` within its room when it can; *overrun is
    // by how many seconds it runs past it even at MaxTempo.
    static NxSentenceSpeaker::Result speakWithin(const Run& run, const NxSentenceSpeaker& speaker,
                                                 const Sentence& sentence, const QString& path, double* overrun);
    void setRooms(const QList<NxSubtitleSentence>& clipSentences, NxRational frameRate);
    // Ends the run with a failure; keeps nothing it made.
    // Logs `reason` and reports it with the failure.
    void finishFailed(const Run& run, NxTextToSpeechState state, NxTextToSpeechFailure code, const QString& reason);
    void finishCompleted(const Run& run, const QString& filePath);
    void finishStopped(const Run& run);

    // Fixed once added.
    bool m_subtitle = false;
    QString m_voice;
    int m_speed = 0;
    int m_intonation = 0;
    QList<Sentence> m_sentences;
    int m_characters = 0;

    // Runs only: sentences already delivered, which a retry skips.
    QVector<bool> m_produced;

    // Guards what follows, which other threads read.
    mutable std::mutex m_mutex;
    bool m_succeeded = false;
    int m_completedSentences = 0;
    int m_failedSentences = 0;
    int m_completedCharacters = 0;
    int m_chargedCharacters = 0; // so that a retry never charges a sentence twice
    QStringList m_products;
};
