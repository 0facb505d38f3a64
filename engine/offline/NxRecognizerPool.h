#pragma once

#include "NxRecognizedWord.h"
#include "NxSpeechRecognizer.h"
#include "NxSpeechSegmenter.h"

#include <QString>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// Recognisers on threads of their own, one each, loaded with their first
// utterance and kept for the next: the utterances of one long track are heard
// on every core at once, and the tasks of a task queue share them.
//
// A caller hands over a track's utterances and waits; the pool's threads never
// wait for a caller, so callers on every worker of a task queue at once only
// share the recognisers, taking turns utterance by utterance. Utterances are
// independent (each starts from its own cepstral mean), so which recogniser
// hears which, and in what order, changes nothing in the words.
class NxRecognizerPool
{
public:
    using Status = NxSpeechRecognizer::Status;
    // On the calling thread: the samples fed so far of each utterance.
    using Progress = std::function<void(const std::vector<int64_t>& fed)>;

    // Threads start with the first call.
    explicit NxRecognizerPool(int recognizers);
    // Joins the threads; no call may still be waiting.
    ~NxRecognizerPool();
    NxRecognizerPool(const NxRecognizerPool&) = delete;
    NxRecognizerPool& operator=(const NxRecognizerPool&) = delete;

    // One per core, within what a machine's memory holds comfortably.
    static int recognizersForThisMachine();

    // Recognises the utterances of a 16 kHz mono track and appends their words
    // in track order. Returns once every utterance has ended: recognised,
    // stopped, or left out after another failed (why: `errorText`).
    Status recognize(const int16_t* track, const std::vector<NxSpeechSegment>& utterances,
                     const std::atomic<bool>& stop, std::vector<NxRecognizedWord>& words, QString& errorText,
                     const Progress& progress = {});

private:
    struct Call;

    void work();
    // Hears utterance `first` of the call, or passes over [first, last).
    void hear(NxSpeechRecognizer& recognizer, Call& call, size_t first, size_t last);

    const int m_recognizerCount;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<Call*> m_calls; // those with utterances yet to hand out, in turn
    std::vector<std::thread> m_threads;
    bool m_shuttingDown = false;
};
