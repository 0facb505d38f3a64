#include "NxSpeechRecognizer.h"

#include "INxBaseLog.h"

#include <QFile>
#include <QFileInfo>

#include <pocketsphinx.h>
#include <sphinxbase/err.h>

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
        GetGlobalLogInstance()->LogInfo(__FILE__, __func__, __LINE__, "pocketsphinx: %s", text);
    else
        GetGlobalLogInstance()->LogError(__FILE__, __func__, __LINE__, "pocketsphinx: %s", text);
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

static_assert(std::is_same_v<mfcc_t, float>, "the library is built for floating-point features");
} // namespace

NxSpeechRecognizer::NxSpeechRecognizer() = default;

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
    static std::once_flag logRedirected;
    std::call_once(logRedirected, [] {
        // The configuration table goes straight to the log stream, not
        // through the callback; without a stream it is not printed.
        err_set_logfp(nullptr);
        err_set_callback(forwardLibraryLog, nullptr);
    });

    std::lock_guard<std::mutex> lock(libraryMutex());
    const QByteArray acoustic = QFile::encodeName(acousticModelPath());
    const QByteArray language = QFile::encodeName(languageModelPath());
    const QByteArray dictionary = QFile::encodeName(dictionaryPath());
    m_config = cmd_ln_init(nullptr, ps_args(), TRUE, "-hmm", acoustic.constData(), "-lm", language.constData(),
                           "-dict", dictionary.constData(), "-remove_silence", "no", nullptr);
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
    if (const cmn_t* cmn = ps_get_feat(m_decoder)->cmn_struct) {
        m_loadedMean.assign(cmn->cmn_mean, cmn->cmn_mean + cmn->veclen);
        m_loadedSum.assign(cmn->sum, cmn->sum + cmn->veclen);
        m_loadedFrames = cmn->nframe;
    }
    return true;
}

void NxSpeechRecognizer::reset()
{
    cmn_t* cmn = m_decoder ? ps_get_feat(m_decoder)->cmn_struct : nullptr;
    if (!cmn)
        return;
    std::copy(m_loadedMean.begin(), m_loadedMean.end(), cmn->cmn_mean);
    std::copy(m_loadedSum.begin(), m_loadedSum.end(), cmn->sum);
    cmn->nframe = m_loadedFrames;
}

NxSpeechRecognizer::Status NxSpeechRecognizer::recognize(const int16_t* samples, int64_t count, double offset,
                                                         const std::atomic<bool>& stop,
                                                         std::vector<NxRecognizedWord>& words,
                                                         const Progress& progress)
{
    if (!load())
        return Status::Failed;
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
