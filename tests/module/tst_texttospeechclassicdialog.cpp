#include "NxConfig.h"
#include "NxDataColumns.h"
#include "NxDialogDriver.h"
#include "NxEventRecorder.h"
#include "NxPaintProbe.h"
#include "NxPushButton.h"
#include "NxRadioButton.h"
#include "NxScriptedVoiceServices.h"
#include "NxTestHome.h"
#include "NxTextToSpeechParamDlg.h"

#include <QLabel>
#include <QMetaMethod>
#include <QScopeGuard>
#include <QTest>

namespace
{
const QString Group = QStringLiteral("TextAudioParam");
const QStringList Keys = {"TextAudioVocalist", "TextAudioIntonation", "TextAudioSpeakRate"};
const QString BothLanguages = QStringLiteral("tips: Support Chinese And English Tranfer");
const QString EnglishOnly = QStringLiteral("tips: only Support EnglishTransfer");

QVariantList stored()
{
    QVariantList values;
    for (const QString& key : Keys)
        values << NxConfig::Instance().GetAppValue(Group, key, false, QVariant());
    return values;
}

void store(const QVariantList& values)
{
    for (int index = 0; index < Keys.size(); ++index)
        NxConfig::Instance().SetAppValue(Group, Keys[index], values.value(index), false);
}

// The panel's words as a translation gives them, by source text.
using Words = QHash<QString, QString>;

const Words ShortWords = {{"tone", "Voice"}, {"paramSettings", "Settings"}, {"intonation:", "Pitch:"},
                          {"speeakrate:", "Rate:"}, {"lowTone", "Lo"}, {"normalTone", "Mid"}, {"HighTone", "Hi"},
                          {"lowSpeak", "Lo"}, {"normalSpeak", "Mid"}, {"HighSpeak", "Hi"}, {"Emily", "Emilie"}};

void translate(NxMapTranslator& translator, const Words& words)
{
    for (auto word = words.begin(); word != words.end(); ++word)
        translator.texts.insert({"NxTextToSpeechParamPanel", word.key().toUtf8()}, word.value());
}
}

// The classic text-to-speech parameter dialog, driven as a user would.
class TextToSpeechClassicDialogTest : public QObject
{
    Q_OBJECT

    NxTestHome m_home;
    std::unique_ptr<NxEventRecorder> m_events;
    std::unique_ptr<NxTextToSpeechParamDlg> m_dialog;

    NxPushButton* vocalist(const QString& id) const
    {
        for (auto* button : m_dialog->findChildren<NxPushButton*>(QStringLiteral("NxTextToSpeech_tone_btn")))
            if (button->property("id").toString() == id)
                return button;
        return nullptr;
    }
    template <typename Button>
    Button* button(const QString& text) const
    {
        return childCaptioned<Button>(m_dialog.get(), text);
    }
    QWidget* panel() const { return vocalist("Aida")->parentWidget(); }
    QLabel* label(const QString& text) const { return childCaptioned<QLabel>(m_dialog.get(), text); }
    void open()
    {
        m_events = std::make_unique<NxEventRecorder>();
        m_dialog = std::make_unique<NxTextToSpeechParamDlg>(nullptr);
        m_dialog->show();
    }
    // "Aida", "lowTone", "HighSpeak"...: clicks what shows that text or id.
    void choose(const QStringList& choices)
    {
        for (const QString& choice : choices)
            QTest::mouseClick(vocalist(choice) ? static_cast<QWidget*>(vocalist(choice)) : button<NxRadioButton>(choice),
                              Qt::LeftButton);
    }
    QStringList preview()
    {
        QTest::mouseClick(button<NxPushButton>("Try Listen"), Qt::LeftButton);
        return NxScriptedVoiceAudition::latest()->calls();
    }

private slots:
    void initTestCase() { NxScriptedVoiceAudition::install(); }
    void init() { store({QVariant(), QVariant(), QVariant()}); }
    void cleanup()
    {
        m_dialog.reset();
        m_events.reset();
    }

    // Opens on what is remembered, makes the choices, previews and confirms
    // (closing any other way is in tst_paramdialogs); a record reads
    // "voiceCode/intonation/speed/voiceName/intonationName/speedName".
    void theChoiceFillsTheRecordAndThePreview_data()
    {
        columns<QVariantList, QStringList, QString, int, QString>({"remembered", "choices", "record", "voice", "tips"});
        QTest::newRow("an empty configuration opens on Aida, normal tone and speed")
            << QVariantList{} << QStringList{} << "Aida/0/0/Aida/normalTone/normalSpeak" << 260 << BothLanguages;
        QTest::newRow("Emily is English only")
            << QVariantList{} << QStringList{"Emily"} << "Emily/0/0/Emily/normalTone/normalSpeak" << 270 << EnglishOnly;
        QTest::newRow("lowTone is -1, HighSpeak 2") << QVariantList{} << QStringList{"Andy", "lowTone", "HighSpeak"}
                                                    << "Andy/-1/2/Andy/lowTone/HighSpeak" << 272 << EnglishOnly;
        QTest::newRow("HighTone is 1, lowSpeak -2; back to both languages")
            << QVariantList{} << QStringList{"Luca", "Shanshan", "HighTone", "lowSpeak"}
            << "Shanshan/1/-2/Shanshan/HighTone/lowSpeak" << 273 << BothLanguages;
        QTest::newRow("remembered: Luca, high tone, slow")
            << QVariantList{"Luca", 2, -2} << QStringList{} << "Luca/1/-2/Luca/HighTone/lowSpeak" << 269 << EnglishOnly;
        QTest::newRow("an unknown vocalist opens on Aijia") << QVariantList{"Nobody", 0, 2} << QStringList{}
                                                            << "Aijia/-1/2/Aijia/lowTone/HighSpeak" << 259 << BothLanguages;
        QTest::newRow("names compare case-sensitively") << QVariantList{"emily", 1, 0} << QStringList{}
                                                        << "Aijia/0/0/Aijia/normalTone/normalSpeak" << 259 << BothLanguages;
        QTest::newRow("ids outside the rows keep the middle choices") << QVariantList{"Aida", 7, 1} << QStringList{}
                                                                      << "Aida/0/0/Aida/normalTone/normalSpeak" << 260 << BothLanguages;
    }
    void theChoiceFillsTheRecordAndThePreview()
    {
        QFETCH(QVariantList, remembered); QFETCH(QStringList, choices); QFETCH(QString, record); QFETCH(int, voice);
        QFETCH(QString, tips);
        store(remembered);
        open();
        choose(choices);
        QVERIFY(label(tips));
        const QStringList fields = record.split('/');
        QVERIFY(vocalist(fields[0])->isChecked());
        const TextToSpeechTaskParam param = m_dialog->GetParam();
        QCOMPARE((QVariantList{param.attachResult, param.languageCode, param.languageName, param.voiceId}),
                 (QVariantList{false, "zh-CN", QString(), -1}));
        QCOMPARE((QStringList{param.voiceCode, QString::number(param.intonation), QString::number(param.speed),
                              param.voiceName, param.intonationName, param.speedName}), fields);
        QCOMPARE(preview().join(','), QStringLiteral("setVoice %1,setIntonation %2,setSpeed %3,play")
                                          .arg(QString::number(voice), fields[1], fields[2]));
        QCOMPARE(m_dialog->findChildren<NxPushButton*>("NxTextToSpeech_tone_btn").count(), 16);
        QTest::mouseClick(button<NxPushButton>("Confirm"), Qt::LeftButton);
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        // The tone is remembered by its button's id, one above the record's.
        QCOMPARE(stored(), (QVariantList{fields[0], fields[1].toInt() + 1, fields[2].toInt()}));
        QVERIFY(m_events->summaries().isEmpty());
    }

    void childrenSitWhereTheyArePlaced_data()
    {
        QTest::addColumn<Words>("words");
        QTest::newRow("the source texts") << Words{};
        QTest::newRow("short words") << ShortWords;
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
        translate(translator, words);
        QCoreApplication::installTranslator(&translator);
        const auto removed = qScopeGuard([&translator] { QCoreApplication::removeTranslator(&translator); });
        open();
        QVERIFY(!panel()->layout());
        const auto shown = [&](const char* source) { return label(words.value(source, source)); };
        const auto radio = [&](int index) { return m_dialog->findChildren<NxRadioButton*>().at(index); };
        const auto action = [&](const char* source) { return button<NxPushButton>(words.value(source, source)); };
        const int width = panel()->width(), height = panel()->height();
        QLabel* tips = label(BothLanguages);
        const auto lines = m_dialog->findChildren<QLabel*>(QStringLiteral("NxTextToSpeechParamPanel_line"));
        const QList<QPair<QWidget*, QRect>> expected = {
            {shown("tone"), {114, 20, 40, 16}},           {lines.value(0), {153, 28, 524, 1}},
            {vocalist("Aida"), {180, 55, 74, 24}},
            {vocalist("Aimei"), {546, 55, 74, 24}},       {vocalist("Aiqi"), {180, 99, 74, 24}},
            {vocalist("Shanshan"), {302, 143, 74, 24}},   {vocalist("Emily"), {546, 187, 74, 24}},
            {shown("paramSettings"), {114, 227, 64, 16}}, {lines.value(1), {177, 235, 508, 1}},
            {shown("intonation:"), {190, 262, 44, 24}},
            {shown("speeakrate:"), {190, 300, 44, 24}},   {radio(0), {247, 262, 56, 24}},
            {radio(1), {406, 262, 56, 24}},               {radio(2), {565, 262, 56, 24}},
            {radio(3), {247, 300, 56, 24}},               {radio(4), {406, 300, 56, 24}},
            {radio(5), {565, 300, 56, 24}},
            {action("Confirm"), {width - 120, height - 48, 104, 32}},
            {action("Try Listen"), {width - 240, height - 48, 104, 32}},
            {tips, {24, height - 23 - tips->height(), tips->width(), tips->height()}}};
        for (const auto& [child, rect] : expected)
            QCOMPARE(child->geometry(), rect);

        // The dividers show in the skin's colour to their ends; their first
        // column lies under the heading, which a long word fills.
        const QImage image = NxPaintProbe::shot(m_dialog.get());
        const QColor divider = NxPaintProbe::role(NxSkinColor::Component_Divider_Secondary);
        for (const QPoint& point : {QPoint(154, 28), QPoint(676, 28), QPoint(178, 235), QPoint(684, 235)}) {
            const QPoint at = panel()->mapTo(m_dialog.get(), point);
            const QColor ground = image.pixelColor(at - QPoint(0, 2));
            QVERIFY2(NxPaintProbe::near(image.pixel(at), NxPaintProbe::seen(divider, ground), 3),
                     qPrintable(QStringLiteral("%1,%2").arg(point.x()).arg(point.y())));
            if (point.x() > 600)
                QVERIFY(!NxPaintProbe::near(image.pixel(at + QPoint(1, 0)), NxPaintProbe::seen(divider, ground), 3));
        }
    }

    // A host reaches the panel's slots through its meta-object, by name.
    void theHostFindsThePanelsSlotsInTheirOrder()
    {
        open();
        const QMetaObject* meta = panel()->metaObject();
        QCOMPARE(meta->className(), "NxTextToSpeechParamPanel");
        QStringList methods;
        for (int index = meta->methodOffset(); index < meta->methodCount(); ++index) {
            const QMetaMethod method = meta->method(index);
            methods << QStringLiteral("%1 %2 %3 (%4)")
                           .arg(method.methodType() == QMetaMethod::Signal ? "signal" : "slot")
                           .arg(method.access() == QMetaMethod::Private ? "private" : "public")
                           .arg(QString::fromLatin1(method.methodSignature()),
                                QString::fromLatin1(method.parameterNames().join(',')));
        }
        QCOMPARE(methods, (QStringList{"signal public sigOk() ()", "slot private slotConfirm() ()",
                                       "slot private slotTryListen() ()",
                                       "slot private slotButtonGroupClicked(QAbstractButton*) (button)",
                                       "slot private slotIntonationGroupClicked(int) (id)",
                                       "slot private slotSpeakingRateGroupClicked(int) (id)",
                                       "slot private slotErrorMsg(QString) (errorMsg)"}));
        // The last three answer and change nothing.
        choose({"Emily", "lowTone"});
        QVERIFY(QMetaObject::invokeMethod(panel(), "slotIntonationGroupClicked", Q_ARG(int, 2)));
        QVERIFY(QMetaObject::invokeMethod(panel(), "slotSpeakingRateGroupClicked", Q_ARG(int, 2)));
        QVERIFY(QMetaObject::invokeMethod(panel(), "slotErrorMsg", Q_ARG(QString, "Network Failed Please Try")));
        const TextToSpeechTaskParam param = m_dialog->GetParam();
        QCOMPARE((QVariantList{param.voiceCode, param.intonation, param.speed}), (QVariantList{"Emily", -1, 0}));
        QVERIFY(label(EnglishOnly));
        QVERIFY(m_dialog->isVisible());
        QVERIFY(m_events->summaries().isEmpty());
    }

    void aLanguageChangeKeepsTheTipsOfTheLastChoice()
    {
        open();
        choose({"Emily", "HighTone"});
        NxMapTranslator translator;
        translate(translator, ShortWords);
        translator.texts.insert({"NxTextToSpeechParamPanel", EnglishOnly.toUtf8()}, "nur Englisch");
        QCoreApplication::installTranslator(&translator);
        const auto removed = qScopeGuard([&translator] { QCoreApplication::removeTranslator(&translator); });
        QTRY_VERIFY(label("Pitch:"));
        QVERIFY(label(EnglishOnly));
        const TextToSpeechTaskParam param = m_dialog->GetParam();
        QCOMPARE((QStringList{param.voiceName, param.intonationName, param.voiceCode}), (QStringList{"Emilie", "Hi", "Emily"}));
    }
};

QTEST_MAIN(TextToSpeechClassicDialogTest)
#include "tst_texttospeechclassicdialog.moc"
