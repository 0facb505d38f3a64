#pragma once

#include "NxFramelessDialog.h"
#include "NxSpeechServiceGlobal.h"
#include "TextToSpeechTaskParam.h"

#include <memory>

// "Text-to-Speech parameter selection tip": asks for the language of the
// title text, a voice (previewed by a double-click), speed and pitch before
// titles are spoken. Run it with exec(): Accepted after OK, which also
// remembers voice, speed and pitch for the next opening; Rejected after
// Cancel, close or Escape. Then read GetParam().
class NXSPEECHSERVICE_EXPORT NxTextToSpeechParamDialog : public NxFramelessDialog
{
    Q_OBJECT

public:
    explicit NxTextToSpeechParamDialog(QWidget* parent);
    ~NxTextToSpeechParamDialog() override;

    TextToSpeechTaskParam GetParam() const;
    // While the dialog is shown, a minimised or hidden window of `widget` is
    // brought back with the dialog above it. A null widget is ignored.
    void setWidget(QWidget* widget);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
