#include "NxRecognizerPool.h"

#include <algorithm>

namespace
{
// Each recogniser holds its own copy of the language model.
constexpr int MostRecognizers = 4;
} // namespace

// One recognize() call, on its caller's stack: the caller waits until no
// utterance of it is left, so a thread never touches a call that has returned.
struct NxRecognizerPool::Call
{
    Call(const int16_t* track, const std::vector<NxSpeechSegment>& utterances, const std::atomic<bool>& stop)
        : track(track)
        , utterances(utterances)
        , stop(stop)
        , fed(utterances.size(), 0)
        , words(utterances.size())
        , left(utterances.size())
    {
    }

    const int16_t* const track;
    const std::vector<NxSpeechSegment>& utterances;
    const std::atomic<bool>& stop;
    size_t next = 0; // the next utterance to hand out; under the pool's lock

    // Guards what follows; the caller sleeps on `changed`.
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<int64_t> fed;
    std::vector<std::vector<NxRecognizedWord>> words;
    size_t left;
    bool progressed = false;
    Status status = Status::Ok;
    QString errorText;
};

NxRecognizerPool::NxRecognizerPool(int recognizers)
    : m_recognizerCount(std::max(1, recognizers))
{
}

NxRecognizerPool::~NxRecognizerPool()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_shuttingDown = true;
    }
    m_wake.notify_all();
    for (std::thread& thread : m_threads)
        thread.join();
}

int NxRecognizerPool::recognizersForThisMachine()
{
    return std::clamp(int(std::thread::hardware_concurrency()), 1, MostRecognizers);
}

NxRecognizerPool::Status NxRecognizerPool::recognize(const int16_t* track,
                                                     const std::vector<NxSpeechSegment>& utterances,
                                                     const std::atomic<bool>& stop,
                                                     std::vector<NxRecognizedWord>& words, QString& errorText,
                                                     const Progress& progress)
{
    if (utterances.empty())
        return Status::Ok;
    Call call(track, utterances, stop);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_calls.push_back(&call);
        while (int(m_threads.size()) < m_recognizerCount)
            m_threads.emplace_back([this] { work(); });
    }
    m_wake.notify_all();

    std::unique_lock<std::mutex> lock(call.mutex);
    for (;;) {
        call.changed.wait(lock, [&call] { return call.left == 0 || call.progressed; });
        if (call.left == 0)
            break;
        call.progressed = false;
        if (progress) {
            const std::vector<int64_t> fed = call.fed;
            lock.unlock();
            progress(fed);
            lock.lock();
        }
    }
    if (call.status == Status::Ok) {
        for (std::vector<NxRecognizedWord>& heard : call.words)
            words.insert(words.end(), std::make_move_iterator(heard.begin()), std::make_move_iterator(heard.end()));
        if (progress)
            progress(call.fed);
    }
    errorText = call.errorText;
    return call.status;
}

void NxRecognizerPool::work()
{
    // Loads its models with its first utterance.
    NxSpeechRecognizer recognizer;
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_shuttingDown || !m_calls.empty(); });
        if (m_shuttingDown)
            return;
        // Calls take turns, one utterance each, so that every task waiting
        // moves on; a stopped call's utterances are all passed over at once.
        Call* call = m_calls.front();
        m_calls.pop_front();
        const size_t first = call->next;
        call->next = call->stop ? call->utterances.size() : first + 1;
        if (call->next < call->utterances.size())
            m_calls.push_back(call);
        const size_t last = call->next;
        lock.unlock();
        hear(recognizer, *call, first, last);
        lock.lock();
    }
}

void NxRecognizerPool::hear(NxSpeechRecognizer& recognizer, Call& call, size_t first, size_t last)
{
    bool skip = last - first > 1 || call.stop.load(std::memory_order_relaxed);
    if (!skip) {
        std::lock_guard<std::mutex> lock(call.mutex);
        skip = call.status != Status::Ok;
    }
    Status status = Status::Stopped;
    std::vector<NxRecognizedWord> words;
    if (!skip) {
        const NxSpeechSegment& utterance = call.utterances[first];
        status = recognizer.recognize(call.track + utterance.begin, utterance.end - utterance.begin,
                                      double(utterance.begin) / NxSpeechRecognizer::SampleRate, call.stop, words,
                                      [&call, first](int64_t fed) {
                                          std::lock_guard<std::mutex> lock(call.mutex);
                                          call.fed[first] = fed;
                                          call.progressed = true;
                                          call.changed.notify_all();
                                      });
    }
    // The last touch of the call: once `left` reaches 0 and the lock is
    // released, its caller may return.
    std::lock_guard<std::mutex> lock(call.mutex);
    if (status == Status::Ok) {
        call.words[first] = std::move(words);
    } else if (call.status == Status::Ok) {
        call.status = status;
        call.errorText = skip ? QStringLiteral("stopped") : recognizer.errorText();
    }
    call.left -= last - first;
    call.changed.notify_all();
}
