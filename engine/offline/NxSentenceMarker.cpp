#include "NxSentenceMarker.h"

#include "NxSpeechRecognizer.h"

#include <QFile>
#include <QFileInfo>

#include <sphinxbase/logmath.h>
#include <sphinxbase/ngram_model.h>

#include <algorithm>
#include <mutex>

namespace
{
const char* const SentenceStart = "<s>";
const char* const SentenceEnd = "</s>";

// The recogniser's language model, loaded once for the process. Scoring
// writes to the model's history caches, so one thread scores at a time.
class LanguageModel
{
public:
    static LanguageModel& instance()
    {
        static LanguageModel model;
        return model;
    }

    std::mutex mutex;
    ngram_model_t* model = nullptr;
    logmath_t* logMath = nullptr;

    // ln P(word | history), the history nearest first, empty ones left out.
    double probability(const QByteArray& word, const QByteArray& nearest, const QByteArray& farther) const
    {
        int32 score = 0;
        if (nearest.isEmpty())
            score = ngram_probv(model, word.constData(), nullptr);
        else if (farther.isEmpty())
            score = ngram_probv(model, word.constData(), nearest.constData(), nullptr);
        else
            score = ngram_probv(model, word.constData(), nearest.constData(), farther.constData(), nullptr);
        return logmath_log_to_ln(logMath, score);
    }

private:
    LanguageModel()
    {
        if (!NxSentenceMarker::modelInstalled())
            return;
        const std::unique_lock<std::mutex> library = NxSpeechRecognizer::lockLibrary();
        logMath = logmath_init(1.0001, 0, 0);
        model = ngram_model_read(nullptr, QFile::encodeName(NxSpeechRecognizer::languageModelPath()).constData(),
                                 NGRAM_AUTO, logMath);
    }
    ~LanguageModel()
    {
        if (model)
            ngram_model_free(model); // frees the log tables it took over
        else if (logMath)
            logmath_free(logMath);
    }
};

bool isFirstPerson(const QString& word)
{
    return word == QLatin1String("i") || word.startsWith(QLatin1String("i'"));
}

QString capitalised(QString word)
{
    if (!word.isEmpty())
        word[0] = word[0].toUpper();
    return word;
}
} // namespace

NxSentenceMarker::NxSentenceMarker(const Weights& weights)
    : m_weights(weights)
{
}

bool NxSentenceMarker::modelInstalled()
{
    return QFileInfo(NxSpeechRecognizer::languageModelPath()).isFile();
}

double NxSentenceMarker::endOdds(const QString& previous, const QString& before, const QString& next,
                                 const QString& after)
{
    LanguageModel& lm = LanguageModel::instance();
    if (!lm.model)
        return 0.0;
    const QByteArray p = previous.isEmpty() ? QByteArray(SentenceStart) : previous.toUtf8();
    const QByteArray b = before.toUtf8();
    const QByteArray n = next.toUtf8();
    const QByteArray a = after.toUtf8();
    std::lock_guard<std::mutex> lock(lm.mutex);
    // An end here: "</s>" follows, and the next words open a sentence.
    double end = lm.probability(SentenceEnd, b, p) + lm.probability(n, SentenceStart, {});
    // No end: the next words go on from these.
    double on = lm.probability(n, b, p);
    if (!a.isEmpty()) {
        end += lm.probability(a, n, SentenceStart);
        on += lm.probability(a, n, b);
    }
    return end - on;
}

void NxSentenceMarker::mark(std::vector<NxRecognizedWord>& words) const
{
    if (words.empty())
        return;
    std::vector<size_t> ends;
    size_t start = 0;
    for (size_t i = 0; i + 1 < words.size(); ++i) {
        if (int(i + 1 - start) < m_weights.shortest)
            continue;
        const double pause = std::clamp(words[i + 1].start - words[i].end, 0.0, 1.0);
        const double odds = endOdds(i > start ? words[i - 1].text : QString(), words[i].text, words[i + 1].text,
                                    i + 2 < words.size() ? words[i + 2].text : QString());
        if (m_weights.pause * pause + m_weights.model * odds + m_weights.bias > 0) {
            ends.push_back(i);
            start = i + 1;
        }
    }
    ends.push_back(words.size() - 1);

    start = 0;
    for (size_t end : ends) {
        for (size_t i = start; i <= end; ++i) {
            if (i == start || isFirstPerson(words[i].text))
                words[i].text = capitalised(words[i].text);
        }
        words[end].text += QLatin1Char('.');
        start = end + 1;
    }
}
