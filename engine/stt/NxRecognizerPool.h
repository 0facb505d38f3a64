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
// share the recognisers, each utterance in turn. Utterances are independent
// (each starts from its own cepstral mean), so which recogniser hears which,
// and in what order, changes nothing in the words.
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
    struct Turn
    {
        Call* call = nullptr;
        size_t utterance = 0;
    };

    void work();
    void hear(NxSpeechRecognizer& recognizer, const Turn& turn);

    const int m_recognizerCount;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<Turn> m_turns;
    std::vector<std::thread> m_threads;
    bool m_shuttingDown = false;
};
