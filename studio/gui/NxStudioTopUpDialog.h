#pragma once

#include "NxFramelessDialog.h"

class NxLabel;
class QPushButton;
class QSpinBox;

// "Top up": what the editor does for the services' purchase requests. It
// shows what is left, asks how much to add (hours of transcription or
// thousands of characters of speech) and adds it to the usage allowance.
class NxStudioTopUpDialog : public NxFramelessDialog
{
    Q_OBJECT

public:
    enum Service { SpeechToText, TextToSpeech };

    // `needed`: seconds or characters the waiting task asks for (0: unknown).
    NxStudioTopUpDialog(Service service, int needed, QWidget* parent);

    // Asks and tops up; true when the allowance grew.
    static bool topUp(Service service, int needed, QWidget* parent);

    // Sets every text in the interface language: at construction and when it changes.
    void RetranslateUi() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* createContent();
    void apply();

    Service m_service;
    int m_needed;
    QSpinBox* m_amount = nullptr;
    NxLabel* m_balance = nullptr;
    NxLabel* m_need = nullptr;
    NxLabel* m_amountLabel = nullptr;
    QPushButton* m_confirm = nullptr;
    QPushButton* m_cancel = nullptr;
};
