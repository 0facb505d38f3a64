#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>

#include <functional>
#include <memory>

// Hears the task managers' reports beside the services window, which shows a
// failure in the module's fixed words: a task that fails with the engine's
// reason is told here with the name of what it was asked to hear or speak,
// and a voice preview that cannot play with the audition's reason.
// Made before the services window, so that its managers are observed.
class NxStudioTaskFailures : public QObject
{
    Q_OBJECT

public:
    enum Service { SpeechToText, TextToSpeech };

    explicit NxStudioTaskFailures(QObject* parent = nullptr);
    ~NxStudioTaskFailures() override;

    // Runs `add`, which asks `service` for one task per name, in order: each
    // task the managers take is known by its name from then on.
    void adding(Service service, const QStringList& names, const std::function<void()>& add);

signals:
    void failed(NxStudioTaskFailures::Service service, const QString& name, const QString& reason);
    void previewRefused(const QString& reason);

private:
    template <typename Observer>
    class Follower;
    class SpeechToTextFollower;
    class TextToSpeechFollower;
    class AuditionFollower;

    void added(Service service, int taskId);
    void reported(Service service, int taskId, bool failing, const QString& reason);

    QStringList m_adding;
    Service m_addingService = SpeechToText;
    QHash<QPair<int, int>, QString> m_names; // (service, task id) -> name
    QSet<QPair<int, int>> m_failed;           // told, until the task runs again
    std::unique_ptr<SpeechToTextFollower> m_speechToText;
    std::unique_ptr<TextToSpeechFollower> m_textToSpeech;
    std::unique_ptr<AuditionFollower> m_audition;
};
