#include "NxDataColumns.h"
#include "NxOfflineTextToSpeechAudition.h"
#include "NxPulseNullSink.h"
#include "NxReleased.h"
#include "NxSpeechSynthesizer.h"
#include "NxTestHome.h"
#include "NxVoiceCatalogue.h"

#include <QAudioDeviceInfo>
#include <QThread>
#include <QtTest>

#include <memory>

namespace
{
// What the observer heard, posted to the test's thread with the thread it was told on.
class AuditionLog final : public QObject, public INxTextToSpeechAuditionObserver
{
public:
    QStringList events;
    QList<QThread*> threads;
    qint64 audibleAtStop = -1;
    const NxPulseNullSink* sink = nullptr;

    void onAuditionPlay() override { post(QStringLiteral("play"), -1); }
    void onAuditionStop() override { post(QStringLiteral("stop"), sink->audibleSamples()); }

private:
    void post(const QString& event, qint64 audible)
    {
        QThread* thread = QThread::currentThread();
        QMetaObject::invokeMethod(
            this,
            [=] {
                events.append(event), threads.append(thread);
                if (audible >= 0)
                    audibleAtStop = audible;
            },
            Qt::QueuedConnection);
    }
};
}

// Previews played for real, into a PulseAudio null sink started by the suite.
// The voice dialogs' side of a preview is the module suites' (with a scripted audition).
class TestTextToSpeechPreview : public QObject
{
    Q_OBJECT

    NxTestHome m_home;
    std::unique_ptr<NxPulseNullSink> m_sink;

private slots:
    void initTestCase()
    {
        m_sink = std::make_unique<NxPulseNullSink>();
        if (!m_sink->isRunning())
            QSKIP(qPrintable(m_sink->failure()));
        QVERIFY(!QAudioDeviceInfo::defaultOutputDevice().isNull());
    }
    void cleanupTestCase() { m_sink.reset(); }

    void previewIsHeardWholeBetweenPlayAndStop_data()
    {
        // As the voice-list dialog passes them (steps -2..2) and as the classic one does.
        columns<int, int, int>({"voice", "speed", "intonation"});
        QTest::newRow("voiceListVoiceFastAndLow") << 73 << 2 << -2;
        QTest::newRow("voiceListVoiceSlowAndHigh") << 113 << -2 << 2;
        QTest::newRow("mandarinVocalistClassicSteps") << 260 << 0 << -1;
        QTest::newRow("englishOnlyVocalistClassicSteps") << 270 << 2 << 1;
    }
    void previewIsHeardWholeBetweenPlayAndStop()
    {
        QFETCH(int, voice); QFETCH(int, speed); QFETCH(int, intonation);
        const NxCatalogueVoice* catalogued = NxVoiceCatalogue::instance().byId(voice);
        QVERIFY(catalogued);
        QVector<qint16> expected;
        QVERIFY(NxSpeechSynthesizer(catalogued->synthesis, speed, intonation).synthesize(catalogued->sample, &expected));

        AuditionLog log;
        log.sink = m_sink.get();
        m_sink->resetHeard();
        const NxReleased<NxOfflineTextToSpeechAudition> audition(new NxOfflineTextToSpeechAudition);
        audition->setObserver(&log);
        audition->setVoice(voice), audition->setSpeed(speed), audition->setIntonation(intonation);
        QVERIFY(audition->play());
        QTRY_COMPARE_WITH_TIMEOUT(log.events, QStringList({"play"}), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(m_sink->audibleSamples() > 0, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(log.events, QStringList({"play", "stop"}), 30000);
        QCOMPARE(log.threads.size(), 2);
        QVERIFY(log.threads[0] == log.threads[1] && log.threads[0] != QThread::currentThread());
        // Stop comes when the sample has ended, not before: most of it was heard by then
        // (the quiet edges of words do not count as audible).
        const double heard = double(log.audibleAtStop) / expected.size();
        QVERIFY2(heard > 0.5 && heard < 1.2, qPrintable(QString::number(heard)));
        audition->setObserver(nullptr);
    }

    // Flite opens with a pause of a fifth of a second: a preview must not wait through it.
    void aPreviewStartsWithTheVoice()
    {
        const NxCatalogueVoice* voice = NxVoiceCatalogue::instance().byId(73);
        QVector<qint16> samples;
        QVERIFY(NxSpeechSynthesizer(voice->synthesis, 0, 0).synthesize(voice->sample, &samples));
        const auto voicedAt = [](const QVector<qint16>& sound) {
            return std::find_if(sound.cbegin(), sound.cend(), [](qint16 s) { return std::abs(int(s)) > 2000; })
                   - sound.cbegin();
        };
        const auto ms = [](qint64 count) { return count * 1000 / NxSpeechSynthesizer::SampleRate; };
        const qint64 before = voicedAt(samples);
        QVERIFY2(ms(before) >= 100, qPrintable(QString::number(ms(before))));
        const QVector<qint16> whole = samples;
        NxSpeechSynthesizer::startAtTheVoice(&samples);
        QVERIFY2(ms(voicedAt(samples)) <= 40, qPrintable(QString::number(ms(voicedAt(samples)))));
        QVERIFY(samples == whole.mid(whole.size() - samples.size())); // only the pause went
    }
};

QTEST_GUILESS_MAIN(TestTextToSpeechPreview)
#include "tst_ttspreview.moc"
