#include "INxBaseLog.h"
#include "NxAppSettings.h"
#include "NxComboBox.h"
#include "NxConfig.h"
#include "NxDataColumns.h"
#include "NxDialogDriver.h"
#include "NxEventRecorder.h"
#include "NxPaintProbe.h"
#include "NxPropertyNonLineSliderEx.h"
#include "NxPushButton.h"
#include "NxScriptedVoiceServices.h"
#include "NxSingleton.h"
#include "NxSkinStyle.h"
#include "NxTestHome.h"
#include "NxTextToSpeechParamDialog.h"
#include "NxVoiceAnimationHelper.h"
#include "NxVoiceItem.h"
#include "NxVoiceListCache.h"
#include "NxVoicePanel.h"

#include <QFile>
#include <QScopeGuard>
#include <QTest>
#include <QThreadPool>

#include <memory>

Q_DECLARE_METATYPE(QList<NxTextToSpeechVoiceInfo>)

namespace
{
const QString PanelSource = QStringLiteral("NxSpeechService/NxTextToSpeechParamVarneloPanel");
const QString Popup = QStringLiteral("embeded_window_popup{window_name=TTS_params_setting}");

NxTextToSpeechVoiceInfo voice(int id, const QString& name, const QString& language, bool male = true)
{
    return {id, name, language + '-' + name, language, male};
}

// Ten American voices (70 to 79), two British ones and one voice the
// language table does not offer.
QList<NxTextToSpeechVoiceInfo> catalogue()
{
    QList<NxTextToSpeechVoiceInfo> voices;
    for (int id = 70; id <= 79; ++id)
        voices << voice(id, QStringLiteral("Us%1").arg(id), QStringLiteral("en-US"), id % 2 == 0);
    voices << voice(57, QStringLiteral("Emily"), QStringLiteral("en-GB"), false)
           << voice(58, QStringLiteral("Luca"), QStringLiteral("en-GB"))
           << voice(99, QStringLiteral("Stray"), QStringLiteral("en-US"));
    return voices;
}

// "id/showName/code/languageCode/male" per voice, for readable comparisons.
QStringList summary(const QList<NxTextToSpeechVoiceInfo>& voices)
{
    QStringList lines;
    for (const NxTextToSpeechVoiceInfo& v : voices)
        lines << QStringLiteral("%1/%2/%3/%4/%5").arg(v.id).arg(v.showName, v.code, v.languageCode).arg(v.male);
    return lines;
}

void remember(const QString& key, const QVariant& value)
{
    NxConfig::Instance().SetAppValue(QStringLiteral("TextToSpeechParam"), key, value, false);
}

QVariant remembered(const QString& key)
{
    return NxConfig::Instance().GetAppValue(QStringLiteral("TextToSpeechParam"), key, false, QVariant());
}

// The speaker corner of a tile, where the animation frames show.
QImage speakerCorner(NxVoiceItem* tile)
{
    return NxPaintProbe::shot(tile).copy(QRect(tile->width() - 32, 8, 24, 24));
}
}

// The voice-list parameter dialog a host shows before speaking titles,
// driven as a user would against a scripted catalogue and preview service.
// What it shares with the other parameter dialogs is in tst_paramdialogs.
class TextToSpeechParamDialogTest : public QObject
{
    Q_OBJECT

    NxTestHome m_home;
    std::unique_ptr<NxEventRecorder> m_events;
    std::unique_ptr<NxTextToSpeechParamDialog> m_dialog;
    QStringList m_log;
    int m_logHandle = -1;

    NxVoicePanel* grid() const { return m_dialog->findChild<NxVoicePanel*>(); }
    NxComboBox* combo() const { return m_dialog->findChild<NxComboBox*>(); }
    QList<int> tileIds(bool selectedOnly = false) const
    {
        QList<int> ids;
        for (NxVoiceItem* tile : grid()->items())
            if (!selectedOnly || tile->isSelected())
                ids << tile->id();
        return ids;
    }
    // Speed above pitch.
    NxPropertyNonLineSliderEx* speed() const { return m_dialog->findChildren<NxPropertyNonLineSliderEx*>().at(0); }
    NxPropertyNonLineSliderEx* pitch() const { return m_dialog->findChildren<NxPropertyNonLineSliderEx*>().at(1); }
    void chooseLanguage(const QString& name)
    {
        combo()->setCurrentIndex(combo()->findText(name));
    }
    void open(int interfaceLanguage = 1)
    {
        NxAppSettings::GetInstance()->GetSettings()->GetGeneralSetting()->SetLanguage(interfaceLanguage);
        m_events = std::make_unique<NxEventRecorder>();
        m_dialog = std::make_unique<NxTextToSpeechParamDialog>(nullptr);
    }
    NxScriptedVoiceAudition* audition() const { return NxScriptedVoiceAudition::latest(); }

private slots:
    void initTestCase()
    {
        NxScriptedVoiceAudition::install();
        m_logHandle = GetGlobalLogInstance()->addListener([this](const NxLogEntry& entry) {
            if (entry.file == PanelSource)
                m_log << entry.message;
        });
        // The speaking frames are read once, in the background.
        NxVoiceAnimationHelper::instance();
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::sendPostedEvents();
    }
    void cleanupTestCase() { GetGlobalLogInstance()->removeListener(m_logHandle); }
    void init()
    {
        NxScriptedVoiceQuery::install({true, catalogue()});
        QFile::remove(NxVoiceListCache::filePath());
        for (const char* key : {"voice", "speed", "pitch"})
            remember(QLatin1String(key), QVariant());
        m_log.clear();
    }
    void cleanup()
    {
        m_dialog.reset();
        m_events.reset();
    }

    void anAnsweredQueryIsCachedInTheIndentedFormat()
    {
        NxScriptedVoiceQuery::install({true, {voice(57, "Emily", "en-GB", false)}});
        open();
        QFile file(NxVoiceListCache::filePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()), QStringLiteral(R"({
    "1": {
        "code": "en-GB-Emily",
        "id": 57,
        "languageCode": "en-GB",
        "male": false,
        "showName": "Emily"
    }
}
)"));
        QVERIFY(m_log.isEmpty());
        QVERIFY(!NxVoiceListCache::write(m_home.path() + QStringLiteral("/no such folder/voice_list.json"), catalogue()));
    }

    void aFailedQueryFallsBackToTheCacheInItsKeyOrder_data()
    {
        columns<bool, bool, QList<int>, QStringList>({"answers", "cached", "tiles", "log"});
        const QStringList fallback{QStringLiteral("TTS load voice from cache")};
        QTest::newRow("an answer shows the catalogue's order")
            << true << true << QList<int>{70, 71, 72, 73, 74, 75, 76, 77, 78, 79} << QStringList{};
        QTest::newRow("from the cache \"10\" comes before \"2\"")
            << false << true << QList<int>{70, 79, 71, 72, 73, 74, 75, 76, 77, 78} << fallback;
        QTest::newRow("no answer and no cache: no voices") << false << false << QList<int>{} << fallback;
    }
    void aFailedQueryFallsBackToTheCacheInItsKeyOrder()
    {
        QFETCH(bool, answers); QFETCH(bool, cached); QFETCH(QList<int>, tiles); QFETCH(QStringList, log);
        if (cached)
            QVERIFY(NxVoiceListCache::write(NxVoiceListCache::filePath(), catalogue()));
        NxScriptedVoiceQuery::install({answers, answers ? catalogue() : QList<NxTextToSpeechVoiceInfo>()});
        open();
        QCOMPARE(tileIds(), tiles);
        QCOMPARE(m_log, log);
        QCOMPARE(m_dialog->GetParam().voiceId, tiles.value(0, -1));
    }

    void theCacheReaderSkipsWhatItCannotUse_data()
    {
        columns<QByteArray, QStringList>({"content", "voices"});
        const QByteArray good = R"("id": 70, "showName": "Andy", "code": "a", "languageCode": "en-US")";
        QTest::newRow("truncated") << QByteArray(R"({"1": {)" + good) << QStringList{};
        QTest::newRow("a member without male is skipped")
            << QByteArray(R"({"1": {)" + good + R"(}, "2": {)" + good + R"(, "male": true}})")
            << QStringList{"70/Andy/a/en-US/1"};
        QTest::newRow("empty and non-object members are skipped")
            << QByteArray(R"({"1": {}, "2": 5, "3": "x", "4": null, "5": {)" + good + R"(, "male": false}})")
            << QStringList{"70/Andy/a/en-US/0"};
        QTest::newRow("wrong types read as 0, empty and false")
            << QByteArray(R"({"1": {"id": "70", "showName": 5, "code": null, "languageCode": [], "male": "true"}})")
            << QStringList{"0////0"};
        QTest::newRow("a fractional id reads as 0")
            << QByteArray(R"({"1": {)" + QByteArray(good).replace("70", "70.5") + R"(, "male": true}})")
            << QStringList{"0/Andy/a/en-US/1"};
        QTest::newRow("any member names, in text order")
            << QByteArray(R"({"b": {)" + good + R"(, "male": true}, "A": {"id": 1, "showName": "", "code": "",)"
                          R"( "languageCode": "", "male": false}})")
            << QStringList{"1////0", "70/Andy/a/en-US/1"};
    }
    void theCacheReaderSkipsWhatItCannotUse()
    {
        QFETCH(QByteArray, content); QFETCH(QStringList, voices);
        QCOMPARE(summary(NxVoiceListCache::parse(content)), voices);
    }

    // No real catalogue offers a thousand voices of a language; a hostile
    // one is cut there.
    void aHugeCatalogueStopsAtAThousandTiles()
    {
        QList<NxTextToSpeechVoiceInfo> voices;
        for (int i = 0; i < 1200; ++i)
            voices << voice(70 + i % 10, QStringLiteral("Us"), QStringLiteral("en-US"));
        NxScriptedVoiceQuery::install({true, voices});
        open();
        QCOMPARE(tileIds().size(), 1000);
    }

    void aVoiceListedTwiceHasATileEachTime_data()
    {
        columns<QVariant, QList<int>>({"rememberedVoice", "chosenTiles"});
        QTest::newRow("nothing remembered: only the first tile") << QVariant() << QList<int>{0};
        QTest::newRow("a remembered voice is chosen on each of its tiles") << QVariant(71) << QList<int>{1, 4};
    }
    void aVoiceListedTwiceHasATileEachTime()
    {
        QFETCH(QVariant, rememberedVoice); QFETCH(QList<int>, chosenTiles);
        NxScriptedVoiceQuery::install({true, {voice(70, "A", "en-US"), voice(71, "B", "en-US"), voice(70, "A", "en-US"),
                                              voice(57, "Emily", "en-GB"), voice(72, "C", "en-US"), voice(71, "B2", "en-US"),
                                              voice(57, "Emily", "en-GB")}});
        remember("voice", rememberedVoice);
        open();
        QCOMPARE(tileIds(), (QList<int>{70, 71, 70, 72, 71}));
        QList<int> chosen;
        for (int index = 0; index < grid()->items().size(); ++index)
            if (grid()->items().at(index)->isSelected())
                chosen << index;
        QCOMPARE(chosen, chosenTiles);
        QCOMPARE(m_dialog->GetParam().voiceName, grid()->items().at(chosenTiles.first())->showName());
        chooseLanguage(QStringLiteral("English (UK)"));
        QCOMPARE(tileIds(), (QList<int>{57, 57}));
    }

    // The host's kit paints a widget's background from its "BGColorType"
    // property; the settings area asks for type 5, its raised surface.
    void theSettingsAreaNamesItsBackgroundForTheKit_data()
    {
        QTest::addColumn<int>("skin");
        QTest::newRow("dark skin") << 0;
        QTest::newRow("light skin") << 1;
    }
    void theSettingsAreaNamesItsBackgroundForTheKit()
    {
        QFETCH(int, skin);
        NxSingleton<NxSkinStyle>::instance()->SetSkinKind(skin);
        const auto restored = qScopeGuard([] { NxSingleton<NxSkinStyle>::instance()->SetSkinKind(0); });
        open();
        m_dialog->show();
        QList<QWidget*> named;
        for (QWidget* widget : m_dialog->findChildren<QWidget*>())
            if (widget->property("BGColorType").isValid())
                named << widget;
        QCOMPARE(named.size(), 1);
        QWidget* area = named.first();
        QVERIFY(qobject_cast<NxWidget*>(area));
        QCOMPARE(area->property("BGColorType"), QVariant(5));
        QCOMPARE(area->minimumSize(), QSize(640, 345));
        QCOMPARE(area->maximumSize(), QSize(640, 345));
        QVERIFY(area->isAncestorOf(grid()));
        const QImage image = NxPaintProbe::shot(m_dialog.get());
        const QColor surface = NxPaintProbe::role(NxSkinColor::Varnelo_Background_Surface2);
        for (const QPoint& corner : {QPoint(2, 2), QPoint(area->width() - 3, area->height() - 3)})
            QVERIFY(NxPaintProbe::near(image.pixel(area->mapTo(m_dialog.get(), corner)), surface, 2));
        QVERIFY(!NxPaintProbe::near(image.pixel(area->mapTo(m_dialog.get(), QPoint(2, -6))), surface, 2));
    }

    void theRememberedChoiceIsRestored_data()
    {
        columns<QVariant, QVariant, QVariant, int, int, int, QStringList>(
            {"voice", "speed", "pitch", "chosen", "speedStep", "pitchStep", "log"});
        QTest::newRow("nothing remembered: first tile, both normal")
            << QVariant() << QVariant() << QVariant() << 70 << 2 << 2 << QStringList{};
        QTest::newRow("a remembered pitch of 1 is step 3 and logged")
            << QVariant() << QVariant() << QVariant(1) << 70 << 2 << 3 << QStringList{"intonation = 1"};
        QTest::newRow("voice and slow speed")
            << QVariant(74) << QVariant(-2) << QVariant() << 74 << 0 << 2 << QStringList{"speakRate = -2"};
        QTest::newRow("a voice without a tile, as the -1 stored after OK without one, chooses the first")
            << QVariant(-1) << QVariant(0) << QVariant(0) << 70 << 2 << 2
            << QStringList{"intonation = 0", "speakRate = 0"};
        QTest::newRow("steps off the slider stay normal")
            << QVariant() << QVariant(7) << QVariant(-9) << 70 << 2 << 2
            << QStringList{"intonation = -9", "speakRate = 7"};
    }
    void theRememberedChoiceIsRestored()
    {
        QFETCH(QVariant, voice); QFETCH(QVariant, speed); QFETCH(QVariant, pitch);
        QFETCH(int, chosen); QFETCH(int, speedStep); QFETCH(int, pitchStep); QFETCH(QStringList, log);
        remember("voice", voice);
        remember("speed", speed);
        remember("pitch", pitch);
        open();
        QCOMPARE(tileIds(true), QList<int>{chosen});
        QCOMPARE(this->speed()->getCurIndex(), speedStep);
        QCOMPARE(this->pitch()->getCurIndex(), pitchStep);
        QCOMPARE(m_log, log);
    }

    void changingTheLanguageStopsThePreviewAndChoosesTheFirstVoice()
    {
        remember("voice", 74);
        open();
        m_dialog->show();
        chooseLanguage(QStringLiteral("English (UK)"));
        QCOMPARE(tileIds(), (QList<int>{57, 58}));
        QCOMPARE(tileIds(true), QList<int>{57});
        QCOMPARE(m_dialog->GetParam().languageCode, QStringLiteral("en-GB"));
        chooseLanguage(QStringLiteral("English (US)"));
        QCOMPARE(tileIds(true), QList<int>{70});
        QCOMPARE(audition()->calls().count(QStringLiteral("stop")), 3); // at opening and per change
        chooseLanguage(QStringLiteral("Swedish (Sweden)")); // no voice in the catalogue
        QVERIFY(tileIds().isEmpty());
        const TextToSpeechTaskParam param = m_dialog->GetParam();
        QCOMPARE((QVariantList{param.voiceId, param.voiceName, param.languageCode}), (QVariantList{-1, QString(), "sv-SE"}));
    }

    void okRemembersTheChoiceAndReportsNothingMore_data()
    {
        columns<int, int, int, int, int, int, int, QString, QString>(
            {"interfaceLanguage", "speedKey", "pitchKey", "tile", "voice", "speed", "pitch", "speedName", "pitchName"});
        QTest::newRow("as opened") << 1 << 0 << 0 << -1 << 70 << 0 << 0 << "Normal" << "Normal";
        QTest::newRow("one step slower is Slow") << 1 << int(Qt::Key_Left) << 0 << -1 << 70 << -1 << 0 << "Slow" << "Normal";
        QTest::newRow("one step faster and the highest pitch")
            << 1 << int(Qt::Key_Right) << int(Qt::Key_End) << -1 << 70 << 1 << 2 << "Fast" << "High";
        QTest::newRow("the lowest steps") << 1 << int(Qt::Key_Home) << int(Qt::Key_Home) << -1 << 70 << -2 << -2 << "Slow" << "Low";
        QTest::newRow("a clicked tile") << 1 << 0 << 0 << 3 << 73 << 0 << 0 << "Normal" << "Normal";
        QTest::newRow("no tile stores -1") << 18 << 0 << 0 << -1 << -1 << 0 << 0 << "Normal" << "Normal";
    }
    void okRemembersTheChoiceAndReportsNothingMore()
    {
        QFETCH(int, interfaceLanguage); QFETCH(int, speedKey); QFETCH(int, pitchKey); QFETCH(int, tile); QFETCH(int, voice);
        QFETCH(int, speed); QFETCH(int, pitch); QFETCH(QString, speedName); QFETCH(QString, pitchName);
        open(interfaceLanguage);
        whenModal(this, [&](QWidget*) {
            if (speedKey)
                QTest::keyClick(this->speed(), Qt::Key(speedKey));
            if (pitchKey)
                QTest::keyClick(this->pitch(), Qt::Key(pitchKey));
            if (tile >= 0)
                QTest::mouseClick(grid()->items().at(tile), Qt::LeftButton);
            QTest::mouseClick(childCaptioned<NxPushButton>(m_dialog.get(), "OK"), Qt::LeftButton);
        });
        QCOMPARE(m_dialog->exec(), int(QDialog::Accepted));
        const TextToSpeechTaskParam param = m_dialog->GetParam();
        QCOMPARE((QStringList{param.speedName, param.intonationName}), (QStringList{speedName, pitchName}));
        QCOMPARE((QVariantList{remembered("voice"), remembered("speed"), remembered("pitch")}), (QVariantList{voice, speed, pitch}));
        QCOMPARE(m_events->summaries(), QStringList{Popup});
    }

    void aPreviewAnimatesTheDoubleClickedTileWhileItPlays()
    {
        open();
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
        QTest::keyClick(speed(), Qt::Key_Right);
        QTest::keyClick(pitch(), Qt::Key_Home);
        NxVoiceItem* tile = grid()->items().at(2);
        QTest::mouseDClick(tile, Qt::LeftButton);
        const QImage icon = speakerCorner(tile); // chosen now, not yet speaking
        QCOMPARE(audition()->calls().mid(audition()->calls().indexOf("setVoice 72")),
                 (QStringList{"setVoice 72", "setIntonation -2", "setSpeed 1", "play"}));
        QVERIFY(speed()->isEnabled());

        audition()->notifyFromThread(true);
        QTRY_VERIFY(!speed()->isEnabled());
        QVERIFY(!pitch()->isEnabled());
        QTRY_VERIFY(!NxPaintProbe::same(speakerCorner(tile), icon));

        audition()->notifyFromThread(false);
        QTRY_VERIFY(speed()->isEnabled());
        QVERIFY(pitch()->isEnabled());
        QVERIFY(!NxVoiceAnimationHelper::instance()->isRunning());
        QVERIFY(NxPaintProbe::same(speakerCorner(tile), icon));
    }

    void closingDuringAPreviewEndsItWithoutLateCalls()
    {
        open();
        m_dialog->show();
        QTest::mouseDClick(grid()->items().at(0), Qt::LeftButton);
        audition()->notifyFromThread(true);
        QTRY_VERIFY(NxVoiceAnimationHelper::instance()->isRunning());
        audition()->keepNotifying();
        QTRY_VERIFY(!speed()->isEnabled());
        m_dialog.reset();
        QVERIFY(!audition()); // given back
        QCoreApplication::sendPostedEvents();
        QVERIFY(!NxVoiceAnimationHelper::instance()->isRunning());
    }

};

QTEST_MAIN(TextToSpeechParamDialogTest)
#include "tst_texttospeechparamdialog.moc"
