#include "NxDataColumns.h"
#include "NxEventRecorder.h"
#include "NxTestHome.h"
#include "NxTextToSpeechParamEvent.h"
#include "VarneloSpeechServiceEvent.h"

#include <QTest>

class AnalyticsEventsTest : public QObject
{
    Q_OBJECT

private slots:
    void genericEventSendsPropertiesInOrderOnce()
    {
        NxEventRecorder recorder;
        VarneloSpeechServiceEvent(QStringLiteral("nothing")).sendProperties({});
        QVERIFY(recorder.events().isEmpty());

        VarneloSpeechServiceEvent(QStringLiteral("two")).sendProperties({{"z", 1}, {"a", true}});
        VarneloSpeechServiceEvent(QStringLiteral("one")).sendProperty(QStringLiteral("window_name"), "STT_List_view");
        QCOMPARE(recorder.summaries(), (QStringList{"two{z=1,a=true}", "one{window_name=STT_List_view}"}));
    }

    void parameterEventTranslatesTheRequest_data()
    {
        columns<QString, int, int, QString>({"voice", "intonation", "speed", "expected"});

        QTest::newRow("known words") << "Aida" << -1 << 2 << "tone_color=standard_male_voice,tone=lowering,speed=fast";
        QTest::newRow("Emily keeps her full stop") << "Emily" << 3 << -2
                                                   << "tone_color=british_female_voice.,tone=3,speed=slow";
        QTest::newRow("a new voice is sent as it is") << "Nova" << 0 << 0 << "tone_color=Nova,tone=normal,speed=normal";
        QTest::newRow("odd steps in decimal") << "Lydia" << 1 << -1
                                              << "tone_color=billingual_female_voice,tone=resounding,speed=-1";
    }

    void parameterEventTranslatesTheRequest()
    {
        QFETCH(QString, voice); QFETCH(int, intonation); QFETCH(int, speed); QFETCH(QString, expected);

        NxEventRecorder recorder;
        NxTextToSpeechParamEvent event;
        event.setParams(voice, intonation, speed);
        event.sendEvent();
        QCOMPARE(recorder.summaries(), QStringList{QStringLiteral("title_audio_params_setting{%1}").arg(expected)});
    }

private:
    NxTestHome m_home;
};

QTEST_MAIN(AnalyticsEventsTest)
#include "tst_analyticsevents.moc"
