#pragma once

#include "NxStudioTaskState.h"

#include <QHash>
#include <QObject>
#include <QVector>

#include <functional>
#include <memory>

// Follows chosen tasks of one service through the host's view of its task
// managers: the reports the module gets, read on this object's thread, and a
// change of stage or progress is passed on.
class NxStudioTaskWatch : public QObject
{
    Q_OBJECT

public:
    enum class Service { SpeechToText, TextToSpeech };

    explicit NxStudioTaskWatch(Service service, QObject* parent = nullptr);
    ~NxStudioTaskWatch() override;

    // Runs `add`, which asks the service for one task; returns the id the
    // manager gave it, or -1 when no manager took a task.
    int taken(const std::function<void()>& add);
    // Follows the task `taskId`; returns its number in this watch.
    int follow(int taskId);
    void unfollowAll();
    const NxStudioTaskState& state(int task) const { return m_states.at(task); }
    // Where the task's subtitles were exported, if they were.
    QString exported(int task) const { return m_exported.value(m_ids.at(task)); }
    bool allEnded() const;

signals:
    void changed(int task, const NxStudioTaskState& state);
    void ended();

private:
    template <typename Observer>
    class Follower;
    class SpeechToText;
    class TextToSpeech;

    // Runs `call` on this object's thread: now when already there (the module
    // adds and exports on it), else queued.
    void onOwnThread(std::function<void()> call);
    void reported(int taskId, const NxStudioTaskState& state);
    void added(int taskId);

    // One of them, for the service watched.
    std::unique_ptr<SpeechToText> m_speechToText;
    std::unique_ptr<TextToSpeech> m_textToSpeech;
    QVector<int> m_ids;
    QVector<NxStudioTaskState> m_states;
    // The last report of every task seen, followed or not yet.
    QHash<int, NxStudioTaskState> m_reported;
    QHash<int, QString> m_exported;
    int m_taken = -1;
};
