#include "NxGalleryTextToSpeechParam.h"

#include "NxGalleryOutput.h"

#include "INxTextToSpeechAudition.h"
#include "INxTextToSpeechQuery.h"
#include "NxComboBox.h"
#include "NxTextToSpeechParamDialog.h"
#include "NxVoiceAnimationHelper.h"
#include "NxVoiceItem.h"
#include "NxVoicePanel.h"

#include <QApplication>
#include <QEventLoop>
#include <QMouseEvent>
#include <QThreadPool>

namespace
{
// The preview tile is caught a few frames into a pass, with its waves lit.
constexpr int SpeakingFrames = 9;
constexpr int PreviewTile = 2;
const char* const EmptyLanguage = "Swedish (Sweden)";

// A catalogue without a server: American and British voices and a few
// German ones; none for Swedish.
class ShowcaseQuery final : public INxTextToSpeechQuery
{
public:
    void release() override { delete this; }
    bool getLanguageList(QStringList& languageCodes) override
    {
        languageCodes = QStringList{QStringLiteral("en-US"), QStringLiteral("en-GB"), QStringLiteral("de-DE")};
        return true;
    }
    bool getVoiceListOfLanguage(const QString& languageCode, QList<NxTextToSpeechVoiceInfo>& voices) override
    {
        voices.clear();
        for (const NxTextToSpeechVoiceInfo& voice : catalogue())
            if (voice.languageCode == languageCode)
                voices.append(voice);
        return true;
    }
    bool isNetworkError() override { return false; }
    bool getVoiceList(QList<NxTextToSpeechVoiceInfo>& voices) override
    {
        voices = catalogue();
        return true;
    }

private:
    static QList<NxTextToSpeechVoiceInfo> catalogue()
    {
        struct Voice { int id; const char* name; const char* language; bool male; };
        static const Voice Voices[] = {
            {70, "Jenny", "en-US", false}, {71, "Guy", "en-US", true},    {72, "Aria", "en-US", false},
            {73, "Davis", "en-US", true},  {74, "Jane", "en-US", false},  {75, "Tony", "en-US", true},
            {76, "Sara", "en-US", false},  {77, "Christopher Lee", "en-US", true}, {78, "Nancy", "en-US", false},
            {79, "Andy", "en-US", true},   {57, "Emily", "en-GB", false}, {58, "Luca", "en-GB", true},
            {112, "Katja", "de-DE", false}, {113, "Conrad", "de-DE", true},
        };
        QList<NxTextToSpeechVoiceInfo> voices;
        for (const Voice& voice : Voices)
            voices.append({voice.id, QString::fromUtf8(voice.name),
                           QStringLiteral("%1-%2").arg(QLatin1String(voice.language), QLatin1String(voice.name)),
                           QString::fromLatin1(voice.language), voice.male});
        return voices;
    }
};

// A preview that starts at once, on the caller's thread.
class ShowcaseAudition final : public INxTextToSpeechAudition
{
public:
    void release() override { delete this; }
    void setVoice(int) override {}
    void setIntonation(int) override {}
    void setSpeed(int) override {}
    bool play() override
    {
        if (m_observer)
            m_observer->onAuditionPlay();
        return true;
    }
    void stop() override
    {
        if (m_observer)
            m_observer->onAuditionStop();
    }
    bool isNetworkError() override { return false; }
    void setObserver(INxTextToSpeechAuditionObserver* observer) override { m_observer = observer; }

private:
    INxTextToSpeechAuditionObserver* m_observer = nullptr;
};

void save(QWidget* widget, const QString& folder, const QString& name, const QString& skin)
{
    widget->show();
    // The speaking frames of the current skin are read in the background.
    QThreadPool::globalInstance()->waitForDone();
    writePage(widget, folder, name, skin);
}

void waitForFrames(int count)
{
    QEventLoop loop;
    int shown = 0;
    QObject::connect(NxVoiceAnimationHelper::instance(), &NxVoiceAnimationHelper::sigUpdate, &loop,
                     [&] { if (++shown == count) loop.quit(); });
    loop.exec();
}

void renderPreview(const QString& folder, const QString& skin)
{
    NxTextToSpeechParamDialog dialog(nullptr);
    dialog.show();
    QThreadPool::globalInstance()->waitForDone();
    settleEvents();
    NxVoiceItem* tile = dialog.findChild<NxVoicePanel*>()->items().at(PreviewTile);
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, QPointF(8, 8), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(tile, &doubleClick);
    waitForFrames(SpeakingFrames);
    save(&dialog, folder, QStringLiteral("tts-param-preview"), skin);
}
}

void renderTextToSpeechParam(const QString& folder, const QString& skin)
{
    INxTextToSpeechQuery::setFactory([] { return new ShowcaseQuery; });
    INxTextToSpeechAudition::setFactory([] { return new ShowcaseAudition; });
    {
        NxTextToSpeechParamDialog dialog(nullptr);
        save(&dialog, folder, QStringLiteral("tts-param"), skin);
        // The grid reached with Tab, the next voice on in reading direction.
        focusByKeyboard(dialog.findChild<NxVoicePanel*>(), {dialog.isRightToLeft() ? Qt::Key_Left : Qt::Key_Right});
        save(&dialog, folder, QStringLiteral("tts-param-keyboard"), skin);
    }
    renderPreview(folder, skin);
    {
        NxTextToSpeechParamDialog dialog(nullptr);
        auto* combo = dialog.findChild<NxComboBox*>();
        combo->setCurrentIndex(combo->findText(QLatin1String(EmptyLanguage)));
        save(&dialog, folder, QStringLiteral("tts-param-empty"), skin);
    }
    // Back to the library's own services for the pages after these.
    INxTextToSpeechQuery::setFactory(nullptr);
    INxTextToSpeechAudition::setFactory(nullptr);
}
