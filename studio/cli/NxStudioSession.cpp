#include "NxStudioSession.h"

#include "INxSpeechServicePresenter.h"
#include "NxMediaFile.h"
#include "NxSpeechServiceDialog.h"
#include "NxStudioConsole.h"
#include "NxStudioEngine.h"
#include "NxStudioMediaProbe.h"
#include "NxStudioProgress.h"
#include "NxStudioUnattended.h"
#include "NxTitleClip.h"

#include <QEventLoop>
#include <QFileInfo>

namespace
{

// Materials count their length in milliseconds.
constexpr NxRational MaterialRate{1000, 1};
// A title lasts five seconds at 25 frames a second; its length does not
// change what is spoken.
constexpr NxRational TitleRate{25, 1};
constexpr qint64 TitleLength = 5 * 25;

// As the editor's media bin reads it. A file without sound, or one FFmpeg
// cannot read, is still added: the module says why it cannot be transcribed.
std::unique_ptr<NxMediaFile> materialOf(const QString& filePath)
{
    const QFileInfo file(filePath);
    const NxStudioProbe probe = NxStudioProbe::probe(file.absoluteFilePath());
    const int kind = probe.kind == NxStudioProbe::Audio ? INxAbstractMedia::Audio : INxAbstractMedia::Video;
    return std::make_unique<NxMediaFile>(file.absoluteFilePath(), kind, MaterialRate,
                                         qint64(probe.seconds * 1000), file.completeBaseName());
}

} // namespace

NxStudioSession::NxStudioSession(NxStudioProgress& progress)
    : m_progress(progress)
    , m_unattended(std::make_unique<NxStudioUnattended>())
    , m_dialog(std::make_unique<NxSpeechServiceDialog>(nullptr))
{
    // Once per run, as the factories choose when they make the services' task managers.
    NxStudioConsole::err(NxStudioEngine::line());
    QObject::connect(m_dialog.get(), &NxSpeechServiceDialog::sigSrtFileGenerate, m_dialog.get(),
                     [this](const QString& filePath) { m_subtitles.append(filePath); });
    QObject::connect(m_dialog.get(), &NxSpeechServiceDialog::sigAudioFileGenerate, m_dialog.get(),
                     [this](const QString& filePath) { m_voiceOvers.append(filePath); });
}

NxStudioSession::~NxStudioSession() = default;

QVector<NxStudioSession::Outcome> NxStudioSession::transcribe(const QStringList& files, const QString& language)
{
    QStringList names;
    for (const QString& file : files)
        names.append(QFileInfo(file).fileName());
    return run(m_speechToText, names,
               [&](int item) {
                   m_materials.push_back(materialOf(files.at(item)));
                   m_dialog->presenter()->addMaterialTasks({m_materials.back().get()}, language, false);
               },
               [this](const NxStudioTaskWatch& watch, int task) {
                   const QString subtitles = watch.exported(task);
                   return m_subtitles.contains(subtitles) ? subtitles : QString();
               });
}

NxStudioSession::Outcome NxStudioSession::speak(const QString& text, const TextToSpeechTaskParam& param)
{
    const QString name = QStringLiteral("Title");
    const int voiceOversBefore = m_voiceOvers.size();
    return run(m_textToSpeech, {name},
               [&](int) {
                   auto title = std::make_unique<NxTitleClip>(name, TitleRate, 0, TitleLength);
                   title->addText(text);
                   m_titles.push_back(std::move(title));
                   m_dialog->presenter()->addTextToSpeechTasks({m_titles.back().get()}, param);
               },
               // One title, one voice-over: the one the window announced since.
               [this, voiceOversBefore](const NxStudioTaskWatch&, int) { return m_voiceOvers.value(voiceOversBefore); })
        .value(0);
}

QVector<NxStudioSession::Outcome> NxStudioSession::run(NxStudioTaskWatch& watch, const QStringList& names,
                                                       const Add& add, const Output& output)
{
    QVector<Outcome> outcomes(names.size());
    // Failures of the run's own making are shown like the module's.
    const auto fail = [&](int item, int bar, const QString& failure) {
        m_progress.update(bar, NxStudioTaskState::failed(failure));
        outcomes[item].failure = failure;
    };

    watch.unfollowAll();
    QVector<int> bars;
    QObject progressOfThisRun;
    QObject::connect(&watch, &NxStudioTaskWatch::changed, &progressOfThisRun,
                     [&](int task, const NxStudioTaskState& state) { m_progress.update(bars.at(task), state); });

    // Each item on its own, so that a task the module turns away is known.
    QVector<int> taskOf(names.size(), -1);
    QVector<int> barOf(names.size());
    for (int item = 0; item < names.size(); ++item) {
        barOf[item] = m_progress.add(names.at(item));
        const int taskId = watch.taken([&] { add(item); });
        if (taskId < 0) {
            fail(item, barOf[item], QStringLiteral("the service did not take the task"));
            continue;
        }
        bars.append(barOf[item]);
        taskOf[item] = watch.follow(taskId);
    }

    if (!watch.allEnded()) {
        QEventLoop loop;
        QObject::connect(&watch, &NxStudioTaskWatch::ended, &loop, &QEventLoop::quit);
        loop.exec();
    }

    for (int item = 0; item < names.size(); ++item) {
        const int task = taskOf[item];
        if (task < 0)
            continue;
        const NxStudioTaskState& state = watch.state(task);
        const QString file = state.stage == NxStudioTaskState::Stage::Completed ? output(watch, task) : QString();
        if (!file.isEmpty())
            outcomes[item].file = file;
        else if (state.stage == NxStudioTaskState::Stage::Completed)
            fail(item, barOf[item], QStringLiteral("completed, but no file was written"));
        else if (!state.failure.isEmpty())
            outcomes[item].failure = state.failureText();
        else
            fail(item, barOf[item], QStringLiteral("the task was removed"));
    }
    return outcomes;
}
