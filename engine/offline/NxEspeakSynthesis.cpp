#include "NxEspeakSynthesis.h"

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <mutex>

namespace
{
std::mutex& espeakMutex()
{
    static std::mutex mutex;
    return mutex;
}

// Guarded by espeakMutex(); the callback has no other way to find its caller.
struct Collector
{
    QVector<qint16>* samples = nullptr;
    const std::atomic<bool>* cancel = nullptr;
    bool cancelled = false;
};
Collector* activeCollector = nullptr;
enum class InitState { NotTried, Ready, Failed };
InitState initState = InitState::NotTried;

int collect(short* wav, int count, espeak_EVENT*)
{
    Collector* collector = activeCollector;
    if (!collector)
        return 1;
    if (collector->cancel && collector->cancel->load()) {
        collector->cancelled = true;
        return 1; // non-zero stops the synthesis
    }
    if (wav && count > 0) {
        const int start = collector->samples->size();
        collector->samples->resize(start + count);
        std::copy(wav, wav + count, collector->samples->begin() + start);
    }
    return 0;
}

bool ensureInitialised(QString* error)
{
    if (initState == InitState::NotTried) {
        // DONT_EXIT: a missing data folder must fail the task, not end the process.
        const int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
        initState = rate == NxEspeakSynthesis::SampleRate ? InitState::Ready : InitState::Failed;
        if (initState == InitState::Ready)
            espeak_SetSynthCallback(collect);
    }
    if (initState == InitState::Failed && error)
        *error = QStringLiteral("espeak-ng could not be initialised at %1 Hz").arg(NxEspeakSynthesis::SampleRate);
    return initState == InitState::Ready;
}
}

bool NxEspeakSynthesis::synthesize(const QByteArray& voice, int wordsPerMinute, int pitch, const QString& text,
                                   QVector<qint16>* samples, const std::atomic<bool>* cancel, QString* error)
{
    samples->clear();
    std::lock_guard<std::mutex> lock(espeakMutex());
    if (!ensureInitialised(error))
        return false;
    if (espeak_SetVoiceByName(voice.constData()) != EE_OK) {
        if (error)
            *error = QStringLiteral("espeak-ng has no voice \"%1\"").arg(QString::fromLatin1(voice));
        return false;
    }
    // After the voice: selecting a voice may reset them.
    espeak_SetParameter(espeakRATE, wordsPerMinute, 0);
    espeak_SetParameter(espeakPITCH, pitch, 0);

    Collector collector;
    collector.samples = samples;
    collector.cancel = cancel;
    activeCollector = &collector;
    const QByteArray utf8 = text.toUtf8();
    const espeak_ERROR result = espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                                             espeakCHARS_UTF8 | espeakENDPAUSE, nullptr, nullptr);
    espeak_Synchronize();
    activeCollector = nullptr;

    if (collector.cancelled) {
        espeak_Cancel(); // drops what the stopped synthesis left queued
        if (error)
            *error = QStringLiteral("cancelled");
        samples->clear();
        return false;
    }
    if (result != EE_OK || samples->isEmpty()) {
        if (error)
            *error = QStringLiteral("espeak-ng produced no audio (error %1)").arg(int(result));
        samples->clear();
        return false;
    }
    return true;
}
