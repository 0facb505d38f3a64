#pragma once

#include "NxTextToSpeechTask.h"

#include <QList>
#include <QString>

class INxClip;
class NxOutputFolder;

// How text-to-speech tasks name what they write in the output folder: a
// title's audio "<clip> - <text>.mp3" with its text file beside it, a
// subtitle clip's folder of sentence files "<clip>_<n>.mp3". No name is one
// that a file, a folder or another task has.
class NxTextToSpeechOutputNames
{
public:
    // Names in `folder` against `tasks`, the tasks that hold names; both
    // outlive this object, and `tasks` may grow meanwhile.
    NxTextToSpeechOutputNames(const NxOutputFolder& folder, const QList<NxTextToSpeech::Task*>& tasks);

    // Each names the task and holds the name on disk; answers what it made to hold it.
    QString nameTitleTask(NxTextToSpeech::Task& task, INxClip* clip) const;
    QString nameSubtitleTask(NxTextToSpeech::Task& task, INxClip* clip) const;

    // The text file a title task writes beside its audio.
    static QString textFileFor(const QString& audioPath);
    // Where the subtitle task's sentence `index` (zero-based) goes in its folder.
    static QString sentenceFile(const QString& folder, const NxTextToSpeech::Task& task, qint64 index);

private:
    // Whether a file or folder is at `path`, or a task will write one there.
    bool isTakenPath(const QString& path) const;

    const NxOutputFolder& m_folder;
    const QList<NxTextToSpeech::Task*>& m_tasks;
};
