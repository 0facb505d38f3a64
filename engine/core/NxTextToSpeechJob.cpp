#include "NxTextToSpeechJob.h"

#include "INxBaseLog.h"
#include "INxClip.h"
#include "INxSubtitleClip.h"
#include "INxTextClip.h"
#include "INxTextTimelineClip.h"
#include "NxSideBySide.h"
#include "NxUsageAllowance.h"
#include "NxVoiceCatalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include <algorithm>
#include <vector>

namespace
{
using State = NxTextToSpeechState;
using Failure = NxTextToSpeechFailure;

// Speech shortens about in proportion to its tempo; a little more covers
// what does not (fixed pauses). The last try is at the limit itself.
constexpr double TempoMargin = 1.02;
constexpr int FittingTries = 3;

QByteArray local(const QString& text)
{
    return text.toLocal8Bit();
}

// Separate text boxes are separate phrases; joined bare, their words would run together.
QString titleText(INxClip* clip)
{
    const auto* title = dynamic_cast<INxTextTimelineClip*>(clip);
    const INxTitleDocument* document = title ? title->titleDocument() : nullptr;
    if (!document)
        return QString();
    QStringList parts;
    for (INxTitleElement* element : document->elements()) {
        if (const auto* text = dynamic_cast<INxTextClip*>(element))
            parts.append(text->text());
    }
    return parts.join(QLatin1Char('\n')).simplified();
}

QString allowanceShort(int characters)
{
    return QCoreApplication::translate("NxTextToSpeechJob",
                                       "The text has %1 characters, more than the allowance left: top up, then retry.")
        .arg(characters);
}
} // namespace

NxTextToSpeechJob::NxTextToSpeechJob(const NxTextToSpeechTaskRequest& request)
    : m_voice(request.voice)
    , m_speed(request.speed)
    , m_intonation(request.intonation)
{
    if (request.clip && request.clip->type() == INxClip::Title) {
        const QString title = titleText(request.clip);
        if (!title.isEmpty())
            m_sentences.append({title, 0, 0, countCharacters(title), {}});
    } else if (const auto* subtitle = request.clip && request.clip->type() == INxClip::Subtitle
                                          ? dynamic_cast<INxSubtitleClip*>(request.clip)
                                          : nullptr) {
        m_subtitle = true;
        const QList<NxSubtitleSentence> clipSentences = subtitle->sentences();
        for (int index = 0; index < clipSentences.size(); ++index) {
            const QString sentence = clipSentences.at(index).text.simplified();
            // An empty sentence has nothing to say; the others keep the clip's numbering.
            if (!sentence.isEmpty())
                m_sentences.append({sentence, clipSentences.at(index).start, index, countCharacters(sentence), {}});
        }
        setRooms(clipSentences, request.clip->frameRate());
    }
    for (const Sentence& sentence : qAsConst(m_sentences))
        m_characters += sentence.characters;
    m_produced.fill(false, m_sentences.size());
}

void NxTextToSpeechJob::setRooms(const QList<NxSubtitleSentence>& clipSentences, NxRational frameRate)
{
    // Without a frame rate the times mean nothing, and nothing is hurried.
    if (!frameRate.isValid())
        return;
    // An empty sentence says nothing and leaves its time to the one before.
    std::vector<qint64> starts;
    for (const Sentence& sentence : qAsConst(m_sentences))
        starts.push_back(sentence.start);
    std::sort(starts.begin(), starts.end());
    for (Sentence& sentence : m_sentences) {
        const auto next = std::upper_bound(starts.begin(), starts.end(), sentence.start);
        const qint64 until = next != starts.end() ? *next : clipSentences.at(sentence.index).end;
        sentence.room = qMax(0.0, frameRate.framesToSecondsF(until - sentence.start));
    }
}

int NxTextToSpeechJob::countCharacters(const QString& text)
{
    const QVector<uint> codePoints = text.toUcs4();
    return int(std::count_if(codePoints.begin(), codePoints.end(), [](uint c) { return !QChar::isSpace(c); }));
}

void NxTextToSpeechJob::removeProducts(const QStringList& paths)
{
    for (const QString& path : paths) {
        if (QFileInfo(path).isDir())
            QDir(path).removeRecursively();
        else
            QFile::remove(path);
    }
}

int NxTextToSpeechJob::sentenceCount() const
{
    return m_sentences.size();
}

int NxTextToSpeechJob::characters() const
{
    return m_characters;
}

QString NxTextToSpeechJob::text() const
{
    QStringList spoken;
    for (const Sentence& sentence : m_sentences)
        spoken.append(sentence.text);
    return spoken.join(QLatin1Char('\n'));
}

NxTextToSpeechJob::Progress NxTextToSpeechJob::progress() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return {m_completedCharacters, m_characters, m_completedSentences, m_failedSentences, m_sentences.size()};
}

bool NxTextToSpeechJob::rearm()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    // A completed subtitle task may retry the sentences that failed.
    if (m_succeeded && m_failedSentences == 0)
        return false;
    m_succeeded = false;
    m_failedSentences = 0;
    return true;
}

QStringList NxTextToSpeechJob::takeProducts()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return std::exchange(m_products, {});
}

void NxTextToSpeechJob::run(int id, const QString& storage, const Engine& engine, const std::atomic<bool>& stop,
                            const Reports& reports)
{
    const Run run{id, engine, stop, reports};
    if (stop) {
        finishStopped(run);
        return;
    }
    reports.state(State::Scanning, 0);
    const NxCatalogueVoice* voice = NxVoiceCatalogue::instance().byCode(m_voice);
    if (!voice) {
        finishFailed(run, State::ScanFailed, Failure::UnrecognizedContent, QCoreApplication::translate("NxTextToSpeechJob", "There is no voice \"%1\" here: choose another voice, then retry.").arg(m_voice));
        return;
    }
    if (!m_subtitle && m_characters > MaxCharacters) {
        finishFailed(run, State::ScanFailed, Failure::TextTooLong,
                     QCoreApplication::translate("NxTextToSpeechJob", "The text has %1 characters; one task speaks at most %2: split it into shorter clips.")
                         .arg(QString::number(m_characters), QString::number(MaxCharacters)));
        return;
    }
    // Checked before the work and charged after it, when it has succeeded.
    int needed = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        needed = m_characters - m_completedCharacters;
    }
    // Characters that could not be deducted would be free: such a task is
    // refused before any work, with an error the purchase tip would not mend.
    if (QString error; engine.charged && !NxUsageAllowance::instance().canChargeCharacters(&error)) {
        finishFailed(run, State::ScanFailed, Failure::UnknownError, error);
        return;
    }
    if (engine.charged && NxUsageAllowance::instance().characters() < needed) {
        finishFailed(run, State::ScanFailed, Failure::NotEnoughCharacters,
                     allowanceShort(needed));
        return;
    }
    reports.state(State::Converting, 0);
    const std::unique_ptr<NxSentenceSpeaker> speaker = engine.makeSpeaker(*voice, m_speed, m_intonation);
    if (m_subtitle)
        speakSubtitle(run, storage, *speaker);
    else
        speakTitle(run, storage, *speaker);
}

void NxTextToSpeechJob::speakTitle(const Run& run, const QString& storage, const NxSentenceSpeaker& speaker)
{
    const QString path = storage + QLatin1Char('/') + QUuid::createUuid().toString(QUuid::Id128)
                         + QStringLiteral(".mp3");
    const NxSentenceSpeaker::Result result =
        speaker.speak(m_sentences.constFirst().text, 1, path, run.stop,
                      [&run](int percent) { run.reports.state(State::Converting, percent); });
    if (run.stop) {
        QFile::remove(path);
        finishStopped(run);
        return;
    }
    if (!result.spoken) {
        finishFailed(run, State::ConvertFailed, result.code, result.error);
        return;
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_products.append(path);
        m_completedSentences = 1;
        m_completedCharacters = m_characters;
    }
    finishCompleted(run, path);
}

void NxTextToSpeechJob::speakSubtitle(const Run& run, const QString& storage, const NxSentenceSpeaker& speaker)
{
    const QString folder = storage + QLatin1Char('/') + QUuid::createUuid().toString(QUuid::Id128);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_products.append(folder);
    }
    const int total = m_sentences.size();
    Failure lastCode = Failure::TranscriptionFailure;
    QString lastError = QCoreApplication::translate("NxTextToSpeechJob", "None of the text could be spoken: check that it is in the voice's language.");
    QStringList overruns;
    const auto pathOf = [&folder](const Sentence& sentence) {
        return folder + QStringLiteral("/%1.mp3").arg(sentence.index + 1);
    };
    QVector<int> unsaid; // by product order
    for (int i = 0; i < total; ++i)
        if (!m_produced.at(i))
            unsaid.append(i);
    struct Spoken
    {
        NxSentenceSpeaker::Result result;
        double overrun = 0;
    };
    int taken = 0;
    {
        // Side by side, each sentence into a file of its own; taken in product order, so that the
        // reports, the products and a failure that ends the run come as from one speaker.
        NxSideBySide<Spoken> speaking(unsaid.size(), speaker.sideBySide(), [&](int item) {
            const Sentence& sentence = m_sentences.at(unsaid.at(item));
            Spoken spoken;
            if (sentence.characters > MaxCharacters) {
                spoken.result.code = Failure::TextTooLong;
                spoken.result.error =
                    QCoreApplication::translate("NxTextToSpeechJob", "Sentence %1 has more than %2 characters: split it.")
                        .arg(QString::number(sentence.index + 1), QString::number(MaxCharacters));
            } else {
                spoken.result = speakWithin(run, speaker, sentence, pathOf(sentence), &spoken.overrun);
            }
            return spoken;
        }, [](const Spoken& spoken) { return !spoken.result.spoken && spoken.result.endsRun; });
        for (; taken < unsaid.size() && !run.stop; ++taken) {
            const int i = unsaid.at(taken);
            const Sentence& sentence = m_sentences.at(i);
            const Spoken spoken = *speaking.take(taken);
            const NxSentenceSpeaker::Result& result = spoken.result;
            if (result.spoken && spoken.overrun > 0)
                overruns.append(QStringLiteral("%1 by %2 s").arg(sentence.index + 1).arg(spoken.overrun, 0, 'f', 2));
            if (run.stop)
                break;
            // A sentence given up unsaid counts as failed, so a retry says it.
            const bool endsRun = !result.spoken && result.endsRun;
            if (endsRun)
                speaking.halt();
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                if (result.spoken) {
                    ++m_completedSentences;
                    m_completedCharacters += sentence.characters;
                    m_produced[i] = true;
                } else {
                    m_failedSentences += endsRun ? int(unsaid.size()) - taken : 1;
                }
            }
            if (result.spoken) {
                NxSrtTaskProductInfo product;
                product.taskId = run.id;
                product.index = sentence.index;
                product.position = sentence.start;
                product.filePath = pathOf(sentence);
                run.reports.product(product);
            } else {
                lastCode = result.code;
                lastError = result.error;
                NX_LOG_ERROR("task %d: %s", run.id, local(result.error).constData());
            }
            run.reports.state(State::Converting, endsRun ? 100 : (i + 1) * 100 / total);
            run.reports.between();
            if (endsRun) {
                ++taken;
                break;
            }
        }
    }
    // Spoken while a failure ended the run: not delivered, so said again by a retry.
    for (int item = taken; item < unsaid.size(); ++item)
        QFile::remove(pathOf(m_sentences.at(unsaid.at(item))));
    // Numbered from 1, as the sentences' files are.
    if (!overruns.isEmpty()) {
        NX_LOG_INFO("task %d: sentences that overrun their time even spoken %.1f times as fast: %s", run.id, MaxTempo,
                    local(overruns.join(QStringLiteral(", "))).constData());
    }
    if (run.stop) {
        finishStopped(run);
        return;
    }
    int completedSentences = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        completedSentences = m_completedSentences;
    }
    if (completedSentences == 0)
        finishFailed(run, State::ConvertFailed, lastCode, lastError);
    else
        finishCompleted(run, folder);
}

NxSentenceSpeaker::Result NxTextToSpeechJob::speakWithin(const Run& run, const NxSentenceSpeaker& speaker,
                                                          const Sentence& sentence, const QString& path,
                                                          double* overrun)
{
    *overrun = 0;
    NxSentenceSpeaker::Result result = speaker.speak(sentence.text, 1, path, run.stop, {});
    if (!result.spoken || !sentence.room)
        return result;
    const double room = *sentence.room;
    double tempo = 1;
    for (int tries = 1; result.spoken && result.seconds > room && tempo < MaxTempo; ++tries) {
        tempo = tries == FittingTries ? MaxTempo : qMin(MaxTempo, tempo * result.seconds / room * TempoMargin);
        result = speaker.speak(sentence.text, tempo, path, run.stop, {});
    }
    // A faster try that failed leaves the slower speech behind; the sentence failed.
    if (!result.spoken)
        QFile::remove(path);
    else
        *overrun = qMax(0.0, result.seconds - room);
    return result;
}

void NxTextToSpeechJob::finishFailed(const Run& run, State state, Failure code, const QString& reason)
{
    NX_LOG_ERROR("task %d: %s", run.id, local(reason).constData());
    QStringList products;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_succeeded = false;
        products = std::exchange(m_products, {});
        // Its products are gone: a retry speaks (and delivers) everything again.
        m_completedSentences = m_completedCharacters = 0;
        m_produced.fill(false);
    }
    removeProducts(products);
    run.reports.finish(state, code, QString(), reason);
}

void NxTextToSpeechJob::finishCompleted(const Run& run, const QString& filePath)
{
    int charge = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        charge = m_completedCharacters - m_chargedCharacters;
    }
    if (run.stop) {
        finishStopped(run);
        return;
    }
    // Another task may have used the allowance up since the check.
    if (QString error; run.engine.charged && !NxUsageAllowance::instance().consumeCharacters(charge, &error)) {
        finishFailed(run, State::ConvertFailed, error.isEmpty() ? Failure::NotEnoughCharacters : Failure::UnknownError,
                     error.isEmpty() ? allowanceShort(charge) : error);
        return;
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_succeeded = true;
        m_chargedCharacters += charge;
    }
    run.reports.finish(State::Completed, Failure::UnknownError, filePath, QString());
    run.reports.remaining();
}

void NxTextToSpeechJob::finishStopped(const Run& run)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_succeeded = false;
    }
    run.reports.finish(State::ConvertFailed, Failure::UnknownError, QString(), QString());
}
