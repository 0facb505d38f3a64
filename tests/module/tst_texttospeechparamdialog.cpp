#include "INxBaseLog.h"
#include "NxAppSettings.h"
#include "NxCheckBox.h"
#include "NxComboBox.h"
#include "NxConfig.h"
#include "NxDataColumns.h"
#include "NxDialogDriver.h"
#include "NxEventRecorder.h"
#include "NxLabel.h"
#include "NxMessageBoxWatch.h"
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
#include "NMessageDialog.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFormLayout>
#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QThreadPool>

#include <algorithm>
#include <memory>

Q_DECLARE_METATYPE(QList<NxTextToSpeechVoiceInfo>)

namespace
{
const QString PanelSource = QStringLiteral("NxSpeechService/NxTextToSpeechParamVarneloPanel");
const QString Popup = QStringLiteral("embeded_window_popup{window_name=TTS_params_setting}");
const QString MatchText = QStringLiteral("Transcriptions are automatically matched to the timeline");
const QString NetworkText = QStringLiteral("Network error, please check network settings or try again.");

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

void setInterfaceLanguage(int language)
{
    NxAppSettings::GetInstance()->GetSettings()->GetGeneralSetting()->SetLanguage(language);
}

void remember(const QString& key, const QVariant& value)
{
    NxConfig::Instance().SetAppValue(QStringLiteral("TextToSpeechParam"), key, value, false);
}

QVariant remembered(const QString& key)
{
    return NxConfig::Instance().GetAppValue(QStringLiteral("TextToSpeechParam"), key, false, QVariant());
}

void writeCache(const QByteArray& content)
{
    QFile file(NxVoiceListCache::filePath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

// The speaker corner of a tile, where the animation frames show.
QImage speakerCorner(NxVoiceItem* tile)
{
    return NxPaintProbe::shot(tile).copy(QRect(tile->width() - 32, 8, 24, 24));
}
}

// The voice-list parameter dialog a host shows before speaking titles,
// driven as a user would against a scripted catalogue and preview service.
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
    NxCheckBox* matchBox() const { return m_dialog->findChild<NxCheckBox*>(); }
    QList<int> tileIds() const
    {
        QList<int> ids;
        for (NxVoiceItem* tile : grid()->items())
            ids << tile->id();
        return ids;
    }
    QList<int> selectedIds() const
    {
        QList<int> ids;
        for (NxVoiceItem* tile : grid()->items())
            if (tile->isSelected())
                ids << tile->id();
        return ids;
    }
    // The slider on the form row labelled `label`.
    NxPropertyNonLineSliderEx* slider(const QString& label) const
    {
        auto* form = m_dialog->findChild<QFormLayout*>();
        for (int row = 0; row < form->rowCount(); ++row) {
            auto* name = qobject_cast<NxLabel*>(form->itemAt(row, QFormLayout::LabelRole)->widget());
            if (name && name->text() == label)
                return qobject_cast<NxPropertyNonLineSliderEx*>(form->itemAt(row, QFormLayout::FieldRole)->widget());
        }
        return nullptr;
    }
    NxPropertyNonLineSliderEx* speed() const { return slider(QStringLiteral("Speed:")); }
    NxPropertyNonLineSliderEx* pitch() const { return slider(QStringLiteral("Pitch:")); }
    void chooseLanguage(const QString& name)
    {
        combo()->setCurrentIndex(combo()->findText(name));
    }
    void open(int interfaceLanguage = 1)
    {
        setInterfaceLanguage(interfaceLanguage);
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
        NxScriptedVoiceQuery::install({true, {voice(70, "Andy", "en-US"), voice(57, "Emily", "en-GB", false)}});
        open();
        QFile file(NxVoiceListCache::filePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()), QStringLiteral(R"({
    "1": {
        "code": "en-US-Andy",
        "id": 70,
        "languageCode": "en-US",
        "male": true,
        "showName": "Andy"
    },
    "2": {
        "code": "en-GB-Emily",
        "id": 57,
        "languageCode": "en-GB",
        "male": false,
        "showName": "Emily"
    }
}
)"));
        QVERIFY(m_log.isEmpty());
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
        NxScriptedVoiceQuery::install({answers, {}});
        if (answers)
            NxScriptedVoiceQuery::install({true, catalogue()});
        open();
        QCOMPARE(tileIds(), tiles);
        QCOMPARE(m_log, log);
        QCOMPARE(m_dialog->GetParam().voiceId, tiles.value(0, -1));
    }

    void theCacheReaderSkipsWhatItCannotUse_data()
    {
        columns<QByteArray, QStringList>({"content", "voices"});
        const QByteArray good = R"("id": 70, "showName": "Andy", "code": "a", "languageCode": "en-US")";
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("truncated") << QByteArray(R"({"1": {)" + good) << QStringList{};
        QTest::newRow("an array, not an object") << QByteArray("[1, 2]") << QStringList{};
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
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        const auto restored = qScopeGuard([] { QLoggingCategory::setFilterRules(QString()); });
        QCOMPARE(summary(NxVoiceListCache::parse(content)), voices);
    }

    void aMissingCacheLeavesTheListAlone()
    {
        QList<NxTextToSpeechVoiceInfo> voices{voice(70, "Andy", "en-US")};
        QVERIFY(!NxVoiceListCache::read(NxVoiceListCache::filePath(), voices));
        QCOMPARE(voices.size(), 1);
    }

    void aFailedCacheWriteKeepsTheOldCache()
    {
        QVERIFY(NxVoiceListCache::write(NxVoiceListCache::filePath(), catalogue()));
        QVERIFY(!NxVoiceListCache::write(m_home.path() + QStringLiteral("/no such folder/voice_list.json"), catalogue()));
        QList<NxTextToSpeechVoiceInfo> voices;
        QVERIFY(NxVoiceListCache::read(NxVoiceListCache::filePath(), voices));
        QCOMPARE(voices.size(), catalogue().size());
    }

    void randomlyDamagedCachesNeverBreakTheReader()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        const auto restored = qScopeGuard([] { QLoggingCategory::setFilterRules(QString()); });
        QVERIFY(NxVoiceListCache::write(NxVoiceListCache::filePath(), catalogue()));
        QFile file(NxVoiceListCache::filePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray valid = file.readAll();
        const QList<QByteArray> swaps{"70", "\"70\"", "true", "null", "[]", "{}", "1e999", "-0", "\"\"",
                                      "\"1\": {}", QByteArray(5000, 'x'), "\"\\u0000\"", "9999999999"};
        QRandomGenerator random(20240611);
        QElapsedTimer clock;
        clock.start();
        int cases = 0;
        for (; cases < 3000 && clock.elapsed() < 10000; ++cases) {
            QByteArray damaged = valid;
            for (int edits = 1 + random.bounded(3); edits > 0; --edits) {
                const int at = random.bounded(damaged.size() + 1);
                switch (random.bounded(4)) {
                case 0: damaged.truncate(at); break;
                case 1: if (at < damaged.size()) damaged[at] = char(random.bounded(256)); break;
                case 2: damaged.insert(at, swaps[random.bounded(swaps.size())]); break;
                default: damaged.replace(at, random.bounded(8), swaps[random.bounded(swaps.size())]); break;
                }
            }
            const QList<NxTextToSpeechVoiceInfo> voices = NxVoiceListCache::parse(damaged);
            // Every voice read comes from an object of its own.
            QVERIFY2(voices.size() <= damaged.count('{'), damaged.constData());
            // What was read survives being cached and read again, renumbered.
            QList<NxTextToSpeechVoiceInfo> expected;
            QStringList positions;
            for (int i = 1; i <= voices.size(); ++i)
                positions << QString::number(i);
            std::sort(positions.begin(), positions.end());
            for (const QString& position : positions)
                expected << voices.at(position.toInt() - 1);
            QVERIFY(NxVoiceListCache::write(NxVoiceListCache::filePath(), voices));
            QList<NxTextToSpeechVoiceInfo> again;
            QVERIFY(NxVoiceListCache::read(NxVoiceListCache::filePath(), again));
            QCOMPARE(summary(again), summary(expected));
        }
        QVERIFY(cases >= 100);
    }

    void aHugeCacheLoadsQuicklyAndStopsAtAThousandTiles()
    {
        QByteArray content = "{";
        for (int i = 1; i <= 100000; ++i)
            content += QStringLiteral(R"("%1": {"id": %2, "code": "c%1", "languageCode": "en-US", "male": true, )"
                                      R"("showName": "%3"},)")
                           .arg(i).arg(70 + i % 12).arg(QString(i % 1000 == 0 ? 20000 : 8, 'n'))
                           .toUtf8();
        content.chop(1);
        content += "}";
        writeCache(content);
        NxScriptedVoiceQuery::install({false, {}});
#if defined(__SANITIZE_ADDRESS__)
        constexpr qint64 Budget = 5000;
#else
        constexpr qint64 Budget = 1000;
#endif
        QElapsedTimer clock;
        clock.start();
        QList<NxTextToSpeechVoiceInfo> voices;
        QVERIFY(NxVoiceListCache::read(NxVoiceListCache::filePath(), voices));
        QVERIFY2(clock.elapsed() < Budget, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(voices.size(), 100000);
        clock.restart();
        open();
        QVERIFY2(clock.elapsed() < 2 * Budget, qPrintable(QString::number(clock.elapsed())));
        // 83,334 records offer an American voice (80 and 81 are not offered);
        // every one would be a tile, but no real catalogue has a thousand.
        QCOMPARE(tileIds().size(), 1000);
    }

    void aVoiceListedTwiceHasATileEachTime_data()
    {
        columns<QVariant, QString, QList<int>>({"rememberedVoice", "language", "chosenTiles"});
        QTest::newRow("nothing remembered: only the first tile") << QVariant() << "" << QList<int>{0};
        QTest::newRow("a remembered voice is chosen on each of its tiles") << QVariant(71) << "" << QList<int>{1, 4};
        QTest::newRow("a language change chooses the first tile only")
            << QVariant(71) << "English (UK)" << QList<int>{0};
    }
    void aVoiceListedTwiceHasATileEachTime()
    {
        QFETCH(QVariant, rememberedVoice); QFETCH(QString, language); QFETCH(QList<int>, chosenTiles);
        NxScriptedVoiceQuery::install({true, {voice(70, "A", "en-US"), voice(71, "B", "en-US"), voice(70, "A", "en-US"),
                                              voice(57, "Emily", "en-GB"), voice(72, "C", "en-US"), voice(71, "B2", "en-US"),
                                              voice(57, "Emily", "en-GB")}});
        remember("voice", rememberedVoice);
        open();
        if (!language.isEmpty()) {
            chooseLanguage(language);
            chooseLanguage(QStringLiteral("English (US)"));
        }
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
        QTest::newRow("a voice of another language chooses the first tile")
            << QVariant(57) << QVariant() << QVariant() << 70 << 2 << 2 << QStringList{};
        QTest::newRow("a stored -1 after OK without a tile chooses the first")
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
        QCOMPARE(selectedIds(), QList<int>{chosen});
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
        QCOMPARE(selectedIds(), QList<int>{57});
        QCOMPARE(m_dialog->GetParam().languageCode, QStringLiteral("en-GB"));
        chooseLanguage(QStringLiteral("English (US)"));
        QCOMPARE(selectedIds(), QList<int>{70});
        QCOMPARE(audition()->calls().count(QStringLiteral("stop")), 3); // at opening and per change
    }

    void withoutVoicesNothingIsChosen_data()
    {
        columns<int, QString, QString>({"interfaceLanguage", "language", "code"});
        QTest::newRow("a language the catalogue has no voice for") << 1 << "Swedish (Sweden)" << "sv-SE";
        QTest::newRow("an interface language outside the list") << 18 << "" << "";
    }
    void withoutVoicesNothingIsChosen()
    {
        QFETCH(int, interfaceLanguage); QFETCH(QString, language); QFETCH(QString, code);
        open(interfaceLanguage);
        if (!language.isEmpty())
            chooseLanguage(language);
        QVERIFY(grid()->items().isEmpty());
        const TextToSpeechTaskParam param = m_dialog->GetParam();
        QCOMPARE(param.voiceId, -1);
        QCOMPARE(param.voiceName, QString());
        QCOMPARE(param.languageCode, code);
    }

    void okRemembersTheChoiceAndReportsNothingMore_data()
    {
        columns<int, QStringList, int, int, int, QString, QString>(
            {"interfaceLanguage", "actions", "voice", "speed", "pitch", "speedName", "pitchName"});
        QTest::newRow("as opened") << 1 << QStringList{} << 70 << 0 << 0 << "Normal" << "Normal";
        QTest::newRow("one step slower is Slow") << 1 << QStringList{"speed left"} << 70 << -1 << 0 << "Slow" << "Normal";
        QTest::newRow("one step faster and the highest pitch")
            << 1 << QStringList{"speed right", "pitch end"} << 70 << 1 << 2 << "Fast" << "High";
        QTest::newRow("the lowest steps") << 1 << QStringList{"speed home", "pitch home"} << 70 << -2 << -2 << "Slow" << "Low";
        QTest::newRow("a clicked tile") << 1 << QStringList{"tile 3"} << 73 << 0 << 0 << "Normal" << "Normal";
        QTest::newRow("no tile stores -1") << 18 << QStringList{} << -1 << 0 << 0 << "Normal" << "Normal";
    }
    void okRemembersTheChoiceAndReportsNothingMore()
    {
        QFETCH(int, interfaceLanguage); QFETCH(QStringList, actions); QFETCH(int, voice);
        QFETCH(int, speed); QFETCH(int, pitch); QFETCH(QString, speedName); QFETCH(QString, pitchName);
        open(interfaceLanguage);
        whenModal(this, [&](QWidget*) {
            for (const QString& action : actions) {
                const QStringList words = action.split(' ');
                if (words[0] == "tile") {
                    QTest::mouseClick(grid()->items().at(words[1].toInt()), Qt::LeftButton);
                    continue;
                }
                const Qt::Key key = words[1] == "left" ? Qt::Key_Left : words[1] == "right" ? Qt::Key_Right
                                                      : words[1] == "end" ? Qt::Key_End : Qt::Key_Home;
                QTest::keyClick(words[0] == "speed" ? this->speed() : this->pitch(), key);
            }
            QTest::mouseClick(childCaptioned<NxPushButton>(m_dialog.get(), "OK"), Qt::LeftButton);
        });
        QCOMPARE(m_dialog->exec(), int(QDialog::Accepted));
        const TextToSpeechTaskParam param = m_dialog->GetParam();
        QCOMPARE(param.speedName, speedName);
        QCOMPARE(param.intonationName, pitchName);
        QCOMPARE(remembered("voice").toInt(), voice);
        QCOMPARE(remembered("speed").toInt(), speed);
        QCOMPARE(remembered("pitch").toInt(), pitch);
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
        NxVoiceItem* other = grid()->items().at(1);
        const QImage otherIcon = speakerCorner(other);
        QTest::mouseDClick(tile, Qt::LeftButton);
        const QImage icon = speakerCorner(tile); // chosen now, not yet speaking
        QCOMPARE(audition()->calls().mid(audition()->calls().indexOf("setVoice 72")),
                 (QStringList{"setVoice 72", "setIntonation -2", "setSpeed 1", "play"}));
        QVERIFY(speed()->isEnabled());

        audition()->notifyFromThread(true);
        QTRY_VERIFY(!speed()->isEnabled());
        QVERIFY(!pitch()->isEnabled());
        QTRY_VERIFY(!NxPaintProbe::same(speakerCorner(tile), icon));
        QVERIFY(NxPaintProbe::same(speakerCorner(other), otherIcon));

        audition()->notifyFromThread(false);
        QTRY_VERIFY(speed()->isEnabled());
        QVERIFY(pitch()->isEnabled());
        QVERIFY(!NxVoiceAnimationHelper::instance()->isRunning());
        QVERIFY(NxPaintProbe::same(speakerCorner(tile), icon));
    }

    void aFailedPreviewExplainsOnlyANetworkError_data()
    {
        columns<bool, bool, int>({"plays", "networkError", "boxes"});
        QTest::newRow("a network error is explained") << false << true << 1;
        QTest::newRow("another failure says nothing") << false << false << 0;
        QTest::newRow("a preview that plays asks nothing more") << true << true << 0;
    }
    void aFailedPreviewExplainsOnlyANetworkError()
    {
        QFETCH(bool, plays); QFETCH(bool, networkError); QFETCH(int, boxes);
        open();
        m_dialog->show();
        audition()->script(plays, networkError);
        int shown = 0;
        QObject watch;
        whenMessageBoxOpens(&watch, [&](NMessageDialog* box) {
            ++shown;
            QVERIFY(childCaptioned<QLabel>(box, NetworkText));
            answerBox(box, QStringLiteral("OK"));
        });
        QTest::mouseDClick(grid()->items().at(0), Qt::LeftButton);
        QCOMPARE(shown, boxes);
        QCOMPARE(audition()->calls().contains("isNetworkError"), !plays);
        QVERIFY(m_dialog->isVisible());
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

    void longCheckBoxTextsWrapAndFollowTheLanguage()
    {
        open();
        m_dialog->show();
        QCOMPARE(matchBox()->height(), 16);
        NxMapTranslator translator;
        const QString german = QStringLiteral("Transkriptionen werden automatisch an der Zeitleiste ausgerichtet");
        translator.texts.insert({"NxTextToSpeechParamVarneloPanel", MatchText.toUtf8()}, german);
        translator.texts.insert({"NxTextToSpeechParamVarneloPanel", "Speed:"}, QStringLiteral("Tempo:"));
        QCoreApplication::installTranslator(&translator);
        const auto removed = qScopeGuard([&translator] { QCoreApplication::removeTranslator(&translator); });
        QTRY_COMPARE(matchBox()->height(), 32);
        QCOMPARE(matchBox()->text(), QStringLiteral("Transkriptionen werden automatisch an der Zeitleiste\nausgerichtet"));
        QVERIFY(slider(QStringLiteral("Tempo:")));
        QVERIFY(m_dialog->rect().contains(QRect(matchBox()->mapTo(m_dialog.get(), QPoint()), matchBox()->size())));
    }

};

QTEST_MAIN(TextToSpeechParamDialogTest)
#include "tst_texttospeechparamdialog.moc"
