#pragma once

#include "NxFramelessDialog.h"
#include "NxSpeechServiceGlobal.h"
#include "NxSpeechToTextTaskParam.h"

#include <memory>

// "Speech-to-Text parameter selection tip": asks for the spoken language and
// for the clip or the whole timeline before a transcription. Run it with
// exec(): Accepted after OK, Rejected after Cancel, close or Escape; then
// read GetParam().
class NXSPEECHSERVICE_EXPORT NxSpeechToTextParamDialog : public NxFramelessDialog
{
    Q_OBJECT

public:
    explicit NxSpeechToTextParamDialog(QWidget* parent);
    ~NxSpeechToTextParamDialog() override;

    NxSpeechToTextTaskParam GetParam() const;
    // "Transcriptions are automatically matched to the timeline"; a disabled
    // box never attaches, whatever its mark.
    void setCheckState(bool checked, bool enabled);
    void setClipRatioState(bool checked, bool enabled);
    // A disabled timeline leaves the clip as the only choice.
    void setTimelineRatioState(bool checked, bool enabled);
    // While the dialog is shown, a minimised or hidden window of `widget` is
    // brought back with the dialog above it. A null widget is ignored.
    void setWidget(QWidget* widget);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
