#pragma once

#include "NxFramelessDialog.h"
#include "NxSpeechServiceGlobal.h"
#include "TextToSpeechTaskParam.h"

#include <memory>

// "ParamSettings": the classic text-to-speech parameter dialog, with sixteen
// named vocalists, an intonation and a speaking rate. Run it with exec():
// Accepted after "Confirm", which remembers the choice for the next
// opening; Rejected after the title bar's close or Escape, which remember
// nothing. Then read GetParam().
class NXSPEECHSERVICE_EXPORT NxTextToSpeechParamDlg : public NxFramelessDialog
{
    Q_OBJECT

public:
    explicit NxTextToSpeechParamDlg(QWidget* parent);
    ~NxTextToSpeechParamDlg() override;

    TextToSpeechTaskParam GetParam() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
