#include "NxStudioSpeech.h"

#include "INxBaseLog.h"
#include "INxAbstractMedia.h"
#include "INxSpeechServicePresenter.h"
#include "NMessageDialog.h"
#include "NxSpeechServiceDialog.h"
#include "NxSpeechToTextParamDialog.h"
#include "NxStudioClips.h"
#include "NxStudioEngine.h"
#include "NxStudioMediaBin.h"
#include "NxStudioSubtitleFile.h"
#include "NxStudioTimeline.h"
#include "NxStudioTopUpDialog.h"
#include "NxTextToSpeechParamDialog.h"
#include "NxTextToSpeechParamDlg.h"
#include "NxTimelineClip.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include <algorithm>
#include <functional>
#include <optional>
#include <utility>

namespace
{

// The dialog starts on the interface language. When the engine in use cannot
// hear that one, it starts on English (US), the store's language 1, which
// every engine hears, rather than on a choice that would be refused.
void startOnHeardLanguage(NxSpeechToTextParamDialog& dialog)
{
    constexpr int EnglishUs = 1;
    if (NxStudioEngine::refusal(dialog.GetParam().language).isEmpty())
        return;
    if (auto* languages = dialog.findChild<QComboBox*>())
        languages->setCurrentIndex(languages->findData(EnglishUs));
}
bool hasSound(const INxClip* clip)
{
    return clip->media() && !NxStudioClips::isOffline(clip)
           && (clip->type() == INxClip::Video || clip->type() == INxClip::Audio);
}

template <typename Dialog>
std::optional<TextToSpeechTaskParam> askVoice(Dialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.GetParam();
}

void inform(QWidget* window, const QString& title, const QString& text)
{
    NMessageDialog::Infomation(text, window, Ok, title, QString(), QString(), false);
}

// The services' window, telling when a close went through: that clears its tasks.
class ServiceWindow : public NxSpeechServiceDialog
{
public:
    ServiceWindow(QWidget* parent, std::function<void()> cleared)
        : NxSpeechServiceDialog(parent)
        , m_cleared(std::move(cleared))
    {
    }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        NxSpeechServiceDialog::closeEvent(event);
        if (event->isAccepted())
            m_cleared();
    }

private:
    std::function<void()> m_cleared;
};
}

NxStudioSpeech::NxStudioSpeech(NxStudioTimeline* timeline, NxStudioMediaBin* bin, QWidget* window)
    : m_timeline(timeline)
    , m_bin(bin)
    , m_window(window)
    , m_services(new ServiceWindow(window, [this] { endAnnouncement(); }))
{
    // A tool window beside the editor: the user keeps editing while tasks run.
    m_services->setModal(false);
    connectResults();
    connectPurchases();
    // A task that ends (done, failed or deleted) ends what the status bar says of the tasks.
    connect(m_services, &NxSpeechServiceDialog::sigTaskFinish, this, &NxStudioSpeech::endAnnouncement);
    connect(&m_failures, &NxStudioTaskFailures::failed, this, &NxStudioSpeech::tellFailure);
    connect(&m_failures, &NxStudioTaskFailures::previewRefused, this, &NxStudioSpeech::message);
}

void NxStudioSpeech::tellFailure(NxStudioTaskFailures::Service service, const QString& name, const QString& reason)
{
    // The window's row keeps the module's words; the engine's say what to do.
    emit message(service == NxStudioTaskFailures::SpeechToText ? tr("%1 could not be transcribed: %2").arg(name, reason)
                                                               : tr("%1 could not be spoken: %2").arg(name, reason));
}

void NxStudioSpeech::announceTasks(const QString& text)
{
    m_announced = text;
    emit message(text);
}

void NxStudioSpeech::endAnnouncement()
{
    if (!m_announced.isEmpty())
        emit messageOutdated(std::exchange(m_announced, QString()));
}

void NxStudioSpeech::connectResults()
{
    connect(m_services, &NxSpeechServiceDialog::sigSrtFileGenerate, this, &NxStudioSpeech::placeSubtitles);
    connect(m_services, &NxSpeechServiceDialog::sigAudioFileGenerate, this,
            [this](const QString& path, INxClip* clip) { placeAudio(path, clip, clip ? clip->position() : 0); });
    connect(m_services, &NxSpeechServiceDialog::sigSrtProductFileGenerate, this,
            [this](const QString& path, const QString&, INxClip* clip, qlonglong position, bool) {
                placeAudio(path, clip, position);
            });
    connect(m_services, &NxSpeechServiceDialog::sigFindMatterLocation, this, [](const QString& path) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absolutePath()));
    });
}

void NxStudioSpeech::connectPurchases()
{
    // The services read `success` when the emission returns: answer in it, directly.
    // A purchase asked for from the balance line (purchaseMore) is for no task in particular.
    connect(
        m_services, &NxSpeechServiceDialog::sigSTTPurchaseRefresh, this,
        [this](int seconds, bool& success, bool purchaseMore) {
            purchase(NxStudioTopUpDialog::SpeechToText, purchaseMore ? 0 : seconds, success);
        },
        Qt::DirectConnection);
    connect(
        m_services, &NxSpeechServiceDialog::sigTTSPurchaseRefresh, this,
        [this](int characters, bool& success, bool purchaseMore) {
            purchase(NxStudioTopUpDialog::TextToSpeech, purchaseMore ? 0 : characters, success);
        },
        Qt::DirectConnection);
}

NxStudioSpeech::~NxStudioSpeech()
{
    delete m_services;
}

NxSpeechServiceDialog* NxStudioSpeech::serviceDialog() const
{
    return m_services;
}

void NxStudioSpeech::speechToText(const QList<INxAbstractMedia*>& materials)
{
    const QString title = tr("Speech to text");
    INxSpeechServicePresenter* presenter = m_services->presenter();
    if (!presenter->speechToTextServiceState()) {
        inform(m_window, title, tr("Speech to text is not available: the speech recognition model is not installed."));
        return;
    }
    QList<INxClip*> clips;
    if (materials.isEmpty())
        for (NxTimelineClip* clip : m_timeline->selection())
            if (hasSound(clip))
                clips.append(clip);
    // A video and its linked sound are one recording: heard once, through the video.
    for (NxTimelineClip* clip : m_timeline->selection())
        if (clip->type() == INxClip::Video && clips.contains(clip))
            clips.removeAll(NxStudioClips::linkOf(clip));
    const QList<NxTimelineClip*> all = m_timeline->clips();
    const bool timelineHeard = std::any_of(all.begin(), all.end(), hasSound);
    if (!timelineHeard && materials.isEmpty()) {
        inform(m_window, title, tr("Put an audio or video clip on the timeline first."));
        return;
    }

    const bool chosen = !clips.isEmpty() || !materials.isEmpty();
    NxSpeechToTextParamDialog dialog(m_window);
    dialog.setWidget(m_window);
    dialog.setClipRatioState(chosen, chosen);
    dialog.setTimelineRatioState(!chosen, timelineHeard);
    dialog.setCheckState(true, true);
    startOnHeardLanguage(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const NxSpeechToTextTaskParam param = dialog.GetParam();
    const QString refusal = NxStudioEngine::refusal(param.language);
    if (!refusal.isEmpty()) {
        inform(m_window, title, refusal);
        return;
    }
    QStringList names;
    if (!param.isClip)
        names.append(tr("The timeline"));
    else if (materials.isEmpty())
        for (const INxClip* clip : clips)
            names.append(clip->name());
    else
        for (const INxAbstractMedia* media : materials)
            names.append(media->displayName());
    bool started = false;
    m_failures.adding(NxStudioTaskFailures::SpeechToText, names, [&] {
        started = !param.isClip ? presenter->addTimelineTask(m_timeline->sequence(), param.language, param.attachResult)
                  : materials.isEmpty() ? presenter->addClipTasks(clips, param.language, param.attachResult)
                                        : presenter->addMaterialTasks(materials, param.language, param.attachResult);
    });
    if (!started) {
        emit message(tr("Speech to text could not start."));
        return;
    }
    announceTasks(!param.isClip          ? tr("Transcribing the timeline\u2026")
                  : materials.isEmpty() ? tr("Transcribing %n clip(s)\u2026", "", clips.size())
                                        : tr("Transcribing %n file(s)\u2026", "", materials.size()));
    m_services->showTab(NxSpeechServiceDialog::SpeechToText);
    showServices();
}

void NxStudioSpeech::textToSpeech(bool classic)
{
    const QString title = tr("Text to speech");
    INxSpeechServicePresenter* presenter = m_services->presenter();
    QList<INxClip*> clips;
    for (NxTimelineClip* clip : m_timeline->selection())
        if (NxStudioClips::hasText(clip))
            clips.append(clip);
    if (clips.isEmpty()) {
        inform(m_window, title, tr("Select one or more title or subtitle clips on the timeline first."));
        return;
    }

    std::optional<TextToSpeechTaskParam> param;
    if (classic) {
        NxTextToSpeechParamDlg dialog(m_window);
        param = askVoice(dialog);
    } else {
        NxTextToSpeechParamDialog dialog(m_window);
        dialog.setWidget(m_window);
        param = askVoice(dialog);
    }
    if (!param)
        return;
    QStringList names;
    for (const INxClip* clip : clips)
        names.append(clip->name());
    bool started = false;
    m_failures.adding(NxStudioTaskFailures::TextToSpeech, names,
                      [&] { started = presenter->addTextToSpeechTasks(clips, *param); });
    if (!started) {
        emit message(tr("Text to speech could not start."));
        return;
    }
    announceTasks(tr("Speaking %n clip(s)\u2026", "", clips.size()));
    m_services->showTab(NxSpeechServiceDialog::TextToSpeech);
    showServices();
}

void NxStudioSpeech::showServices()
{
    // show() keeps a minimised window minimised (and iconic to the window
    // manager, which takes the editor with it): opening restores it.
    m_services->setWindowState(m_services->windowState() & ~Qt::WindowMinimized);
    m_services->show();
    m_services->raise();
    m_services->activateWindow();
}

bool NxStudioSpeech::mayClose()
{
    return m_services->checkCanClose();
}

void NxStudioSpeech::placeSubtitles(const QString& path, INxClip* clip, INxTimeline* timeline)
{
    const QString name = QFileInfo(path).fileName();
    const bool onClip = clip && m_timeline->isOnTimeline(clip);
    const bool onTimeline = !clip && timeline && timeline == m_timeline->sequence();
    if (!onClip && !onTimeline) {
        m_bin->import(path);
        emit message(clip ? tr("%1 went to the media bin: its clip is no longer on the timeline.").arg(name)
                          : tr("%1 went to the media bin.").arg(name));
        return;
    }
    QString error;
    const int placed = NxStudioClips::placeCues(path, onClip ? clip->timelinePosition(0) : 0, *m_timeline, &error);
    if (placed == 0) {
        NX_LOG_ERROR("subtitles %s unusable: %s", qUtf8Printable(path), qUtf8Printable(error));
        emit message(tr("%1 could not be read: %2").arg(name, error));
        return;
    }
    emit message(tr("%n subtitle(s) placed on the timeline.", "", placed));
}

void NxStudioSpeech::placeAudio(const QString& path, INxClip* clip, qint64 position)
{
    const QString name = QFileInfo(path).fileName();
    if (!clip || !m_timeline->isOnTimeline(clip)) {
        m_bin->import(path);
        emit message(clip ? tr("%1 went to the media bin: its clip is no longer on the timeline.").arg(name)
                          : tr("%1 went to the media bin.").arg(name));
        return;
    }
    m_bin->import(path, this, [this, position, name](const NxStudioMediaBin::Item& item) {
        m_timeline->addClips(NxStudioClips::fromItem(item, position, *m_timeline), tr("Add voice-over"));
        emit message(tr("%1 placed on the timeline.").arg(name));
    });
}

void NxStudioSpeech::purchase(NxStudioTopUpDialog::Service service, int needed, bool& success)
{
    success = NxStudioTopUpDialog::topUp(service, needed, m_window);
    if (success)
        emit message(tr("Topped up; the task starts again."));
}
