#include "NxStudioSession.h"

#include "INxSpeechServicePresenter.h"
#include "NxMediaFile.h"
#include "NxSpeechServiceDialog.h"
#include "NxStudioConsole.h"
#include "NxStudioEngine.h"
#include "NxStudioMediaProbe.h"
#include "NxStudioProgress.h"
#include "NxStudioTaskWatch.h"
#include "NxStudioUnattended.h"
#include "NxTitleClip.h"

#include <QAbstractItemView>
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
    const auto written = [this](const QString& filePath) { m_written.insert(filePath); };
    QObject::connect(m_dialog.get(), &NxSpeechServiceDialog::sigSrtFileGenerate, m_dialog.get(), written);
    QObject::connect(m_dialog.get(), &NxSpeechServiceDialog::sigAudioFileGenerate, m_dialog.get(), written);
}

NxStudioSession::~NxStudioSession() = default;

QVector<NxStudioSession::Outcome> NxStudioSession::transcribe(const QStringList& files, const QString& language)
{
    QStringList names;
    for (const QString& file : files)
        names.append(QFileInfo(file).fileName());
    return run(taskModel("NxSpeechToTextTableModel"), &NxStudioTaskState::ofSpeechToText, names,
               [&](int item) {
                   m_materials.push_back(materialOf(files.at(item)));
                   m_dialog->presenter()->addMaterialTasks({m_materials.back().get()}, language, false);
               });
}

NxStudioSession::Outcome NxStudioSession::speak(const QString& text, const TextToSpeechTaskParam& param)
{
    const QString name = QStringLiteral("Title");
    return run(taskModel("NxTextToSpeechTableModel"), &NxStudioTaskState::ofTextToSpeech, {name},
               [&](int) {
                   auto title = std::make_unique<NxTitleClip>(name, TitleRate, 0, TitleLength);
                   title->addText(text);
                   m_titles.push_back(std::move(title));
                   m_dialog->presenter()->addTextToSpeechTasks({m_titles.back().get()}, param);
               })
        .value(0);
}

QVector<NxStudioSession::Outcome> NxStudioSession::run(QAbstractItemModel* model,
                                                       NxStudioTaskState (*reader)(const QModelIndex&),
                                                       const QStringList& names, const Add& add)
{
    QVector<Outcome> outcomes(names.size());
    // Failures of the run's own making are shown like the module's.
    const auto fail = [&](int item, int bar, const QString& failure) {
        NxStudioTaskState failed;
        failed.stage = NxStudioTaskState::Failed;
        failed.failure = failure;
        m_progress.update(bar, failed);
        outcomes[item].failure = failure;
    };
    if (!model) {
        for (int item = 0; item < names.size(); ++item)
            fail(item, m_progress.add(names.at(item)), QStringLiteral("the service window has no task table"));
        return outcomes;
    }

    NxStudioTaskWatch watch(model, reader);
    QVector<int> bars;
    QObject::connect(&watch, &NxStudioTaskWatch::changed, &watch,
                     [&](int task, const NxStudioTaskState& state) { m_progress.update(bars.at(task), state); });

    // Each item on its own, so that a task the module turns away is known.
    QVector<int> taskOf(names.size(), -1);
    QVector<int> barOf(names.size());
    for (int item = 0; item < names.size(); ++item) {
        barOf[item] = m_progress.add(names.at(item));
        const int rowsBefore = model->rowCount();
        add(item);
        if (model->rowCount() == rowsBefore) {
            fail(item, barOf[item], QStringLiteral("the service did not take the task"));
            continue;
        }
        bars.append(barOf[item]);
        taskOf[item] = watch.follow(rowsBefore);
    }

    if (!watch.allEnded()) {
        QEventLoop loop;
        QObject::connect(&watch, &NxStudioTaskWatch::ended, &loop, &QEventLoop::quit);
        loop.exec();
    }

    for (int item = 0; item < names.size(); ++item) {
        if (taskOf[item] < 0)
            continue;
        const NxStudioTaskState& state = watch.state(taskOf[item]);
        if (state.stage == NxStudioTaskState::Completed && m_written.contains(state.output))
            outcomes[item].file = state.output;
        else if (state.stage == NxStudioTaskState::Completed)
            fail(item, barOf[item], QStringLiteral("completed, but no file was written"));
        else if (!state.failure.isEmpty())
            outcomes[item].failure = state.failure;
        else
            fail(item, barOf[item], QStringLiteral("the task was removed"));
    }
    return outcomes;
}

QAbstractItemModel* NxStudioSession::taskModel(const char* className) const
{
    // Both tables carry one object name; their models tell them apart.
    for (const QAbstractItemView* view : m_dialog->findChildren<QAbstractItemView*>()) {
        if (view->model() && view->model()->inherits(className))
            return view->model();
    }
    return nullptr;
}
