#include "NxSpeechToTextTableModel.h"

NxSpeechToTextTableModel::NxSpeechToTextTableModel(QObject* parent)
    : QAbstractTableModel(parent)
{
    qRegisterMetaType<NxSpeechToText::Task>("NxSpeechToText::Task");
}

NxSpeechToTextTableModel::~NxSpeechToTextTableModel() = default;

int NxSpeechToTextTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_tasks.size();
}

int NxSpeechToTextTableModel::columnCount(const QModelIndex&) const
{
    return ColumnCount;
}

QVariant NxSpeechToTextTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_tasks.size())
        return QVariant();
    const NxSpeechToText::Task* task = m_tasks.at(index.row());

    if (role == Qt::UserRole)
        return QVariant::fromValue(qulonglong(quintptr(task)));
    if (role == Qt::ToolTipRole) {
        if (index.column() == FileNameColumn)
            return task->fileName;
        if (index.column() == StatusColumn && NxSpeechToText::isFailedStatus(task->status))
            return task->failureText();
    }
    return QVariant();
}

NxSpeechToText::Task* NxSpeechToTextTableModel::taskFromVariant(const QVariant& value)
{
    const qulonglong address = value.userType() == QMetaType::ULongLong
                                   ? value.value<qulonglong>()
                                   : value.toULongLong();
    return reinterpret_cast<NxSpeechToText::Task*>(quintptr(address));
}

void NxSpeechToTextTableModel::appendTask(NxSpeechToText::Task* task)
{
    const int row = m_tasks.size();
    beginInsertRows(QModelIndex(), row, row);
    m_tasks.append(task);
    endInsertRows();
}

void NxSpeechToTextTableModel::updateTask(NxSpeechToText::Task* task)
{
    const QVariant address = QVariant::fromValue(qulonglong(quintptr(task)));
    QMetaObject::invokeMethod(this, "invoke_update", Qt::QueuedConnection, Q_ARG(QVariant, address));
}

void NxSpeechToTextTableModel::invoke_update(QVariant var)
{
    // The record may have been removed (even freed) since the update was
    // posted: it is only compared by address, never followed.
    const int row = m_tasks.indexOf(taskFromVariant(var));
    if (row < 0)
        return;
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1), {});
}

QModelIndex NxSpeechToTextTableModel::indexOfTask(NxSpeechToText::Task* task) const
{
    const int row = m_tasks.indexOf(task);
    return row < 0 ? QModelIndex() : index(row, 0);
}

NxSpeechToText::Task* NxSpeechToTextTableModel::takeTask(const int& row)
{
    if (row < 0 || row >= m_tasks.size())
        return nullptr;
    beginRemoveRows(QModelIndex(), row, row);
    NxSpeechToText::Task* task = m_tasks.takeAt(row);
    endRemoveRows();
    // The row that moved into this place repaints.
    if (row < m_tasks.size())
        emit dataChanged(index(row, 0), index(row, ColumnCount - 1), {});
    return task;
}

void NxSpeechToTextTableModel::clearTasks()
{
    if (m_tasks.isEmpty())
        return;
    beginRemoveRows(QModelIndex(), 0, m_tasks.size() - 1);
    m_tasks.clear();
    endRemoveRows();
}
