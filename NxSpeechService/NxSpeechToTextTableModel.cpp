#include "NxSpeechToTextTableModel.h"

#include "NxSpeechToTextTableDelegate.h"

NxSpeechToTextTableModel::NxSpeechToTextTableModel(QObject* parent)
    : NxTaskTableModel(parent)
{
    qRegisterMetaType<NxSpeechToText::Task>("NxSpeechToText::Task");
}

NxSpeechToTextTableModel::~NxSpeechToTextTableModel() = default;

QVariant NxSpeechToTextTableModel::data(const QModelIndex& index, int role) const
{
    const NxSpeechToText::Task* task = taskAt(index);
    if (!task)
        return QVariant();
    if (role == Qt::UserRole)
        return addressOf(task);
    if (role == Qt::AccessibleTextRole)
        return accessibleText(*task, index.column());
    if (role == Qt::ToolTipRole) {
        if (index.column() == FileNameColumn)
            return task->fileName;
        if (index.column() == StatusColumn && NxSpeechToText::isFailedStatus(task->status))
            return task->failureText();
    }
    return QVariant();
}

QVariant NxSpeechToTextTableModel::accessibleText(const NxSpeechToText::Task& task, int column)
{
    switch (column) {
    case FileNameColumn:
        return task.fileName;
    case DurationColumn:
        return NxSpeechToTextTableDelegate::durationText(task.duration);
    case StatusColumn:
        return NxSpeechToTextTableDelegate::statusText(task.status, task.progress, task.progressMax,
                                                       task.failureText());
    default:
        return QVariant();
    }
}

void NxSpeechToTextTableModel::invoke_update(QVariant var)
{
    repaintTask(var);
}
