#include "NxSpeechToTextTableModel.h"

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
    if (role == Qt::ToolTipRole) {
        if (index.column() == FileNameColumn)
            return task->fileName;
        if (index.column() == StatusColumn && NxSpeechToText::isFailedStatus(task->status))
            return task->failureText();
    }
    return QVariant();
}

void NxSpeechToTextTableModel::invoke_update(QVariant var)
{
    repaintTask(var);
}
