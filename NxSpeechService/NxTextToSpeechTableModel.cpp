#include "NxTextToSpeechTableModel.h"

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

void NxTextToSpeechTableModel::invoke_update(QVariant var)
{
    repaintTask(var);
}
