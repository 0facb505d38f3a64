#pragma once

#include "NxTaskTableView.h"

class NxSpeechToTextHelper;
class NxSpeechToTextTableDelegate;
class NxSpeechToTextTableModel;

// The speech-to-text task list: owns its model, delegate and header, and
// passes the rows' button presses to the controller.
class NxSpeechToTextTable : public NxTaskTableView
{
    Q_OBJECT

public:
    NxSpeechToTextTable(NxSpeechToTextHelper* controller, QWidget* parent);
    ~NxSpeechToTextTable() override;

    NxSpeechToTextTableModel* taskModel() const { return m_model; }
    NxSpeechToTextTableDelegate* taskDelegate() const { return m_delegate; }

private:
    QPointer<NxSpeechToTextHelper> m_controller;
    NxSpeechToTextTableModel* m_model = nullptr;
    NxSpeechToTextTableDelegate* m_delegate = nullptr;
};
