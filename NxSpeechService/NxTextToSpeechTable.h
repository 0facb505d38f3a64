#pragma once

#include "NxTaskTableView.h"

class NxTextToSpeechHelper;
class NxTextToSpeechTableDelegate;
class NxTextToSpeechTableModel;

// The text-to-speech task list: owns its model, delegate, header and the
// header's billing tooltip, and passes the rows' button presses to the
// controller.
class NxTextToSpeechTable : public NxTaskTableView
{
    Q_OBJECT

public:
    NxTextToSpeechTable(NxTextToSpeechHelper* controller, QWidget* parent);
    ~NxTextToSpeechTable() override;

    NxTextToSpeechTableModel* taskModel() const { return m_model; }
    NxTextToSpeechTableDelegate* taskDelegate() const { return m_delegate; }

private:
    QPointer<NxTextToSpeechHelper> m_controller;
    NxTextToSpeechTableModel* m_model = nullptr;
    NxTextToSpeechTableDelegate* m_delegate = nullptr;
};
