#pragma once

#include "NxTaskPage.h"

class NxSpeechToTextHelper;
class NxSpeechToTextTable;

// The speech-to-text tab: the task table above the remaining-time line.
class NxSpeechToTextWidget : public NxTaskPage
{
    Q_OBJECT

public:
    NxSpeechToTextWidget(NxSpeechToTextHelper* controller, QWidget* parent);
    ~NxSpeechToTextWidget() override;

    // The window really closes: the next lack of time may raise a tip again.
    void closePage();

    NxSpeechToTextTable* table() const { return m_table; }

private slots:
    // Connected by no one here; kept for the host, which lists it.
    void slotCheckStateChanged(int state);
    void slotNoAvailableTime();

private:
    NxSpeechToTextTable* m_table = nullptr;
    QPointer<NxSpeechToTextHelper> m_controller;
};
