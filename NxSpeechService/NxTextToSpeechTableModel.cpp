#include "NxTextToSpeechTableModel.h"

#include "NxTextToSpeechTableDelegate.h"

NxTextToSpeechTableModel::NxTextToSpeechTableModel(QObject* parent)
    : NxTaskTableModel(parent)
{
    qRegisterMetaType<NxTextToSpeech::Task>("NxTextToSpeech::Task");
}

NxTextToSpeechTableModel::~NxTextToSpeechTableModel() = default;

QVariant NxTextToSpeechTableModel::data(const QModelIndex& index, int role) const
{
    const NxTextToSpeech::Task* task = taskAt(index);
    if (!task)
        return QVariant();
    if (role == Qt::UserRole)
        return addressOf(task);
    if (role == Qt::AccessibleTextRole)
        return accessibleText(*task, index.column());
    if (role != Qt::ToolTipRole)
        return QVariant();
    switch (index.column()) {
    case FileNameColumn:
        return task->fileName;
    case CharactersColumn:
        if (task->isSubtitle && task->status == NxTextToSpeech::ConvertFailed)
            return tr("Completed/TotalWord");
        break;
    case StatusColumn:
        if (NxTextToSpeech::isFailedStatus(task->status))
            return task->failureText();
        break;
    default:
        break;
    }
    return QVariant();
}

QVariant NxTextToSpeechTableModel::accessibleText(const NxTextToSpeech::Task& task, int column)
{
    switch (column) {
    case FileNameColumn:
        return task.fileName;
    case CharactersColumn:
        return NxTextToSpeechTableDelegate::charactersText(task);
    case StatusColumn:
        // The count painted at the end of a converting row's stage line.
        return task.status == NxTextToSpeech::Converting
                   ? QStringLiteral("%1  %2").arg(NxTextToSpeechTableDelegate::statusText(task),
                                                 NxTextToSpeechTableDelegate::progressCount(task))
                   : NxTextToSpeechTableDelegate::statusText(task);
    default:
        return QVariant();
    }
}

void NxTextToSpeechTableModel::invoke_update(QVariant var)
{
    repaintTask(var);
}
