#pragma once

#include "NxStudioTaskWatch.h"
#include "TextToSpeechTaskParam.h"

#include <QStringList>
#include <QVector>

#include <functional>
#include <memory>
#include <vector>

class INxAbstractMedia;
class INxClip;
class NxSpeechServiceDialog;
class NxStudioProgress;
class NxStudioUnattended;

// The module as the editor uses it, without showing anything: the service
// window is built and stays hidden, tasks go in through its presenter, the
// finished files come back through its signals, and each task's stage is read
// from the reports its task manager gives the module. Each run returns when
// all of its tasks have ended.
class NxStudioSession
{
public:
    // What became of one task: its file, or why there is none.
    struct Outcome
    {
        QString file;
        QString failure;
        bool succeeded() const { return !file.isEmpty(); }
    };

    explicit NxStudioSession(NxStudioProgress& progress);
    ~NxStudioSession();
    NxStudioSession(const NxStudioSession&) = delete;
    NxStudioSession& operator=(const NxStudioSession&) = delete;

    // Each file as a material of the media library, transcribed whole;
    // `language` is a code such as "en-US". One outcome per file, in order.
    QVector<Outcome> transcribe(const QStringList& files, const QString& language);
    // The text as a title clip, spoken with `param`'s voice.
    Outcome speak(const QString& text, const TextToSpeechTaskParam& param);

private:
    using Add = std::function<void(int item)>;
    // The file a completed task wrote, if the window announced it.
    using Output = std::function<QString(const NxStudioTaskWatch& watch, int task)>;
    QVector<Outcome> run(NxStudioTaskWatch& watch, const QStringList& names, const Add& add, const Output& output);

    NxStudioProgress& m_progress;
    // The module's records point to these: they go after the window.
    std::vector<std::unique_ptr<INxAbstractMedia>> m_materials;
    std::vector<std::unique_ptr<INxClip>> m_titles;
    std::unique_ptr<NxStudioUnattended> m_unattended;
    // Watching before the window makes its task managers, until it has released them.
    NxStudioTaskWatch m_speechToText{NxStudioTaskWatch::Service::SpeechToText};
    NxStudioTaskWatch m_textToSpeech{NxStudioTaskWatch::Service::TextToSpeech};
    std::unique_ptr<NxSpeechServiceDialog> m_dialog;
    // The files the window announced, in order.
    QStringList m_subtitles;
    QStringList m_voiceOvers;
};
