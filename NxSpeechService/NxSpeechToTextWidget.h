#pragma once

#include "NxWidget.h"

#include <QPointer>

class NxRemainingWidget;
class NxSpeechToTextHelper;
class NxSpeechToTextTable;

// The speech-to-text tab: the task table above the balance line. It asks
// the user what the controller cannot decide alone.
class NxSpeechToTextWidget : public NxWidget
{
    Q_OBJECT

public:
    NxSpeechToTextWidget(NxSpeechToTextHelper* controller, QWidget* parent);
    ~NxSpeechToTextWidget() override;

    // The window really closes: the next lack of time may raise a tip again.
    void closePage();

    NxSpeechToTextTable* table() const { return m_table; }
    NxRemainingWidget* remainingLine() const { return m_remaining; }

signals:
    void sigProgress(int progress);

private slots:
    void slotAskDelete(bool& ret, bool& noTip);
    void slotLastTimeChanged(int seconds);
    void slotCheckStateChanged(int state);
    void slotNoAvailableTime();

private:
    void purchaseMore();

    NxSpeechToTextTable* m_table = nullptr;
    NxRemainingWidget* m_remaining = nullptr;
    QPointer<NxSpeechToTextHelper> m_controller;
};
