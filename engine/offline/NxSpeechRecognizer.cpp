#include "NxSpeechRecognizer.h"

#include "INxBaseLog.h"

#include <QFile>
#include <QFileInfo>

#include <pocketsphinx.h>
#include <sphinxbase/cmn.h>
#include <sphinxbase/err.h>
#include <sphinxbase/fe.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <mutex>
#include <type_traits>

namespace
{
// Loading goes through the library's process-wide log and configuration
// parsing, which are not made for concurrent use.
std::mutex& libraryMutex()
{
    static std::mutex mutex;
    return mutex;
}

// The library logs each utterance at length; only its warnings and errors
// reach the host's log.
void forwardLibraryLog(void*, err_lvl_t level, const char* format, ...)
{
    if (level < ERR_WARN)
        return;
    char text[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    if (level == ERR_WARN)
        NX_LOG_INFO("pocketsphinx: %s", text);
    else
        NX_LOG_ERROR("pocketsphinx: %s", text);
}

// Fillers the models mark as such: sentence bounds, silence, noise.
bool isFiller(const char* word)
{
    return !word || word[0] == '<' || word[0] == '[' || word[0] == '+';
}

QString spelling(const char* word)
{
    // Alternative pronunciations come as "word(2)".
    QString text = QString::fromUtf8(word);
    const int bracket = text.indexOf(QLatin1Char('('));
    return bracket > 0 ? text.left(bracket) : text;
}

constexpr int64_t ChunkSamples = 4096;
constexpr int CepstrumBlock = 256; // frames

// Search settings where the installed defaults are not the best trade.
// The language model's weight in the first (tree), second (flat) and last
// (best path) pass: the defaults (6.5, 8.5, 9.5) trust the language model
// more than read speech bears out. Tuned on synthetic speech of ordinary prose
// and checked on read audiobook sentences; with each utterance's own cepstral
// mean they leave about a fifth fewer word errors there than the defaults.
// The search then costs more; two Gaussians per senone instead of four, at
// most 5000 active models and 10 word exits per frame, and a narrower word
// beam bring it below the defaults' cost without giving any of that back.
const char* const TreeWeight = "5.5";
const char* const FlatWeight = "6.5";
const char* const BestPathWeight = "8";
const char* const GaussiansPerSenone = "2";
const char* const MostActiveModels = "5000";
const char* const MostWordExits = "10";
const char* const WordBeam = "1e-25";

static_assert(std::is_same_v<mfcc_t, float>, "the library is built for floating-point features");
} // namespace

NxSpeechRecognizer::NxSpeechRecognizer() = default;

std::unique_lock<std::mutex> NxSpeechRecognizer::lockLibrary()
{
    static std::once_flag logRedirected;
    std::call_once(logRedirected, [] {
        // The configuration table goes straight to the log stream, not
        // through the callback; without a stream it is not printed.
        err_set_logfp(nullptr);
        err_set_callback(forwardLibraryLog, nullptr);
    });
    return std::unique_lock<std::mutex>(libraryMutex());
}

NxSpeechRecognizer::~NxSpeechRecognizer()
{
    std::lock_guard<std::mutex> lock(libraryMutex());
    if (m_decoder)
        ps_free(m_decoder);
    if (m_config)
        cmd_ln_free_r(m_config);
}

QString NxSpeechRecognizer::acousticModelPath()
{
    return QStringLiteral(NXENGINE_POCKETSPHINX_MODEL_DIR "/en-us/en-us");
}

QString NxSpeechRecognizer::languageModelPath()
{
    return QStringLiteral(NXENGINE_POCKETSPHINX_MODEL_DIR "/en-us/en-us.lm.bin");
}

QString NxSpeechRecognizer::dictionaryPath()
{
    return QStringLiteral(NXENGINE_POCKETSPHINX_MODEL_DIR "/en-us/cmudict-en-us.dict");
}

bool NxSpeechRecognizer::modelInstalled()
{
    // The library ends the process on some missing model files instead of
    // failing, so every file it opens is checked first.
    const QString acoustic = acousticModelPath() + QLatin1Char('/');
    for (const char* name : {"mdef", "means", "variances", "transition_matrices", "noisedict", "feat.params"}) {
        if (!QFileInfo(acoustic + QLatin1String(name)).isFile())
            return false;
    }
    return QFileInfo(languageModelPath()).isFile() && QFileInfo(dictionaryPath()).isFile();
}

bool NxSpeechRecognizer::isLoaded() const { return m_decoder != nullptr; }
QString NxSpeechRecognizer::errorText() const { return m_errorText; }

bool NxSpeechRecognizer::load()
{
    if (m_decoder)
        return true;
    if (!modelInstalled()) {
        m_errorText = QStringLiteral("the English models are not installed under %1")
                          .arg(QStringLiteral(NXENGINE_POCKETSPHINX_MODEL_DIR));
        return false;
    }
    const std::unique_lock<std::mutex> lock = lockLibrary();
    const QByteArray acoustic = QFile::encodeName(acousticModelPath());
    const QByteArray language = QFile::encodeName(languageModelPath());
    const QByteArray dictionary = QFile::encodeName(dictionaryPath());
    m_config = cmd_ln_init(nullptr, ps_args(), TRUE, "-hmm", acoustic.constData(), "-lm", language.constData(),
                           "-dict", dictionary.constData(), "-remove_silence", "no", "-lw", TreeWeight,
                           "-fwdflatlw", FlatWeight, "-bestpathlw", BestPathWeight, "-topn", GaussiansPerSenone,
                           "-maxhmmpf", MostActiveModels, "-maxwpf", MostWordExits, "-wbeam", WordBeam, nullptr);
    if (!m_config) {
        m_errorText = QStringLiteral("the recogniser rejected its configuration");
        return false;
    }
    m_decoder = ps_init(m_config);
    if (!m_decoder) {
        cmd_ln_free_r(m_config);
        m_config = nullptr;
        m_errorText = QStringLiteral("the recogniser could not load its models");
        return false;
    }
    m_frameRate = cmd_ln_int32_r(m_config, "-frate");
    if (m_frameRate <= 0)
        m_frameRate = 100;
    if (const cmn_t* cmn = ps_get_feat(m_decoder)->cmn_struct)
        m_loadedMean.assign(cmn->cmn_mean, cmn->cmn_mean + cmn->veclen);
    const int width = fe_get_output_size(ps_get_fe(m_decoder));
    m_cepstra.assign(size_t(CepstrumBlock) * size_t(width), 0.0f);
    m_cepstrumRows.resize(CepstrumBlock);
    for (int i = 0; i < CepstrumBlock; ++i)
        m_cepstrumRows[size_t(i)] = m_cepstra.data() + std::ptrdiff_t(i) * width;
    return true;
}

void NxSpeechRecognizer::normaliseTo(const int16_t* samples, int64_t count)
{
    cmn_t* cmn = ps_get_feat(m_decoder)->cmn_struct;
    if (!cmn)
        return;
    // The decoder's own front end, between utterances, from a fresh stream:
    // its noise tracking starts anew with each stream.
    fe_t* frontEnd = ps_get_fe(m_decoder);
    const int width = std::min(cmn->veclen, fe_get_output_size(frontEnd));
    std::vector<double> sum(size_t(cmn->veclen), 0.0);
    int64_t frames = 0;
    const auto add = [&](int32 produced) {
        for (int32 f = 0; f < produced; ++f) {
            const float* frame = m_cepstrumRows[size_t(f)];
            if (frame[0] < 0) // frames without energy stay out of the mean, as in the decoder
                continue;
            for (int i = 0; i < width; ++i)
                sum[size_t(i)] += frame[i];
            ++frames;
        }
    };
    fe_start_stream(frontEnd);
    fe_start_utt(frontEnd);
    const int16* next = samples;
    size_t left = size_t(count);
    while (left > 0) {
        int32 produced = CepstrumBlock;
        if (fe_process_frames(frontEnd, &next, &left, m_cepstrumRows.data(), &produced, nullptr) < 0 || produced == 0)
            break;
        add(produced);
    }
    int32 last = 0;
    fe_end_utt(frontEnd, m_cepstrumRows[0], &last);
    add(last);

    std::vector<mfcc_t> mean(m_loadedMean.begin(), m_loadedMean.end());
    if (frames > 0 && mean.size() == sum.size()) {
        for (size_t i = 0; i < mean.size(); ++i)
            mean[i] = mfcc_t(sum[i] / double(frames));
    }
    if (mean.size() == size_t(cmn->veclen))
        cmn_live_set(cmn, mean.data());
}

NxSpeechRecognizer::Status NxSpeechRecognizer::recognize(const int16_t* samples, int64_t count, double offset,
                                                         const std::atomic<bool>& stop,
                                                         std::vector<NxRecognizedWord>& words,
                                                         const Progress& progress)
{
    if (!load())
        return Status::Failed;
    normaliseTo(samples, count);
    // Word times count from the start of the stream; a stream per utterance
    // makes them count from its first sample.
    if (ps_start_stream(m_decoder) < 0 || ps_start_utt(m_decoder) < 0) {
        m_errorText = QStringLiteral("the recogniser could not start an utterance");
        return Status::Failed;
    }
    for (int64_t done = 0; done < count;) {
        if (stop.load(std::memory_order_relaxed)) {
            ps_end_utt(m_decoder);
            m_errorText = QStringLiteral("stopped");
            return Status::Stopped;
        }
        const int64_t size = std::min(ChunkSamples, count - done);
        if (ps_process_raw(m_decoder, samples + done, size_t(size), FALSE, FALSE) < 0) {
            ps_end_utt(m_decoder);
            m_errorText = QStringLiteral("the recogniser failed on its input");
            return Status::Failed;
        }
        done += size;
        if (progress)
            progress(done);
    }
    if (ps_end_utt(m_decoder) < 0) {
        m_errorText = QStringLiteral("the recogniser could not finish an utterance");
        return Status::Failed;
    }
    for (ps_seg_t* segment = ps_seg_iter(m_decoder); segment; segment = ps_seg_next(segment)) {
        const char* word = ps_seg_word(segment);
        if (isFiller(word))
            continue;
        int first = 0;
        int last = 0;
        ps_seg_frames(segment, &first, &last);
        words.push_back({spelling(word), offset + double(first) / m_frameRate, offset + double(last + 1) / m_frameRate});
    }
    return Status::Ok;
}
