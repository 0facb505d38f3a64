#include "NxGallerySpeechToTextParam.h"

#include "NxGalleryOutput.h"

#include "NxSpeechToTextParamDialog.h"

void renderSpeechToTextParam(const QString& folder, const QString& skin)
{
    {
        NxSpeechToTextParamDialog dialog(nullptr);
        writePage(&dialog, folder, QStringLiteral("stt-param"), skin);
    }
    {
        NxSpeechToTextParamDialog dialog(nullptr);
        dialog.setTimelineRatioState(false, false);
        dialog.setCheckState(true, false);
        writePage(&dialog, folder, QStringLiteral("stt-param-clip-only"), skin);
    }
}
