#pragma once

#include "NxTaskPage.h"

class NxTextToSpeechHelper;
class NxTextToSpeechTable;

// The text-to-speech tab: the task table above the remaining-characters line.
class NxTextToSpeechWidget : public NxTaskPage
{
    Q_OBJECT

public:
    NxTextToSpeechWidget(NxTextToSpeechHelper* controller, QWidget* parent);
    ~NxTextToSpeechWidget() override;

    // The window really closes: the next lack of characters may raise a tip again.
    void closePage();

    NxTextToSpeechTable* table() const { return m_table; }

private slots:
    // Connected by no one here; kept for the host, which lists it.
    void slotCheckStateChanged(int state);
    void slotNoAvailableSentence();

private:
    NxTextToSpeechTable* m_table = nullptr;
    QPointer<NxTextToSpeechHelper> m_controller;
};
