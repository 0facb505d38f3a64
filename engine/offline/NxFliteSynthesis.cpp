#include "NxFliteSynthesis.h"

#include "NxSpeechSynthesizer.h"

extern "C" {
#include <flite/cst_audio.h>
#include <flite/cst_cg.h>
#include <flite/flite.h>
#include <libavutil/channel_layout.h>
#include <libavutil/mathematics.h>
#include <libswresample/swresample.h>

// Each voice library exports its registration and nothing else.
cst_voice* register_cmu_us_slt(const char* voxdir);
cst_voice* register_cmu_us_rms(const char* voxdir);
cst_voice* register_cmu_us_awb(const char* voxdir);
cst_voice* register_cmu_us_kal16(const char* voxdir);
}

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <mutex>

namespace
{
// Voices differ widely in level (kal16 speaks at a third of slt's); all
// are brought to espeak-ng's loudness, without clipping. Text with nothing
// to say (punctuation, symbols, other scripts) leaves a pause whose noise
// peaks near 150, against 7000 and more for any spoken word.
constexpr double TargetLevel = 3000; // RMS
constexpr double PeakLimit = 30000;
constexpr int AudiblePeak = 1000;

struct Registered
{
    cst_voice* voice = nullptr;
    // The voice's own fundamental: mean and spread in Hz.
    float f0Mean = 0;
    float f0Stddev = 0;
    // A copy of the voice's model with its accent model turned off; kept
    // for as long as the voice.
    std::unique_ptr<cst_cg_db> ownModel;
};

struct Registration
{
    const char* name;
    cst_voice* (*reg)(const char*);
};
const Registration Registrations[] = {
    {"slt", register_cmu_us_slt},
    {"rms", register_cmu_us_rms},
    {"awb", register_cmu_us_awb},
    {"kal16", register_cmu_us_kal16},
};

std::mutex& registrationMutex()
{
    static std::mutex mutex;
    return mutex;
}

// Guarded by registrationMutex(); entries are never removed, so what it
// hands out stays valid and, written before the lock was released, is read
// without it.
std::map<QByteArray, Registered>& registeredVoices()
{
    static std::map<QByteArray, Registered> voices;
    return voices;
}

void registerVoice(Registered& entry, cst_voice* voice)
{
    entry.voice = voice;
    const cst_features* features = voice->features;
    if (feat_present(features, "cg_db")) {
        const cst_cg_db* model = val_cg_db(feat_val(features, "cg_db"));
        entry.f0Mean = model->f0_mean;
        entry.f0Stddev = model->f0_stddev;
        // A clustergen voice with an accent model (rms) draws its melody
        // from it and ignores the pitch asked for; its F0 trees honour it.
        if (model->spamf0) {
            entry.ownModel = std::make_unique<cst_cg_db>(*model);
            entry.ownModel->spamf0 = 0;
            entry.ownModel->freeable = 0; // its tables are the voice's
            feat_set(voice->features, "cg_db", cg_db_val(entry.ownModel.get()));
        }
    } else {
        entry.f0Mean = get_param_float(features, "int_f0_target_mean", 100);
        entry.f0Stddev = get_param_float(features, "int_f0_target_stddev", 12);
    }
}

const Registered* registered(const QByteArray& name)
{
    std::lock_guard<std::mutex> lock(registrationMutex());
    std::map<QByteArray, Registered>& voices = registeredVoices();
    if (const auto found = voices.find(name); found != voices.end())
        return &found->second;
    for (const Registration& registration : Registrations) {
        if (name != registration.name)
            continue;
        if (voices.empty())
            flite_init();
        cst_voice* voice = registration.reg(nullptr);
        if (!voice)
            return nullptr;
        Registered& entry = voices[name];
        registerVoice(entry, voice);
        return &entry;
    }
    return nullptr;
}

struct UtteranceDeleter
{
    void operator()(cst_utterance* utterance) const { delete_utterance(utterance); }
};
struct ResamplerDeleter
{
    void operator()(SwrContext* context) const { swr_free(&context); }
};

// Flite speaks at 16 kHz; libswresample brings that to the product rate
// (Flite's own converter copies between overlapping buffers).
bool resample(const cst_wave& wave, int sampleRate, QVector<qint16>* samples)
{
    if (wave.sample_rate == sampleRate) {
        samples->resize(wave.num_samples);
        std::copy(wave.samples, wave.samples + wave.num_samples, samples->begin());
        return true;
    }
    SwrContext* context = nullptr;
    AVChannelLayout mono = AV_CHANNEL_LAYOUT_MONO;
    if (swr_alloc_set_opts2(&context, &mono, AV_SAMPLE_FMT_S16, sampleRate, &mono, AV_SAMPLE_FMT_S16,
                            wave.sample_rate, 0, nullptr) < 0)
        return false;
    const std::unique_ptr<SwrContext, ResamplerDeleter> resampler(context);
    if (swr_init(context) < 0)
        return false;
    // Room for the converted samples and the filter's tail, which the flush delivers.
    constexpr int TailRoom = 256;
    const int capacity = int(av_rescale_rnd(wave.num_samples, sampleRate, wave.sample_rate, AV_ROUND_UP)) + TailRoom;
    samples->resize(capacity);
    auto* out = reinterpret_cast<uint8_t*>(samples->data());
    const auto* in = reinterpret_cast<const uint8_t*>(wave.samples);
    const int converted = swr_convert(context, &out, capacity, &in, wave.num_samples);
    if (converted < 0)
        return false;
    out += converted * int(sizeof(qint16));
    const int flushed = swr_convert(context, &out, capacity - converted, nullptr, 0);
    if (flushed < 0)
        return false;
    samples->resize(converted + flushed);
    return true;
}

// Flite hands over the audio as it is made; a non-zero answer stops it.
int checkCancel(const cst_wave*, int, int, int, cst_audio_streaming_info* info)
{
    const auto* cancel = static_cast<const std::atomic<bool>*>(info->userdata);
    return cancel->load() ? CST_AUDIO_STREAM_STOP : CST_AUDIO_STREAM_CONT;
}

// False when nothing in the samples is audible.
bool setLevel(QVector<qint16>* samples)
{
    double sum = 0;
    int peak = 0;
    for (const qint16 sample : qAsConst(*samples)) {
        sum += double(sample) * sample;
        peak = qMax(peak, qAbs(int(sample)));
    }
    if (peak < AudiblePeak)
        return false;
    const double gain = qMin(TargetLevel / std::sqrt(sum / samples->size()), PeakLimit / peak);
    for (qint16& sample : *samples)
        sample = qint16(qRound(sample * gain));
    return true;
}

bool fail(QString* error, const QString& reason)
{
    if (error)
        *error = reason;
    return false;
}
} // namespace

bool NxFliteSynthesis::synthesize(const NxSynthesisVoice& voice, double rate, double pitchFactor,
                                  const QString& text, int sampleRate, QVector<qint16>* samples,
                                  const std::atomic<bool>* cancel, QString* error)
{
    samples->clear();
    const Registered* registration = registered(voice.name);
    if (!registration)
        return fail(error, QStringLiteral("Flite has no voice \"%1\"").arg(QString::fromLatin1(voice.name)));

    const std::unique_ptr<cst_utterance, UtteranceDeleter> utterance(new_utterance());
    utt_set_input_text(utterance.get(), text.toUtf8().constData());
    utt_init(utterance.get(), registration->voice);
    // On the utterance, which looks through to the voice for the rest.
    cst_features* features = utterance->features;
    const double mean = voice.pitch > 0 ? voice.pitch : registration->f0Mean;
    // Moving the whole melody keeps its spread in proportion.
    const double spread = registration->f0Stddev * mean / registration->f0Mean * voice.liveliness;
    feat_set_float(features, "int_f0_target_mean", float(mean * pitchFactor));
    feat_set_float(features, "int_f0_target_stddev", float(spread * pitchFactor));
    feat_set_float(features, "duration_stretch", float(voice.durationStretch / rate));
    if (cancel) {
        cst_audio_streaming_info* streaming = new_audio_streaming_info();
        streaming->asc = checkCancel;
        streaming->userdata = const_cast<std::atomic<bool>*>(cancel);
        feat_set(features, "streaming_info", audio_streaming_info_val(streaming)); // the utterance frees it
    }

    const bool synthesised = utt_synth(utterance.get()) != nullptr;
    if (cancel && cancel->load())
        return fail(error, QStringLiteral("cancelled"));
    const cst_wave* spoken = synthesised ? utt_wave(utterance.get()) : nullptr;
    if (spoken && spoken->num_samples > 0 && resample(*spoken, sampleRate, samples) && setLevel(samples))
        return true;
    samples->clear();
    return fail(error, QStringLiteral("Flite produced no audio"));
}
