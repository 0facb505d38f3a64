#include "INxBaseLog.h"
#include "NMessageDialog.h"
#include "NxAppSettings.h"
#include "NxCheckBox.h"
#include "NxComboBox.h"
#include "NxConfig.h"
#include "NxCustomRadioButton.h"
#include "NxDataColumns.h"
#include "NxDialogDriver.h"
#include "NxEventRecorder.h"
#include "NxHostWindowWatch.h"
#include "NxMessageBoxWatch.h"
#include "NxPaintProbe.h"
#include "NxPropertyNonLineSliderEx.h"
#include "NxPushButton.h"
#include "NxRadioButton.h"
#include "NxScriptedVoiceServices.h"
#include "NxSingleton.h"
#include "NxSkinStyle.h"
#include "NxSpeechToTextParamDialog.h"
#include "NxTestHome.h"
#include "NxTextToSpeechParamDialog.h"
#include "NxTextToSpeechParamDlg.h"
#include "NxVoiceAnimationHelper.h"
#include "NxVoiceItem.h"
#include "NxVoiceListCache.h"
#include "NxVoicePanel.h"

#include <QApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMetaMethod>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <tuple>

Q_DECLARE_METATYPE(QList<NxTextToSpeechVoiceInfo>)

namespace
{
const QString SpeechToText = QStringLiteral("speech-to-text");
const QString TextToSpeech = QStringLiteral("text-to-speech");
const QString Classic = QStringLiteral("classic text-to-speech");
const QString SttPopup = QStringLiteral("embeded_window_popup{window_name=STT_params_setting}");
const QString TtsPopup = QStringLiteral("embeded_window_popup{window_name=TTS_params_setting}");
const QString BothLanguages = QStringLiteral("tips: Support Chinese And English Tranfer");
const QString EnglishOnly = QStringLiteral("tips: only Support EnglishTransfer");

// What each text-to-speech dialog remembers between openings.
const QString TtsGroup = QStringLiteral("TextToSpeechParam");
const QStringList TtsKeys = {"voice", "speed", "pitch"};
const QString ClassicGroup = QStringLiteral("TextAudioParam");
const QStringList ClassicKeys = {"TextAudioVocalist", "TextAudioIntonation", "TextAudioSpeakRate"};

QVariantList stored(const QString& group, const QStringList& keys)
{
    QVariantList values;
    for (const QString& key : keys)
        values << NxConfig::Instance().GetAppValue(group, key, false, QVariant());
    return values;
}

void store(const QString& group, const QStringList& keys, const QVariantList& values)
{
    for (int index = 0; index < keys.size(); ++index)
        NxConfig::Instance().SetAppValue(group, keys[index], values.value(index), false);
}

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

// The classic panel's words as a translation gives them, by source text.
using Words = QHash<QString, QString>;

}

// The three parameter dialogs a host opens, driven as a user would against
// a scripted voice catalogue and preview service: what they share, then
// each dialog's own choices.
class ParamDialogsTest : public QObject
{
    Q_OBJECT

    NxTestHome m_home;
    std::unique_ptr<NxEventRecorder> m_events;
    std::unique_ptr<NxFramelessDialog> m_dialog;
    QStringList m_log; // the voice-list panel's log
    int m_logHandle = -1;

    void open(const QString& dialog, int interfaceLanguage = 1)
    {
        NxAppSettings::GetInstance()->GetSettings()->GetGeneralSetting()->SetLanguage(interfaceLanguage);
        m_events = std::make_unique<NxEventRecorder>();
        if (dialog == SpeechToText)
            m_dialog = std::make_unique<NxSpeechToTextParamDialog>(nullptr);
        else if (dialog == TextToSpeech)
            m_dialog = std::make_unique<NxTextToSpeechParamDialog>(nullptr);
        else
            m_dialog = std::make_unique<NxTextToSpeechParamDlg>(nullptr);
    }
    void show(const QString& dialog) { open(dialog); m_dialog->show(); }
    NxSpeechToTextParamDialog* stt() const { return static_cast<NxSpeechToTextParamDialog*>(m_dialog.get()); }
    NxTextToSpeechParamDialog* tts() const { return static_cast<NxTextToSpeechParamDialog*>(m_dialog.get()); }
    NxTextToSpeechParamDlg* classic() const { return static_cast<NxTextToSpeechParamDlg*>(m_dialog.get()); }
    template <typename T, typename... Caption>
    T* captioned(const QString& text, Caption... caption) const { return childCaptioned<T>(m_dialog.get(), text, caption...); }
    void clickButton(const QString& text) { QTest::mouseClick(captioned<NxPushButton>(text), Qt::LeftButton); }
    NxComboBox* combo() const { return m_dialog->findChild<NxComboBox*>(); }

    // The speech-to-text dialog.
    NxCustomRadioButton* clip() const { return captioned<NxCustomRadioButton>("Clip selection", &NxCustomRadioButton::displayText); }
    NxCustomRadioButton* timeline() const
    {
        return captioned<NxCustomRadioButton>("The entire timeline sequence", &NxCustomRadioButton::displayText);
    }
    NxCheckBox* matchBox() const { return m_dialog->findChild<NxCheckBox*>(); }

    // The voice-list dialog.
    NxVoicePanel* grid() const { return m_dialog->findChild<NxVoicePanel*>(); }
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
    void chooseLanguage(const QString& name) { combo()->setCurrentIndex(combo()->findText(name)); }
    NxScriptedVoiceAudition* audition() const { return NxScriptedVoiceAudition::latest(); }

    // The classic dialog.
    NxPushButton* vocalist(const QString& id) const
    {
        for (auto* button : m_dialog->findChildren<NxPushButton*>(QStringLiteral("NxTextToSpeech_tone_btn")))
            if (button->property("id").toString() == id)
                return button;
        return nullptr;
    }
    QWidget* panel() const { return vocalist("Aida")->parentWidget(); }
    // "Aida", "lowTone", "HighSpeak"...: clicks what shows that text or id.
    void choose(const QStringList& choices)
    {
        for (const QString& choice : choices)
            QTest::mouseClick(vocalist(choice) ? static_cast<QWidget*>(vocalist(choice)) : captioned<NxRadioButton>(choice),
                              Qt::LeftButton);
    }

private slots:
    void initTestCase()
    {
        NxScriptedVoiceAudition::install();
        m_logHandle = GetGlobalLogInstance()->addListener([this](const NxLogEntry& entry) {
            if (entry.file == QLatin1String("NxSpeechService/NxTextToSpeechParamVarneloPanel"))
                m_log << entry.message;
        });
    }
    void cleanupTestCase() { GetGlobalLogInstance()->removeListener(m_logHandle); }
    void init()
    {
        NxScriptedVoiceQuery::install({true, catalogue()});
        QFile::remove(NxVoiceListCache::filePath());
        store(TtsGroup, TtsKeys, {});
        store(ClassicGroup, ClassicKeys, {});
        m_log.clear();
    }
    void cleanup() { m_dialog.reset(); m_events.reset(); }

    void closingWithoutConfirmingRemembersAndReportsNothing_data()
    {
        columns<QString, QString, QStringList>({"dialog", "how", "events"});
        for (const QString how : {"Cancel", "Escape", "close", "Return"}) {
            QTest::addRow("%s, %s", qPrintable(SpeechToText), qPrintable(how)) << SpeechToText << how << QStringList{SttPopup};
            QTest::addRow("%s, %s", qPrintable(TextToSpeech), qPrintable(how)) << TextToSpeech << how << QStringList{TtsPopup};
            if (how != QLatin1String("Cancel"))
                QTest::addRow("%s, %s", qPrintable(Classic), qPrintable(how)) << Classic << how << QStringList();
        }
    }
    void closingWithoutConfirmingRemembersAndReportsNothing()
    {
        QFETCH(QString, dialog); QFETCH(QString, how); QFETCH(QStringList, events);
        const auto remembered = [] { return stored(TtsGroup, TtsKeys) + stored(ClassicGroup, ClassicKeys); };
        const QVariantList before = remembered();
        open(dialog);
        QVariantList atClose;
        connect(m_dialog.get(), &QDialog::finished, this, [&] { atClose = remembered(); });
        whenModal(this, [&](QWidget* modal) {
            QCOMPARE(modal, m_dialog.get());
            // What a user changes before changing their mind: every slider to its end,
            // another radio in each group, the check box.
            for (auto* slider : m_dialog->findChildren<NxPropertyNonLineSliderEx*>())
                QTest::keyClick(slider, Qt::Key_End);
            for (auto* radio : m_dialog->findChildren<NxRadioButton*>())
                if (!radio->isChecked())
                    QTest::mouseClick(radio, Qt::LeftButton);
            for (auto* box : m_dialog->findChildren<NxCheckBox*>())
                QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
            dismissDialog(m_dialog.get(), how);
        });
        QCOMPARE(m_dialog->exec(), int(QDialog::Rejected));
        QCOMPARE(atClose, before);
        QCOMPARE(m_events->summaries(), events);
    }

    void aShownDialogBringsItsHostWindowBack_data()
    {
        columns<QString, QString, bool>({"dialog", "host", "maximised"});
        for (const QString& dialog : {SpeechToText, TextToSpeech}) {
            QTest::addRow("%s: minimised", qPrintable(dialog)) << dialog << "minimise" << false;
            QTest::addRow("%s: minimised while maximised stays maximised", qPrintable(dialog)) << dialog << "minimise" << true;
            QTest::addRow("%s: hidden", qPrintable(dialog)) << dialog << "hide" << false;
            QTest::addRow("%s: closed, the host may minimise", qPrintable(dialog)) << dialog << "closed" << false;
        }
    }
    void aShownDialogBringsItsHostWindowBack()
    {
        QFETCH(QString, dialog); QFETCH(QString, host); QFETCH(bool, maximised);
        QWidget window;
        auto* timelineView = new QWidget(&window);
        maximised ? window.showMaximized() : window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        open(dialog);
        dialog == SpeechToText ? stt()->setWidget(timelineView) : tts()->setWidget(timelineView);
        if (host == "closed") {
            // The watch goes on ticking while the dialog exists; it leaves a closed dialog's host alone.
            QTimer* watch = nullptr;
            for (QTimer* timer : m_dialog->findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly))
                watch = timer->interval() == NxHostWindowWatch::Interval ? timer : watch;
            QVERIFY(watch);
            QSignalSpy ticks(watch, &QTimer::timeout);
            window.showMinimized();
            QVERIFY(ticks.wait() && ticks.wait());
            QVERIFY(window.isMinimized());
            return;
        }
        m_dialog->show();
        if (host == "hide")
            window.hide();
        else
            window.setWindowState(window.windowState() | Qt::WindowMinimized);
        QTRY_VERIFY(window.isVisible() && !window.isMinimized());
        QCOMPARE(window.isMaximized(), maximised);
        QTRY_COMPARE(QApplication::activeWindow(), m_dialog.get());
    }

    // The match box's text as a translation gives it: past 60 characters it
    // breaks at the last space within them.
    void aLanguageChangeRetranslatesTheOpenDialog_data()
    {
        columns<QString, QByteArray, QString, QString, int>({"dialog", "context", "text", "shown", "height"});
        const QString fifty(50, 'a'), sixty(60, 'a'), seventy(70, 'a');
        const QList<std::tuple<const char*, QString, QString, int>> wraps{
            {"60 characters stay on one line", fifty + " bbbbbbbbb", fifty + " bbbbbbbbb", 16},
            {"61 characters break at the last space", fifty + " bbbb ccccc", fifty + " bbbb\nccccc", 32},
            {"blanks around the break are dropped", fifty + " b   cccccc  ", fifty + " b  \ncccccc", 32},
            {"no space in the first 60: one line", sixty + " bbbb", sixty + " bbbb", 16},
            {"a leading space only: one line", " " + seventy, " " + seventy, 16}};
        for (const auto& [dialog, context] : {std::pair(SpeechToText, "NxSpeechToTextParamPanel"),
                                              std::pair(TextToSpeech, "NxTextToSpeechParamVarneloPanel")})
            for (const auto& [name, text, shown, height] : wraps)
                QTest::addRow("%s: %s", qPrintable(dialog), name) << dialog << QByteArray(context) << text << shown << height;
    }
    void aLanguageChangeRetranslatesTheOpenDialog()
    {
        QFETCH(QString, dialog); QFETCH(QByteArray, context); QFETCH(QString, text); QFETCH(QString, shown); QFETCH(int, height);
        show(dialog);
        const int chosen = combo()->currentIndex();
        NxMapTranslator translator;
        translator.texts.insert({context, "Transcriptions are automatically matched to the timeline"}, text);
        translator.texts.insert({context, "OK"}, QStringLiteral("Gut"));
        QCoreApplication::installTranslator(&translator); // windows hear of it through a posted event
        const auto removed = qScopeGuard([&translator] { QCoreApplication::removeTranslator(&translator); });
        QTRY_VERIFY(captioned<NxPushButton>(QStringLiteral("Gut")));
        QCOMPARE(matchBox()->text(), shown);
        QCOMPARE(matchBox()->height(), height);
        // Both lines stay inside the fixed-size dialog.
        QVERIFY(m_dialog->rect().contains(QRect(matchBox()->mapTo(m_dialog.get(), QPoint()), matchBox()->size())));
        QCOMPARE(combo()->currentIndex(), chosen);
    }

    // Text-to-speech previews: the voice-list dialog on a double-clicked
    // tile, the classic one on its button.
    void aPreviewThatCannotStartSaysSo_data()
    {
        columns<QString, bool, bool, QString, bool>({"dialog", "plays", "networkError", "box", "asked"});
        const QString network = QStringLiteral("Network error, please check network settings or try again.");
        const QString failed = QStringLiteral("Network Failed Please Try");
        QTest::newRow("voice list: a network error is explained") << TextToSpeech << false << true << network << true;
        QTest::newRow("voice list: another failure says nothing") << TextToSpeech << false << false << "" << true;
        QTest::newRow("voice list: a preview that plays asks nothing more") << TextToSpeech << true << true << "" << false;
        QTest::newRow("classic: playing shows nothing") << Classic << true << false << "" << false;
        QTest::newRow("classic: a network error") << Classic << false << true << failed << false;
    }
    void aPreviewThatCannotStartSaysSo()
    {
        QFETCH(QString, dialog); QFETCH(bool, plays); QFETCH(bool, networkError); QFETCH(QString, box);
        QFETCH(bool, asked);
        show(dialog);
        audition()->script(plays, networkError);
        QStringList shown;
        QObject watch;
        whenMessageBoxOpens(&watch, [&](NMessageDialog* message) {
            for (auto* text : message->findChildren<QLabel*>())
                if (!text->text().isEmpty())
                    shown << text->text();
            answerBox(message, QStringLiteral("OK"));
        });
        if (dialog == Classic)
            clickButton("Try Listen");
        else
            QTest::mouseDClick(grid()->items().at(0), Qt::LeftButton);
        QCOMPARE(shown.contains(box), !box.isEmpty());
        QCOMPARE(audition()->calls().contains("isNetworkError"), asked);
        QVERIFY(m_dialog->isVisible());
    }

    void radiosStayExclusiveWithoutFeedback_data()
    {
        columns<bool, bool, QStringList, bool, bool, int, int>(
            {"timelineChecked", "timelineEnabled", "clicks", "clipChecked", "timelineOn", "clipSignals", "timelineSignals"});
        QTest::newRow("clicking the timeline, then the clip again") << false << true << QStringList{"timeline", "clip"} << true << false << 1 << 1;
        QTest::newRow("clicking the checked clip changes nothing") << false << true << QStringList{"clip"} << true << false << 0 << 0;
        QTest::newRow("the host checks the timeline") << true << true << QStringList{} << false << true << 0 << 1;
        QTest::newRow("a checked, disabled timeline: clicking the clip leaves it alone")
            << true << false << QStringList{"clip"} << true << true << 1 << 1;
    }
    void radiosStayExclusiveWithoutFeedback()
    {
        QFETCH(bool, timelineChecked); QFETCH(bool, timelineEnabled); QFETCH(QStringList, clicks);
        QFETCH(bool, clipChecked); QFETCH(bool, timelineOn); QFETCH(int, clipSignals); QFETCH(int, timelineSignals);
        show(SpeechToText);
        QSignalSpy clipSpy(clip(), &NxCustomRadioButton::sigStateChanged);
        QSignalSpy timelineSpy(timeline(), &NxCustomRadioButton::sigStateChanged);
        stt()->setTimelineRatioState(timelineChecked, timelineEnabled);
        for (const QString& click : clicks)
            QTest::mouseClick(click == "clip" ? clip() : timeline(), Qt::LeftButton);
        QCOMPARE(clip()->isChecked(), clipChecked);
        QCOMPARE(timeline()->isChecked(), timelineOn);
        QCOMPARE(stt()->GetParam().isClip, clipChecked);
        QCOMPARE(clipSpy.count(), clipSignals);
        QCOMPARE(timelineSpy.count(), timelineSignals);
    }

    // The report names the language; the record carries its code.
    void okReportsTheTranscriptionChoiceBeforeClosing_data()
    {
        columns<int, QStringList, QString, QString>({"interfaceLanguage", "actions", "code", "report"});
        QTest::newRow("as opened: the clip, matched")
            << 1 << QStringList{} << "en-US" << "STT_language=English (US),Select_converted=clip,is_use_check=true";
        QTest::newRow("whole timeline, the user unchecks the box") << 3 << QStringList{"timeline", "box"} << "es-ES"
            << "STT_language=Spanish (Spain),Select_converted=sequence,is_use_check=false";
        QTest::newRow("the host's Cantonese (8); a disabled box reports false despite its mark") << 8 << QStringList{"disable box"}
            << "yue-HK" << "STT_language=Chinese (Cantonese),Select_converted=clip,is_use_check=false";
        QTest::newRow("English (UK), listed second")
            << 19 << QStringList{} << "en-GB" << "STT_language=English (UK),Select_converted=clip,is_use_check=true";
        QTest::newRow("18 is no language") << 18 << QStringList{} << "" << "STT_language=,Select_converted=clip,is_use_check=true";
        QTest::newRow("no language, then the user picks the first")
            << 18 << QStringList{"down"} << "en-US" << "STT_language=English (US),Select_converted=clip,is_use_check=true";
    }
    void okReportsTheTranscriptionChoiceBeforeClosing()
    {
        QFETCH(int, interfaceLanguage); QFETCH(QStringList, actions); QFETCH(QString, code); QFETCH(QString, report);
        open(SpeechToText, interfaceLanguage);
        QStringList atClose;
        connect(m_dialog.get(), &QDialog::finished, this, [&] { atClose = m_events->summaries(); });
        whenModal(this, [&](QWidget*) {
            if (actions.contains("timeline"))
                QTest::mouseClick(timeline(), Qt::LeftButton);
            if (actions.contains("box"))
                QTest::mouseClick(matchBox(), Qt::LeftButton, {}, QPoint(8, matchBox()->height() / 2));
            if (actions.contains("disable box"))
                stt()->setCheckState(true, false);
            if (actions.contains("down"))
                QTest::keyClick(combo(), Qt::Key_Down);
            clickButton("OK");
        });
        QCOMPARE(m_dialog->exec(), int(QDialog::Accepted));
        QCOMPARE(atClose, (QStringList{SttPopup, "STT_params_setting{" + report + "}"}));
        QCOMPARE(stt()->GetParam().language, code);
    }

    // The voice-list dialog.

    void anAnsweredQueryIsCachedInTheIndentedFormat()
    {
        NxScriptedVoiceQuery::install({true, {voice(57, "Emily", "en-GB", false)}});
        open(TextToSpeech);
        QFile file(NxVoiceListCache::filePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QJsonObject emily{{"code", "en-GB-Emily"}, {"id", 57}, {"languageCode", "en-GB"}, {"male", false}, {"showName", "Emily"}};
        QCOMPARE(file.readAll(), QJsonDocument(QJsonObject{{"1", emily}}).toJson(QJsonDocument::Indented));
        QVERIFY(m_log.isEmpty());
        QVERIFY(!NxVoiceListCache::write(m_home.path() + QStringLiteral("/no such folder/voice_list.json"), catalogue()));
    }

    void aFailedQueryFallsBackToTheCacheInItsKeyOrder_data()
    {
        columns<bool, bool, QList<int>, QStringList>({"answers", "cached", "tiles", "log"});
        const QStringList fallback{QStringLiteral("TTS load voice from cache")};
        QTest::newRow("an answer shows the catalogue's order") << true << true << QList<int>{70, 71, 72, 73, 74, 75, 76, 77, 78, 79} << QStringList{};
        QTest::newRow("from the cache \"10\" comes before \"2\"") << false << true << QList<int>{70, 79, 71, 72, 73, 74, 75, 76, 77, 78} << fallback;
        QTest::newRow("no answer and no cache: no voices") << false << false << QList<int>{} << fallback;
    }
    void aFailedQueryFallsBackToTheCacheInItsKeyOrder()
    {
        QFETCH(bool, answers); QFETCH(bool, cached); QFETCH(QList<int>, tiles); QFETCH(QStringList, log);
        if (cached)
            QVERIFY(NxVoiceListCache::write(NxVoiceListCache::filePath(), catalogue()));
        NxScriptedVoiceQuery::install({answers, answers ? catalogue() : QList<NxTextToSpeechVoiceInfo>()});
        open(TextToSpeech);
        QCOMPARE(tileIds(), tiles);
        QCOMPARE(m_log, log);
        QCOMPARE(tts()->GetParam().voiceId, tiles.value(0, -1));
    }

    // A voice reads "id/showName/code/languageCode/male".
    void theCacheReaderSkipsWhatItCannotUse_data()
    {
        columns<QByteArray, QStringList>({"content", "voices"});
        const QByteArray good = R"("id": 70, "showName": "Andy", "code": "a", "languageCode": "en-US")";
        QTest::newRow("truncated") << QByteArray(R"({"1": {)" + good) << QStringList{};
        QTest::newRow("members without male, empty or not objects are skipped")
            << QByteArray(R"({"1": {)" + good + R"(}, "2": {}, "3": 5, "4": "x", "5": null, "6": {)" + good + R"(, "male": false}})")
            << QStringList{"70/Andy/a/en-US/0"};
        QTest::newRow("wrong types read as 0, empty and false")
            << QByteArray(R"({"1": {"id": "70", "showName": 5, "code": null, "languageCode": [], "male": "true"}})")
            << QStringList{"0////0"};
    }
    void theCacheReaderSkipsWhatItCannotUse()
    {
        QFETCH(QByteArray, content); QFETCH(QStringList, voices);
        QStringList read;
        for (const NxTextToSpeechVoiceInfo& v : NxVoiceListCache::parse(content))
            read << QStringLiteral("%1/%2/%3/%4/%5").arg(v.id).arg(v.showName, v.code, v.languageCode).arg(v.male);
        QCOMPARE(read, voices);
    }

    // The host's kit paints a widget's background from its "BGColorType"
    // property; the settings area asks for type 5, its raised surface.
    void theSettingsAreaNamesItsBackgroundForTheKit_data()
    {
        columns<int>({"skin"});
        QTest::newRow("dark skin") << 0;
        QTest::newRow("light skin") << 1;
    }
    void theSettingsAreaNamesItsBackgroundForTheKit()
    {
        QFETCH(int, skin);
        NxSingleton<NxSkinStyle>::instance()->SetSkinKind(skin);
        const auto restored = qScopeGuard([] { NxSingleton<NxSkinStyle>::instance()->SetSkinKind(0); });
        show(TextToSpeech);
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

    // chosen: the tiles chosen, by position; a voice listed twice has a tile each time.
    void theRememberedChoiceIsRestored_data()
    {
        columns<QList<NxTextToSpeechVoiceInfo>, QVariantList, QList<int>, QList<int>, int, int, QStringList>(
            {"voices", "remembered", "tiles", "chosen", "speedStep", "pitchStep", "log"});
        const QList<NxTextToSpeechVoiceInfo> twice{voice(70, "A", "en-US"),    voice(71, "B", "en-US"),  voice(70, "A", "en-US"),
                                                   voice(57, "Emily", "en-GB"), voice(72, "C", "en-US"), voice(71, "B2", "en-US"),
                                                   voice(57, "Emily", "en-GB")};
        const QList<int> american{70, 71, 72, 73, 74, 75, 76, 77, 78, 79}, first{0};
        QTest::newRow("nothing remembered: first tile, both normal") << catalogue() << QVariantList{} << american << first << 2 << 2 << QStringList{};
        QTest::newRow("a remembered pitch of 1 is step 3 and logged")
            << catalogue() << QVariantList{{}, {}, 1} << american << first << 2 << 3 << QStringList{"intonation = 1"};
        QTest::newRow("voice and slow speed")
            << catalogue() << QVariantList{74, -2} << american << QList<int>{4} << 0 << 2 << QStringList{"speakRate = -2"};
        QTest::newRow("a voice without a tile, as the -1 stored after OK without one, chooses the first")
            << catalogue() << QVariantList{-1, 0, 0} << american << first << 2 << 2 << QStringList{"intonation = 0", "speakRate = 0"};
        QTest::newRow("steps off the slider stay normal")
            << catalogue() << QVariantList{{}, 7, -9} << american << first << 2 << 2 << QStringList{"intonation = -9", "speakRate = 7"};
        const QList<int> twiceTiles{70, 71, 70, 72, 71};
        QTest::newRow("a voice listed twice, nothing remembered: only the first tile")
            << twice << QVariantList{} << twiceTiles << first << 2 << 2 << QStringList{};
        QTest::newRow("a remembered voice is chosen on each of its tiles")
            << twice << QVariantList{71} << twiceTiles << QList<int>{1, 4} << 2 << 2 << QStringList{};
    }
    void theRememberedChoiceIsRestored()
    {
        QFETCH(QList<NxTextToSpeechVoiceInfo>, voices); QFETCH(QVariantList, remembered); QFETCH(QList<int>, tiles);
        QFETCH(QList<int>, chosen); QFETCH(int, speedStep); QFETCH(int, pitchStep); QFETCH(QStringList, log);
        NxScriptedVoiceQuery::install({true, voices});
        store(TtsGroup, TtsKeys, remembered);
        open(TextToSpeech);
        QCOMPARE(tileIds(), tiles);
        QList<int> selected;
        for (int index = 0; index < grid()->items().size(); ++index)
            if (grid()->items().at(index)->isSelected())
                selected << index;
        QCOMPARE(selected, chosen);
        QCOMPARE(tts()->GetParam().voiceName, grid()->items().at(chosen.first())->showName());
        QCOMPARE(speed()->getCurIndex(), speedStep);
        QCOMPARE(pitch()->getCurIndex(), pitchStep);
        QCOMPARE(m_log, log);
    }

    void changingTheLanguageStopsThePreviewAndChoosesTheFirstVoice()
    {
        store(TtsGroup, TtsKeys, {74});
        show(TextToSpeech);
        chooseLanguage(QStringLiteral("English (UK)"));
        QCOMPARE(tileIds(), (QList<int>{57, 58}));
        QCOMPARE(tileIds(true), QList<int>{57});
        QCOMPARE(tts()->GetParam().languageCode, QStringLiteral("en-GB"));
        chooseLanguage(QStringLiteral("English (US)"));
        QCOMPARE(tileIds(true), QList<int>{70});
        QCOMPARE(audition()->calls().count(QStringLiteral("stop")), 3); // at opening and per change
        chooseLanguage(QStringLiteral("Swedish (Sweden)")); // no voice in the catalogue
        QVERIFY(tileIds().isEmpty());
        const TextToSpeechTaskParam param = tts()->GetParam();
        QCOMPARE((QVariantList{param.voiceId, param.voiceName, param.languageCode}), (QVariantList{-1, QString(), "sv-SE"}));
    }

    // Keys: speed, pitch; a tile clicked; what is remembered (voice, speed,
    // pitch) and the record's speed and pitch names.
    void okRemembersTheChoiceAndReportsNothingMore_data()
    {
        columns<int, QList<int>, int, QVariantList, QString>({"interfaceLanguage", "keys", "tile", "stored", "names"});
        QTest::newRow("one step slower is Slow") << 1 << QList<int>{Qt::Key_Left, 0} << -1 << QVariantList{70, -1, 0} << "Slow/Normal";
        QTest::newRow("one step faster and the highest pitch")
            << 1 << QList<int>{Qt::Key_Right, Qt::Key_End} << -1 << QVariantList{70, 1, 2} << "Fast/High";
        QTest::newRow("the lowest steps") << 1 << QList<int>{Qt::Key_Home, Qt::Key_Home} << -1 << QVariantList{70, -2, -2} << "Slow/Low";
        QTest::newRow("a clicked tile") << 1 << QList<int>{0, 0} << 3 << QVariantList{73, 0, 0} << "Normal/Normal";
        QTest::newRow("no tile stores -1") << 18 << QList<int>{0, 0} << -1 << QVariantList{-1, 0, 0} << "Normal/Normal";
    }
    void okRemembersTheChoiceAndReportsNothingMore()
    {
        QFETCH(int, interfaceLanguage); QFETCH(QList<int>, keys); QFETCH(int, tile); QFETCH(QVariantList, stored);
        QFETCH(QString, names);
        open(TextToSpeech, interfaceLanguage);
        whenModal(this, [&](QWidget*) {
            for (NxPropertyNonLineSliderEx* slider : {speed(), pitch()})
                if (const int key = keys.takeFirst())
                    QTest::keyClick(slider, Qt::Key(key));
            if (tile >= 0)
                QTest::mouseClick(grid()->items().at(tile), Qt::LeftButton);
            clickButton("OK");
        });
        QCOMPARE(m_dialog->exec(), int(QDialog::Accepted));
        QCOMPARE(tts()->GetParam().speedName + '/' + tts()->GetParam().intonationName, names);
        QCOMPARE(::stored(TtsGroup, TtsKeys), stored);
        QCOMPARE(m_events->summaries(), QStringList{TtsPopup});
    }

    // How the tile's speaker animates is in tst_voicetiles.
    void aPreviewAnimatesWhileItPlaysAndEndsWithTheDialog()
    {
        show(TextToSpeech);
        QTest::keyClick(speed(), Qt::Key_Right);
        QTest::keyClick(pitch(), Qt::Key_Home);
        QTest::mouseDClick(grid()->items().at(2), Qt::LeftButton);
        QCOMPARE(audition()->calls().mid(audition()->calls().indexOf("setVoice 72")),
                 (QStringList{"setVoice 72", "setIntonation -2", "setSpeed 1", "play"}));
        QVERIFY(speed()->isEnabled());
        audition()->notifyFromThread(true);
        QTRY_VERIFY(!speed()->isEnabled());
        QVERIFY(!pitch()->isEnabled());
        QTRY_VERIFY(NxVoiceAnimationHelper::instance()->isRunning());
        audition()->notifyFromThread(false);
        QTRY_VERIFY(speed()->isEnabled());
        QVERIFY(pitch()->isEnabled());
        QVERIFY(!NxVoiceAnimationHelper::instance()->isRunning());

        // Closed while it plays: no late call reaches the dialog.
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

    // The classic dialog: opens on what is remembered, makes the choices,
    // previews and confirms; a record reads
    // "voiceCode/intonation/speed/voiceName/intonationName/speedName".
    void theClassicChoiceFillsTheRecordAndThePreview_data()
    {
        columns<QVariantList, QStringList, QString, int, QString>({"remembered", "choices", "record", "voice", "tips"});
        QTest::newRow("an empty configuration opens on Aida, normal tone and speed")
            << QVariantList{} << QStringList{} << "Aida/0/0/Aida/normalTone/normalSpeak" << 260 << BothLanguages;
        QTest::newRow("lowTone is -1, HighSpeak 2") << QVariantList{} << QStringList{"Andy", "lowTone", "HighSpeak"}
                                                    << "Andy/-1/2/Andy/lowTone/HighSpeak" << 272 << EnglishOnly;
        QTest::newRow("HighTone is 1, lowSpeak -2; back to both languages")
            << QVariantList{} << QStringList{"Luca", "Shanshan", "HighTone", "lowSpeak"}
            << "Shanshan/1/-2/Shanshan/HighTone/lowSpeak" << 273 << BothLanguages;
        QTest::newRow("remembered: Luca, high tone, slow")
            << QVariantList{"Luca", 2, -2} << QStringList{} << "Luca/1/-2/Luca/HighTone/lowSpeak" << 269 << EnglishOnly;
        QTest::newRow("an unknown vocalist opens on Aijia") << QVariantList{"Nobody", 0, 2} << QStringList{}
                                                            << "Aijia/-1/2/Aijia/lowTone/HighSpeak" << 259 << BothLanguages;
        QTest::newRow("ids outside the rows keep the middle choices") << QVariantList{"Aida", 7, 1} << QStringList{}
                                                                      << "Aida/0/0/Aida/normalTone/normalSpeak" << 260 << BothLanguages;
    }
    void theClassicChoiceFillsTheRecordAndThePreview()
    {
        QFETCH(QVariantList, remembered); QFETCH(QStringList, choices); QFETCH(QString, record); QFETCH(int, voice);
        QFETCH(QString, tips);
        store(ClassicGroup, ClassicKeys, remembered);
        show(Classic);
        choose(choices);
        QVERIFY(captioned<QLabel>(tips));
        const QStringList fields = record.split('/');
        QVERIFY(vocalist(fields[0])->isChecked());
        const TextToSpeechTaskParam param = classic()->GetParam();
        QCOMPARE((QVariantList{param.attachResult, param.languageCode, param.languageName, param.voiceId}),
                 (QVariantList{false, "zh-CN", QString(), -1}));
        QCOMPARE((QStringList{param.voiceCode, QString::number(param.intonation), QString::number(param.speed),
                              param.voiceName, param.intonationName, param.speedName}), fields);
        clickButton("Try Listen");
        QCOMPARE(audition()->calls().join(','), QStringLiteral("setVoice %1,setIntonation %2,setSpeed %3,play")
                                                    .arg(QString::number(voice), fields[1], fields[2]));
        clickButton("Confirm");
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        // The tone is remembered by its button's id, one above the record's.
        QCOMPARE(stored(ClassicGroup, ClassicKeys), (QVariantList{fields[0], fields[1].toInt() + 1, fields[2].toInt()}));
        QVERIFY(m_events->summaries().isEmpty());
    }

    void childrenSitWhereTheyArePlaced_data()
    {
        QTest::addColumn<Words>("words");
        QTest::newRow("the source texts") << Words{};
        QTest::newRow("words too long for their controls are cut, nothing moves")
            << Words{{"tone", "Stimmauswahl"}, {"paramSettings", "Parametereinstellungen"},
                     {"intonation:", "Tonhöhe der Stimme:"}, {"speeakrate:", "Sprechgeschwindigkeit:"},
                     {"lowTone", "Besonders tief"}, {"HighSpeak", "Sehr schnell"}, {"Shanshan", "Shanshan Wang"},
                     {"Confirm", "Auswahl bestätigen"}, {"Try Listen", "Probe anhören"}};
    }
    void childrenSitWhereTheyArePlaced()
    {
        QFETCH(Words, words);
        NxMapTranslator translator;
        for (auto word = words.begin(); word != words.end(); ++word)
            translator.texts.insert({"NxTextToSpeechParamPanel", word.key().toUtf8()}, word.value());
        QCoreApplication::installTranslator(&translator);
        const auto removed = qScopeGuard([&translator] { QCoreApplication::removeTranslator(&translator); });
        show(Classic);
        QVERIFY(!panel()->layout());
        const auto shown = [&](const char* source) { return captioned<QLabel>(words.value(source, source)); };
        const auto radio = [&](int index) { return m_dialog->findChildren<NxRadioButton*>().at(index); };
        const auto action = [&](const char* source) { return captioned<NxPushButton>(words.value(source, source)); };
        const int width = panel()->width(), height = panel()->height();
        QLabel* tips = captioned<QLabel>(BothLanguages);
        const auto lines = m_dialog->findChildren<QLabel*>(QStringLiteral("NxTextToSpeechParamPanel_line"));
        const QList<QPair<QWidget*, QRect>> expected = {
            {shown("tone"), {114, 20, 40, 16}},           {lines.value(0), {153, 28, 524, 1}},     {vocalist("Aida"), {180, 55, 74, 24}},
            {vocalist("Aimei"), {546, 55, 74, 24}},       {vocalist("Aiqi"), {180, 99, 74, 24}},   {vocalist("Shanshan"), {302, 143, 74, 24}},
            {vocalist("Emily"), {546, 187, 74, 24}},      {shown("paramSettings"), {114, 227, 64, 16}},
            {lines.value(1), {177, 235, 508, 1}},         {shown("intonation:"), {190, 262, 44, 24}},
            {shown("speeakrate:"), {190, 300, 44, 24}},   {radio(0), {247, 262, 56, 24}},          {radio(1), {406, 262, 56, 24}},
            {radio(2), {565, 262, 56, 24}},               {radio(3), {247, 300, 56, 24}},          {radio(4), {406, 300, 56, 24}},
            {radio(5), {565, 300, 56, 24}},               {action("Confirm"), {width - 120, height - 48, 104, 32}},
            {action("Try Listen"), {width - 240, height - 48, 104, 32}},
            {tips, {24, height - 23 - tips->height(), tips->width(), tips->height()}}};
        for (const auto& [child, rect] : expected)
            QCOMPARE(child->geometry(), rect);

        // The dividers show in the skin's colour to their ends; their first
        // column lies under the heading, which a long word fills.
        const QImage image = NxPaintProbe::shot(m_dialog.get());
        for (QLabel* line : lines) {
            const QPoint start = line->mapTo(m_dialog.get(), QPoint(1, 0));
            const QColor ink = NxPaintProbe::seen(NxPaintProbe::role(NxSkinColor::Component_Divider_Secondary),
                                                  image.pixelColor(start - QPoint(0, 2)));
            QCOMPARE(NxPaintProbe::extent(image, QRect(start, QSize(line->width() + 20, 1)), ink, 3), line->width() - 1);
        }
    }

    // A host reaches the classic panel's slots through its meta-object, by name.
    void theHostFindsThePanelsSlotsInTheirOrder()
    {
        show(Classic);
        const QMetaObject* meta = panel()->metaObject();
        QCOMPARE(meta->className(), "NxTextToSpeechParamPanel");
        QStringList methods;
        for (int index = meta->methodOffset(); index < meta->methodCount(); ++index) {
            const QMetaMethod method = meta->method(index);
            methods << (method.methodType() == QMetaMethod::Signal ? "signal " : "slot ")
                           + QString(method.access() == QMetaMethod::Private ? "private " : "public ")
                           + method.methodSignature() + " (" + method.parameterNames().join(',') + ')';
        }
        QCOMPARE(methods, (QStringList{"signal public sigOk() ()", "slot private slotConfirm() ()", "slot private slotTryListen() ()",
                                       "slot private slotButtonGroupClicked(QAbstractButton*) (button)",
                                       "slot private slotIntonationGroupClicked(int) (id)",
                                       "slot private slotSpeakingRateGroupClicked(int) (id)", "slot private slotErrorMsg(QString) (errorMsg)"}));
        // The last three answer and change nothing.
        choose({"Emily", "lowTone"});
        QVERIFY(QMetaObject::invokeMethod(panel(), "slotIntonationGroupClicked", Q_ARG(int, 2)));
        QVERIFY(QMetaObject::invokeMethod(panel(), "slotSpeakingRateGroupClicked", Q_ARG(int, 2)));
        QVERIFY(QMetaObject::invokeMethod(panel(), "slotErrorMsg", Q_ARG(QString, "Network Failed Please Try")));
        const TextToSpeechTaskParam param = classic()->GetParam();
        QCOMPARE((QVariantList{param.voiceCode, param.intonation, param.speed}), (QVariantList{"Emily", -1, 0}));
        QVERIFY(captioned<QLabel>(EnglishOnly));
        QVERIFY(m_dialog->isVisible());
        QVERIFY(m_events->summaries().isEmpty());
    }
};

QTEST_MAIN(ParamDialogsTest)
#include "tst_paramdialogs.moc"
