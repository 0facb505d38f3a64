#pragma once

#include "NxSpeechToTextTask.h"

#include <QAbstractTableModel>
#include <QList>

// Rows of the speech-to-text tab, one per task record, in the controller's
// order. The delegate paints every cell from the record under Qt::UserRole;
// the model itself only adds the tooltips.
class NxSpeechToTextTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { FileNameColumn = 0, DurationColumn = 1, StatusColumn = 2, OperationColumn = 3, ColumnCount };

    explicit NxSpeechToTextTableModel(QObject* parent);
    ~NxSpeechToTextTableModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    void appendTask(NxSpeechToText::Task* task);
    // Repaints the task's row later on the model's thread; callable from any thread.
    void updateTask(NxSpeechToText::Task* task);
    QModelIndex indexOfTask(NxSpeechToText::Task* task) const;
    NxSpeechToText::Task* takeTask(const int& row);
    void clearTasks();

    // The record behind a Qt::UserRole value (null when there is none).
    static NxSpeechToText::Task* taskFromVariant(const QVariant& value);

private:
    Q_INVOKABLE void invoke_update(QVariant var);

    QList<NxSpeechToText::Task*> m_tasks;
};
