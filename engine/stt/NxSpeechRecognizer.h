#pragma once

#include "NxRecognizedWord.h"

#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

struct ps_decoder_s;
struct cmd_ln_s;

// One pocketsphinx decoder with the installed US English models. Each worker
// owns one: a decoder is used by one thread at a time, and the library's
// process-wide parts (its log, model loading) are guarded here.
class NxSpeechRecognizer
{
public:
    enum class Status { Ok, Stopped, Failed };

    // Called with the samples of the current utterance fed so far.
    using Progress = std::function<void(int64_t samples)>;

    // Cheap: the models load on the first load() or recognize().
    NxSpeechRecognizer();
    ~NxSpeechRecognizer();
    NxSpeechRecognizer(const NxSpeechRecognizer&) = delete;
    NxSpeechRecognizer& operator=(const NxSpeechRecognizer&) = delete;

    static QString acousticModelPath();
    static QString languageModelPath();
    static QString dictionaryPath();
    // True when every model file is in place.
    static bool modelInstalled();

    bool isLoaded() const;
    bool load();

    // Recognises one utterance of 16 kHz mono samples; the words' times are
    // seconds from its first sample plus `offset`.
    Status recognize(const int16_t* samples, int64_t count, double offset, const std::atomic<bool>& stop,
                     std::vector<NxRecognizedWord>& words, const Progress& progress = {});

    // Forgets what earlier audio taught the decoder: the cepstral mean it
    // keeps adapting to the voice and microphone goes back to the models'
    // own, so audio is heard the same whatever this decoder heard before.
    void reset();

    QString errorText() const;

private:
    ps_decoder_s* m_decoder = nullptr;
    cmd_ln_s* m_config = nullptr;
    int m_frameRate = 100;
    // The cepstral mean's running sums as loaded, before any audio.
    std::vector<float> m_loadedMean;
    std::vector<float> m_loadedSum;
    int m_loadedFrames = 0;
    QString m_errorText;
};
