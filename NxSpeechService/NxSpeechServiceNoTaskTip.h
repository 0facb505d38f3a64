#pragma once

#include "INxSkinEventHandler.h"
#include "NxWidget.h"

class QLabel;

// Fills an empty task table: a picture above "No assignment yet, go try the
// voice text service!".
class NxSpeechServiceNoTaskTip : public NxWidget, public INxSkinEventHandler
{
    Q_OBJECT

public:
    explicit NxSpeechServiceNoTaskTip(QWidget* parent);
    ~NxSpeechServiceNoTaskTip() override;

    void RetranslateUi() override;
    void OnSkinChanged(NxSkinChangeEvent* event) override;

private:
    void loadIcon();

    QLabel* m_topLabel = nullptr;
    QLabel* m_iconLabel = nullptr;
    QLabel* m_textLabel = nullptr;
};
