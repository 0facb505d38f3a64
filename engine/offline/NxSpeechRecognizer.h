#pragma once

#include "NxRecognizedWord.h"

#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

struct ps_decoder_s;
struct cmd_ln_s;

// One pocketsphinx decoder with the installed US English models. Each worker
// owns one: a decoder is used by one thread at a time, and the library's
// process-wide parts (its log, model loading) are guarded here.
//
// Each utterance is heard on its own: the decoder starts it from that
// utterance's own cepstral mean, never from what earlier audio taught it, so
// the same audio gives the same words whichever decoder hears it and after
// whatever else.
class NxSpeechRecognizer
{
public:
    enum class Status { Ok, Stopped, Failed };

    static constexpr int SampleRate = 16000;

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

    // For loading anything through the library: its log and configuration
    // parsing are process-wide, and its log goes to the host's.
    static std::unique_lock<std::mutex> lockLibrary();

    bool isLoaded() const;
    bool load();

    // Recognises one utterance of 16 kHz mono samples; the words' times are
    // seconds from its first sample plus `offset`.
    Status recognize(const int16_t* samples, int64_t count, double offset, const std::atomic<bool>& stop,
                     std::vector<NxRecognizedWord>& words, const Progress& progress = {});

    QString errorText() const;

private:
    // Sets the decoder's cepstral mean to the mean of the utterance's frames.
    void normaliseTo(const int16_t* samples, int64_t count);

    ps_decoder_s* m_decoder = nullptr;
    cmd_ln_s* m_config = nullptr;
    int m_frameRate = 100;
    std::vector<float> m_loadedMean; // for audio too short for a mean of its own
    std::vector<float> m_cepstra;    // a block of frames for normaliseTo()
    std::vector<float*> m_cepstrumRows;
    QString m_errorText;
};
