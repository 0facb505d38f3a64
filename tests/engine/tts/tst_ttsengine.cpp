#include "NxDataColumns.h"
#include "NxLogCapture.h"
#include "NxOfflineTextToSpeechAudition.h"
#include "NxOfflineTextToSpeechManager.h"
#include "NxOfflineTextToSpeechQuery.h"
#include "NxReleased.h"
#include "NxSpeechSynthesizer.h"
#include "NxSubtitleClip.h"
#include "NxTestHome.h"
#include "NxTextToSpeechRecorder.h"
#include "NxTitleClip.h"
#include "NxUsageAllowance.h"
#include "NxVoiceCatalogue.h"

#include <QAudioDeviceInfo>
#include <QElapsedTimer>
#include <QProcess>
#include <QSet>
#include <QtTest>

#include <algorithm>
#include <numeric>
#include <cmath>
#include <thread>

namespace
{
using Info = NxTextToSpeechTaskInfo;
constexpr int Rate = NxSpeechSynthesizer::SampleRate;

// Median fundamental of the loud, voiced frames, by autocorrelation over 60..400 Hz.
double medianPitch(const QVector<qint16>& x)
{
    const int frame = 1024, minLag = Rate / 400, maxLag = Rate / 60;
    std::vector<double> pitches;
    for (int start = 0; start + frame + maxLag < x.size(); start += frame) {
        const auto correlation = [&](int lag) {
            double sum = 0;
            for (int i = start; i < start + frame; ++i)
                sum += double(x[i]) * x[i + lag];
            return sum;
        };
        const double energy = correlation(0);
        if (energy < 1e6 * frame) // quieter than an RMS of 1000
            continue;
        int bestLag = 0;
        double best = 0.5 * energy; // voiced frames only
        for (int lag = minLag; lag <= maxLag; ++lag) {
            if (const double c = correlation(lag); c > best)
                best = c, bestLag = lag;
        }
        if (bestLag)
            pitches.push_back(double(Rate) / bestLag);
    }
    std::sort(pitches.begin(), pitches.end());
    return pitches.empty() ? 0 : pitches[pitches.size() / 2];
}

struct Decoded { double seconds = -1; int sampleRate = 0, channels = 0; };

// What the ffmpeg program decodes, which honours the encoder's delay and padding.
Decoded decode(const QString& path)
{
    QProcess probe, ffmpeg;
    probe.start("ffprobe", {"-v", "error", "-show_entries", "stream=sample_rate,channels", "-of", "csv=p=0", path});
    ffmpeg.start("ffmpeg", {"-nostdin", "-v", "error", "-i", path, "-f", "s16le", "-"});
    if (!probe.waitForFinished() || !ffmpeg.waitForFinished())
        return {};
    const QStringList format = QString::fromLatin1(probe.readAllStandardOutput()).trimmed().split(',');
    const int rate = format.value(0).toInt(), channels = format.value(1).toInt();
    return {ffmpeg.readAllStandardOutput().size() / 2.0 / qMax(1, rate * channels), rate, channels};
}

struct Task { int id = 0, sentences = 0, characters = 0; QString text; };

Task add(INxTextToSpeechTaskManager& manager, INxClip* clip, const QString& voice, int speed = 0, int intonation = 0)
{
    NxTextToSpeechTaskRequest request;
    request.clip = clip, request.voice = voice, request.speed = speed, request.intonation = intonation;
    Task task;
    manager.addTask(request, &task.id, &task.sentences, &task.characters, &task.text);
    return task;
}

QVector<qint16> speak(const QString& code, const QString& text, int speed = 0, int intonation = 0)
{
    QVector<qint16> samples;
    if (const NxCatalogueVoice* voice = NxVoiceCatalogue::instance().byCode(code))
        NxSpeechSynthesizer(voice->synthesis, speed, intonation).synthesize(text, &samples);
    return samples;
}

}

class TestTextToSpeechEngine : public QObject
{
    Q_OBJECT

    NxTestHome m_home;
    NxTextToSpeechRecorder m_recorder;
    NxReleased<NxOfflineTextToSpeechManager> m_manager;

private slots:
    void init()
    {
        m_recorder.clear();
        m_manager.reset(new NxOfflineTextToSpeechManager);
        m_manager->setCallBack(&m_recorder);
    }
    void cleanup()
    {
        m_manager.reset();
        NxUsageAllowance::instance().topUp(0, NxUsageAllowance::InitialCharacters);
    }

    // First of all: the threads also race to register Flite's voices.
    void fliteVoicesSpeakSideBySideAsTheyDoAlone()
    {
        const QStringList codes = {"en-US-f1", "en-US-m1", "en-GB-m1", "en-US-m3", "Emily", "en-US-f1"};
        const QString text = QStringLiteral("Several voices are speaking at the same time.");
        std::vector<QVector<qint16>> together(size_t(codes.size()));
        std::vector<std::thread> threads;
        for (int i = 0; i < codes.size(); ++i)
            threads.emplace_back([&, i] { together[size_t(i)] = speak(codes[i], text); });
        for (std::thread& thread : threads)
            thread.join();
        // Flite's noise excitation is random, its generator shared by the threads (more so on a loaded
        // machine): alone, the same speech is as long and its waveform nearly the same; a race spoils it wholly.
        for (int i = 0; i < codes.size(); ++i) {
            const QVector<qint16>& ours = together[size_t(i)];
            const QVector<qint16> alone = speak(codes[i], text);
            QVERIFY2(!ours.isEmpty() && ours.size() == alone.size(), qPrintable(codes[i]));
            const auto dot = [](const auto& a, const auto& b) { return std::inner_product(a.begin(), a.end(), b.begin(), 0.0); };
            QVERIFY2(dot(ours, alone) / std::sqrt(dot(ours, ours) * dot(alone, alone)) > 0.9, qPrintable(codes[i]));
        }
    }

    void voicesOfALanguageSpeakAudiblyAndInTheirPitch_data()
    {
        QTest::addColumn<QString>("family");
        const NxReleased<NxOfflineTextToSpeechQuery> query(new NxOfflineTextToSpeechQuery);
        QList<NxTextToSpeechVoiceInfo> voices;
        QStringList languages;
        QVERIFY(query->getVoiceList(voices) && query->getLanguageList(languages) && !query->isNetworkError());
        QCOMPARE(QList<int>({voices.size(), languages.size()}), QList<int>({73, 18}));
        QSet<QString> codes, names, families;
        for (const NxTextToSpeechVoiceInfo& voice : qAsConst(voices))
            codes.insert(voice.code), names.insert(voice.languageCode + voice.showName);
        QCOMPARE(QList<int>({codes.size(), names.size()}), QList<int>({73, 73}));
        // The classic dialog's vocalists by number from 259: four speak English only, the rest Mandarin.
        const QStringList vocalists = {"Aijia", "Aida", "Aiqi", "Aijing", "Aixia", "Aimei", "Aishuo", "Aiyu", "Xiaobei",
                                       "Aitong", "Luca", "Emily", "Abby", "Andy", "Shanshan", "Xiaoze", "Lydia"};
        for (int i = 0; i < vocalists.size(); ++i) {
            const NxCatalogueVoice* vocalist = NxVoiceCatalogue::instance().byCode(vocalists[i]);
            QVERIFY2(vocalist && vocalist == NxVoiceCatalogue::instance().byId(259 + i)
                         && vocalist->info.languageCode == (i >= 10 && i < 14 ? "en-US" : "zh-CN"),
                     qPrintable(vocalists[i]));
        }
        for (const QString& language : qAsConst(languages))
            families.insert(language.section('-', 0, 0));
        for (const QString& family : qAsConst(families))
            QTest::newRow(qPrintable(family)) << family;
    }
    void voicesOfALanguageSpeakAudiblyAndInTheirPitch()
    {
        QFETCH(QString, family);
        struct Heard { const NxCatalogueVoice* voice; bool vocalist; double pitch; };
        const NxVoiceCatalogue& catalogue = NxVoiceCatalogue::instance();
        QList<Heard> heard;
        // All say one sentence: the first voice's sample, or one English voices were tuned on.
        QString phrase = family == "en" ? "The weather is lovely in the mountains this morning." : QString();
        for (const QList<NxCatalogueVoice>* list : {&catalogue.voices(), &catalogue.vocalists()}) {
            for (const NxCatalogueVoice& voice : *list) {
                if (voice.info.languageCode.section('-', 0, 0) != family)
                    continue;
                if (phrase.isEmpty())
                    phrase = voice.sample;
                const QVector<qint16> samples = speak(voice.info.code, phrase);
                const double energy = std::inner_product(samples.begin(), samples.end(), samples.begin(), 0.0);
                QVERIFY2(samples.size() > Rate / 5 && energy > 500.0 * 500 * samples.size(), // an RMS over 500
                         qPrintable(voice.info.code));
                QCOMPARE(voice.synthesis.engine == NxSynthesisVoice::Engine::Flite, family == "en");
                heard.append({&voice, list == &catalogue.vocalists(), medianPitch(samples)});
            }
        }
        // A female voice sounds higher than its language's male ones.
        for (const Heard& a : qAsConst(heard))
            for (const Heard& b : qAsConst(heard))
                if (!a.vocalist && !b.vocalist && a.voice->info.languageCode == b.voice->info.languageCode
                    && !a.voice->info.male && b.voice->info.male)
                    QVERIFY2(a.pitch / b.pitch > 1.2, qPrintable(a.voice->info.code + " and " + b.voice->info.code));
    }

    void stepsMoveLengthAndPitchInOrder_data()
    {
        columns<QString, QString>({"voice", "text"});
        const QString english = "The weather is lovely in the mountains this morning.";
        QTest::newRow("fliteMaleVoice") << "en-US-m1" << english;
        QTest::newRow("fliteDiphoneVoice") << "en-US-m3" << english;
        QTest::newRow("espeakVoice") << "de-DE-m1" << "Das Wetter in den Bergen ist heute Morgen herrlich.";
    }
    void stepsMoveLengthAndPitchInOrder()
    {
        QFETCH(QString, voice); QFETCH(QString, text);
        QList<double> lengths, pitches;
        for (int step = -2; step <= 2; ++step) {
            lengths.append(speak(voice, text, step, 0).size());
            pitches.append(medianPitch(speak(voice, text, 0, step)));
        }
        for (int i = 1; i < 5; ++i) {
            QVERIFY2(lengths[i - 1] / lengths[i] > 1.1, qPrintable(QString("speed step %1: %2").arg(i - 2).arg(lengths[i])));
            QVERIFY2(pitches[i] > pitches[i - 1], qPrintable(QString("intonation step %1: %2 Hz").arg(i - 2).arg(pitches[i])));
        }
        QVERIFY2(lengths.first() / lengths.last() > 1.7 && pitches.last() / pitches.first() > 1.3,
                 qPrintable(QString("%1, %2").arg(lengths.first() / lengths.last()).arg(pitches.last() / pitches.first())));
    }

    void titleBecomesMp3OfItsSpokenLength_data()
    {
        // said: the parts said apart (side by side) and joined
        columns<QStringList, QString, int, QString, int, QStringList>(
            {"boxes", "spoken", "characters", "voice", "speed", "said"}); // whitespace is free
        QTest::newRow("textBoxesJoinedBySpace") << QStringList({"The quick  brown fox", "jumps over the lazy dog."})
                                                << "The quick brown fox jumps over the lazy dog." << 36 << "en-US-f2" << 1
                                                << QStringList();
        const QString longest = QString("abcde ").repeated(300).trimmed();
        QTest::newRow("longestAllowedTitle") << QStringList({longest}) << longest << 1500 << "en-US-f2" << 1 << QStringList();
        // As the classic dialog fills it: rate step 2, tone step -1.
        QTest::newRow("classicVocalist") << QStringList({"欢迎收看今天的节目 welcome"}) << "欢迎收看今天的节目 welcome" << 16
                                         << "Aida" << 2 << QStringList();
        const QString first = "The harbour town was still quiet that morning.", second = "Dr. Hale's boats rocked gently by the pier!";
        QTest::newRow("sentencesSaidApartAndJoined") << QStringList({first + "  " + second}) << first + " " + second << 75
                                                     << "en-US-m1" << 0 << QStringList({first, second});
    }
    void titleBecomesMp3OfItsSpokenLength()
    {
        QFETCH(QStringList, boxes); QFETCH(QString, spoken); QFETCH(int, characters); QFETCH(QString, voice);
        QFETCH(int, speed); QFETCH(QStringList, said);
        NxTitleClip clip("Intro", {25, 1}, 0, 100);
        for (const QString& box : qAsConst(boxes))
            clip.addText(box);
        const int before = NxUsageAllowance::instance().characters();
        const Task task = add(*m_manager, &clip, voice, speed, -1);
        QCOMPARE(task.text, spoken);
        QCOMPARE(QList<int>({task.sentences, task.characters}), QList<int>({1, characters}));
        QTRY_VERIFY_WITH_TIMEOUT(m_recorder.ended(), 20000);
        // Converting from 0 %, then again as each part is said.
        QStringList expected{"state2"};
        for (int report = 0; report <= std::max(1, int(said.size())); ++report)
            expected << "state6";
        QCOMPARE(m_recorder.events, expected << "state10");
        const QString path = m_recorder.last().filePath;
        QVERIFY(path.startsWith(NxOfflineTextToSpeechManager::storagePath()));
        const Decoded decoded = decode(path);
        QCOMPARE(QList<int>({decoded.sampleRate, decoded.channels}), QList<int>({Rate, 1}));
        double seconds = 0;
        for (const QString& part : said.isEmpty() ? QStringList{spoken} : said)
            seconds += speak(voice, part, speed, -1).size() / double(Rate);
        // espeak-ng's length varies by some 0.05 s from call to call.
        QVERIFY2(std::abs(decoded.seconds - seconds) < 0.1, qPrintable(QString::number(decoded.seconds - seconds)));
        QVERIFY(m_manager->isTaskFinished(task.id));
        QCOMPARE(NxUsageAllowance::instance().characters(), before - characters);
        QTRY_COMPARE(m_recorder.remaining, QList<int>({before - characters}));
        NxUsageAllowance::instance().topUp(0, 100);
        m_manager->refresh();
        QTRY_COMPARE(m_recorder.remaining, QList<int>({before - characters, before - characters + 100}));
    }

    void subtitleDeliversEachSentenceAtItsPosition()
    {
        NxSubtitleClip clip("Talk", {25, 1}, 0, 500);
        clip.addSentence("First line.", 0, 40);
        clip.addSentence("   ", 40, 50);
        clip.addSentence(QString("words ").repeated(301), 60, 120); // over the limit on its own
        clip.addSentence("Third one.", 130, 200);
        const Task task = add(*m_manager, &clip, "de-DE-f1");
        QCOMPARE(QList<int>({task.sentences, task.characters}), QList<int>({3, 10 + 1505 + 9}));
        QTRY_VERIFY_WITH_TIMEOUT(m_recorder.ended(), 10000);
        QCOMPARE(m_recorder.last().state, int(Info::Completed));
        QCOMPARE(m_recorder.products.size(), 2);
        const QList<NxSrtTaskProductInfo>& products = m_recorder.products;
        QCOMPARE(QList<qint64>({products[0].index, products[0].position, products[1].index, products[1].position}),
                 QList<qint64>({0, 0, 3, 130}));
        QVERIFY(m_recorder.events.indexOf("product3") < m_recorder.events.indexOf("state10"));
        int done = 0, total = 0, completed = 0, failed = 0, sentences = 0;
        m_manager->querySubtitleProgress(task.id, &done, &total, &completed, &failed, &sentences);
        QCOMPARE(QList<int>({done, total, completed, failed, sentences}), QList<int>({19, 1524, 2, 1, 3}));
        m_manager->querySubtitleProgress(task.id, nullptr, nullptr, nullptr, nullptr, nullptr);
        // A retry speaks only the failed sentence again and charges nothing twice.
        const int left = NxUsageAllowance::instance().characters();
        m_recorder.states.clear();
        m_manager->retryTask(task.id);
        QTRY_VERIFY_WITH_TIMEOUT(m_recorder.ended(), 10000);
        m_manager->querySubtitleProgress(task.id, &done, &total, &completed, &failed, &sentences);
        QCOMPARE(QList<int>({done, completed, failed, m_recorder.products.size()}), QList<int>({19, 2, 1, 2}));
        QCOMPARE(NxUsageAllowance::instance().characters(), left);
    }

    void subtitleSentencesSpeedUpToFitTheirTimes_data()
    {
        columns<QString, QStringList>({"voice", "sentences"});
        QTest::newRow("fliteVoice") << "en-US-f2" << QStringList({
            "The committee reviewed every proposal that arrived before the deadline last week.",
            "Several members asked for more time to read the longer documents carefully before voting.",
            "The results will be announced on Monday."});
        QTest::newRow("espeakVoice") << "de-DE-m1" << QStringList({
            "Der Ausschuss hat jeden Vorschlag geprüft, der vor dem Stichtag eingegangen ist.",
            "Mehrere Mitglieder baten um mehr Zeit, um die längeren Unterlagen sorgfältig zu lesen.",
            "Die Ergebnisse werden am Montag bekannt gegeben."});
    }
    void subtitleSentencesSpeedUpToFitTheirTimes()
    {
        QFETCH(QString, voice); QFETCH(QStringList, sentences);
        const int speed = 1;
        // Of the time until the next sentence (or its own end, for the last): the first needs
        // speeding up, the second cannot fit even 1.5 times as fast, the last fits as it is.
        const QList<double> shares = {0.8, 0.5, 1.2};
        NxSubtitleClip clip("Talk", {25, 1}, 0, 10000);
        QList<double> natural, rooms;
        qint64 start = 0;
        for (int i = 0; i < 3; ++i) {
            natural.append(speak(voice, sentences[i], speed).size() / double(Rate));
            const qint64 frames = qint64(natural[i] * shares[i] * 25);
            rooms.append(frames / 25.0);
            // Shown for less than the time until the next sentence starts.
            clip.addSentence(sentences[i], start, start + (i < 2 ? frames * 3 / 4 : frames));
            start += frames;
        }
        const NxLogCapture log;
        add(*m_manager, &clip, voice, speed);
        QTRY_VERIFY_WITH_TIMEOUT(m_recorder.ended(), 20000);
        QCOMPARE(m_recorder.last().state, int(Info::Completed));
        QCOMPARE(m_recorder.products.size(), 3);
        QList<double> heard;
        for (const NxSrtTaskProductInfo& product : qAsConst(m_recorder.products))
            heard.append(decode(product.filePath).seconds);
        QString figures;
        QDebug(&figures) << "natural" << natural << "room" << rooms << "heard" << heard;
        QVERIFY2(heard[0] <= rooms[0] && heard[0] > 0.85 * rooms[0], qPrintable(figures));
        QVERIFY2(std::abs(heard[1] * 1.5 / natural[1] - 1) < 0.1, qPrintable(figures)); // at the limit
        QVERIFY2(heard[2] <= rooms[2] && std::abs(heard[2] - natural[2]) < 0.1, qPrintable(figures));
        // One line names the overrunning sentence, numbered as its file, and by how much it overruns.
        const QStringList lines = log.messages().filter("overrun");
        QCOMPARE(lines.size(), 1);
        const QRegularExpressionMatch overrun = QRegularExpression(": (\\d+) by ([\\d.]+) s$").match(lines.first());
        QVERIFY2(overrun.hasMatch() && overrun.captured(1) == "2", qPrintable(lines.first()));
        QVERIFY2(std::abs(overrun.captured(2).toDouble() - (heard[1] - rooms[1])) < 0.02, qPrintable(lines.first() + figures));
    }

    void badInputFails_data()
    {
        // state 0: refused at once
        // reason: what the failure report says, in part
        columns<int, QString, QString, int, int, int, QString>(
            {"clipType", "text", "voice", "allowance", "state", "code", "reason"});
        const int title = INxClip::Title, plenty = 20000, scan = Info::ScanFailed;
        QTest::newRow("blankTitleRefused") << title << " \n " << "en-US-m1" << plenty << 0 << 0 << "";
        QTest::newRow("emptySubtitleRefused") << int(INxClip::Subtitle) << "" << "en-US-m1" << plenty << 0 << 0 << "";
        QTest::newRow("videoClipRefused") << int(INxClip::Video) << "x" << "en-US-m1" << plenty << 0 << 0 << "";
        QTest::newRow("unknownVoiceUnrecognized")
            << title << "Hello there" << "en-US-zz" << plenty << scan << int(Info::UnrecognizedContent) << "no voice";
        QTest::newRow("vocalistInWrongCaseUnrecognized")
            << title << "Hello there" << "aida" << plenty << scan << int(Info::UnrecognizedContent) << "no voice";
        QTest::newRow("over1500CharactersTooLong")
            << title << QString("abcde ").repeated(301) << "en-US-m1" << plenty << scan << int(Info::TextTooLong) << "1500";
        QTest::newRow("nothingAnEnglishVoiceCanSayFails")
            << title << "★ ♪ … Здравствуйте" << "en-US-f1" << plenty << int(Info::ConvertFailed) << int(Info::TranscriptionFailure)
            << "";
        QTest::newRow("allowanceShortByOneNotEnough")
            << title << "Hello there" << "en-US-m1" << 9 << scan << int(Info::NotEnoughCharacters) << "allowance";
    }
    void badInputFails()
    {
        QFETCH(int, clipType); QFETCH(QString, text); QFETCH(QString, voice);
        QFETCH(int, allowance); QFETCH(int, state); QFETCH(int, code); QFETCH(QString, reason);
        NxUsageAllowance::instance().consumeCharacters(NxUsageAllowance::instance().characters() - allowance);
        NxTitleClip title("Title", {25, 1}, 0, 100);
        NxSubtitleClip subtitle("Subtitle", {25, 1}, 0, 100);
        NxTimelineClip video("Video", INxClip::Video, {25, 1}, nullptr, {0, 100, 0});
        title.addText(text);
        INxClip* clip = clipType == INxClip::Title ? &title : clipType == INxClip::Subtitle ? &subtitle : &video;
        const Task task = add(*m_manager, clip, voice);
        QCOMPARE(task.id < 0, state == 0);
        if (state == 0) {
            QCOMPARE(task.sentences + task.characters, 0);
            return;
        }
        QTRY_VERIFY_WITH_TIMEOUT(m_recorder.ended(), 10000);
        QCOMPARE(QList<int>({m_recorder.last().state, m_recorder.last().code}), QList<int>({state, code}));
        const QString said = m_recorder.last().reason;
        QVERIFY2(!said.isEmpty() && said.contains(reason), qPrintable(said));
        QCOMPARE(NxUsageAllowance::instance().characters(), allowance);
    }

    void stopAllEndsLongSubtitlePromptly()
    {
        NxSubtitleClip clip("Long", {25, 1}, 0, 100000);
        for (int i = 0; i < 200; ++i)
            clip.addSentence(QStringLiteral("Sentence number %1 is spoken rather slowly.").arg(i), i * 100, i * 100 + 90);
        const Task task = add(*m_manager, &clip, "en-GB-m3", -2);
        QTRY_VERIFY_WITH_TIMEOUT(!m_recorder.products.isEmpty(), 10000);
        QElapsedTimer timer;
        timer.start();
        m_manager->stopAll();
        QVERIFY(m_manager->isTaskFinished(task.id));
        QTRY_VERIFY_WITH_TIMEOUT(m_recorder.ended(), 1000);
        QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(QList<int>({m_recorder.last().state, m_recorder.last().code}),
                 QList<int>({Info::ConvertFailed, Info::UnknownError}));
        QVERIFY(m_recorder.products.size() < 200);
    }

    void auditionWithoutDeviceRefusesPromptly()
    {
        if (!QAudioDeviceInfo::defaultOutputDevice().isNull())
            QSKIP("a sound device is present");
        const NxReleased<NxOfflineTextToSpeechAudition> audition(new NxOfflineTextToSpeechAudition);
        audition->setVoice(73);
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!audition->play() && timer.elapsed() < 1000 && !audition->isNetworkError());
    }
};

QTEST_GUILESS_MAIN(TestTextToSpeechEngine)
#include "tst_ttsengine.moc"
