#pragma once

#include "NxFramelessDialog.h"

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

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* createContent(int needed);
    void apply();

    Service m_service;
    QSpinBox* m_amount = nullptr;
};
