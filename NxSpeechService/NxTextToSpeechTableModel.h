#pragma once

#include "NxTaskTableModel.h"
#include "NxTextToSpeechTask.h"

// Rows of the text-to-speech tab. Besides the records under Qt::UserRole it
// serves the name, the sentence count note and the failure as tooltips, and
// what each cell shows as its accessible text.
class NxTextToSpeechTableModel : public NxTaskTableModel<NxTextToSpeech::Task>
{
    Q_OBJECT

public:
    enum Column { FileNameColumn = 0, CharactersColumn = 1, StatusColumn = 2, OperationColumn = 3 };

    explicit NxTextToSpeechTableModel(QObject* parent);
    ~NxTextToSpeechTableModel() override;

    QVariant data(const QModelIndex& index, int role) const override;

private:
    static QVariant accessibleText(const NxTextToSpeech::Task& task, int column);
    Q_INVOKABLE void invoke_update(QVariant var);
};
