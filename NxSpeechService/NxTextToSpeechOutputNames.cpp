#include "NxTextToSpeechOutputNames.h"

#include "INxClip.h"
#include "INxTextClip.h"
#include "INxTextTimelineClip.h"
#include "NxFileName.h"
#include "NxOutputFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>

#include <sys/stat.h>

using NxTextToSpeech::Task;

namespace
{

constexpr int TitleNameLength = 25;
const QString AudioExtension = QStringLiteral(".mp3");
const QString TextExtension = QStringLiteral(".kvtxt");
// A subtitle task's name may be numbered twice: as a task ("_<n>") and as a folder (" <n>").
constexpr int SubtitleNameReserve = 2 * NxFileName::NumberBytes;
// A sentence file is "<clip name>_<n>.mp3".
const int SentenceNameReserve = NxFileName::NumberBytes + AudioExtension.size();

// Characters no file name may hold on any system the host runs on. What
// this system forbids goes first: the expression matches nothing at all in
// text that holds a lone surrogate.
QString withoutIllegalCharacters(const QString& name)
{
    static const QRegularExpression illegal(QStringLiteral("[\\\\\\/\\:\\*\\?\\\"\\<\\>\\|]"));
    return NxFileName::withoutForbidden(name).remove(illegal);
}

// The first `count` characters, a character outside the basic plane
// (a surrogate pair) counting as one.
QString firstCharacters(const QString& text, int count)
{
    int end = 0;
    for (int taken = 0; taken < count && end < text.size(); ++taken)
        end += text.at(end).isHighSurrogate() && end + 1 < text.size() ? 2 : 1;
    return text.left(end);
}

// Whether `path` is textFileFor(`audioPath`) for a title's audio in the
// absolute output folder. Naming compares every new name with every task, so
// this builds no string.
bool isTextFileOf(const QString& path, const QString& audioPath)
{
    const QStringRef stem = audioPath.leftRef(audioPath.size() - AudioExtension.size());
    return path.size() == stem.size() + TextExtension.size() && path.startsWith(stem)
           && path.endsWith(TextExtension);
}

QString titleText(INxClip* clip)
{
    const auto* title = dynamic_cast<INxTextTimelineClip*>(clip);
    const INxTitleDocument* document = title ? title->titleDocument() : nullptr;
    if (!document)
        return QString();
    QString text;
    const QList<INxTitleElement*> elements = document->elements();
    for (INxTitleElement* element : elements) {
        if (const auto* textElement = dynamic_cast<INxTextClip*>(element))
            text += textElement->text();
    }
    return text.simplified();
}

} // namespace

NxTextToSpeechOutputNames::NxTextToSpeechOutputNames(const NxOutputFolder& folder, const QList<Task*>& tasks)
    : m_folder(folder)
    , m_tasks(tasks)
{
}

QString NxTextToSpeechOutputNames::nameTitleTask(Task& task, INxClip* clip) const
{
    const QString text = withoutIllegalCharacters(titleText(clip));
    const QString name = withoutIllegalCharacters(clip->name()) + QStringLiteral(" - ") + text;
    const QString base = NxFileName::fitted(firstCharacters(name, TitleNameLength),
                                            NxFileName::NumberBytes + TextExtension.size());
    const QString candidate = m_folder.candidateName(base, base, Qt::CaseInsensitive);
    const QString ruled = NxOutputFolder::againstTasks(base, candidate, m_tasks);
    // Both files of the title must be free, also of what this call has made since the folder was read.
    QString reservation;
    task.fileName = m_folder.reserveFreeName(base, ruled, [this](const QString& fileName) {
        const QString audio = m_folder.path() + fileName + AudioExtension;
        return isTakenPath(audio) || isTakenPath(textFileFor(audio));
    }, &reservation);
    task.destPath = m_folder.path() + task.fileName + AudioExtension;
    return reservation;
}

QString NxTextToSpeechOutputNames::nameSubtitleTask(Task& task, INxClip* clip) const
{
    const QString clipName = NxFileName::fitted(clip->name(), SubtitleNameReserve);
    const auto taken = [this](const QString& name) {
        for (const Task* other : m_tasks) {
            if (other->fileName == name)
                return true;
        }
        return false;
    };
    QString name = clipName;
    for (int number = 1; taken(name); ++number)
        name = clipName + QLatin1Char('_') + QString::number(number);

    // A name the output folder or its parent answers to ("", ".", "..")
    // exists already, so it is numbered like any other taken one. The folder
    // is made exclusively: one that another process made first is theirs.
    const QString base = m_folder.path() + name;
    QString destination = base;
    QString made;
    for (int number = 1;; ++number) {
        if (!isTakenPath(destination)) {
            if (::mkdir(QFile::encodeName(destination).constData(), 0777) == 0) {
                made = destination;
                break;
            }
            // A folder that cannot be made at all: the sentences' copies will say why.
            if (errno != EEXIST)
                break;
        }
        destination = base + QLatin1Char(' ') + QString::number(number);
    }
    task.fileName = name;
    task.destPath = destination;
    return made;
}

bool NxTextToSpeechOutputNames::isTakenPath(const QString& path) const
{
    if (QFileInfo::exists(path))
        return true;
    return std::any_of(m_tasks.begin(), m_tasks.end(), [&path](const Task* task) {
        return task->destPath == path || (!task->isSubtitle && isTextFileOf(path, task->destPath));
    });
}

// The text file a title task writes beside its audio.
QString NxTextToSpeechOutputNames::textFileFor(const QString& audioPath)
{
    const QFileInfo audio(audioPath);
    return audio.absolutePath() + QLatin1Char('/') + audio.completeBaseName() + TextExtension;
}

QString NxTextToSpeechOutputNames::sentenceFile(const QString& folder, const Task& task, qint64 index)
{
    const QString clipName = task.clip ? NxFileName::fitted(task.clip->name(), SentenceNameReserve) : task.fileName;
    return folder + clipName + QLatin1Char('_') + QString::number(index + 1) + AudioExtension;
}
