#pragma once

#include "NxSpeechToTextTask.h"
#include "NxTaskTableModel.h"

// Rows of the speech-to-text tab. Besides the records under Qt::UserRole it
// serves the name and the failure as tooltips, and what each cell shows as
// its accessible text.
class NxSpeechToTextTableModel : public NxTaskTableModel<NxSpeechToText::Task>
{
    Q_OBJECT

public:
    enum Column { FileNameColumn = 0, DurationColumn = 1, StatusColumn = 2, OperationColumn = 3 };

    explicit NxSpeechToTextTableModel(QObject* parent);
    ~NxSpeechToTextTableModel() override;

    QVariant data(const QModelIndex& index, int role) const override;

private:
    static QVariant accessibleText(const NxSpeechToText::Task& task, int column);
    Q_INVOKABLE void invoke_update(QVariant var);
};
