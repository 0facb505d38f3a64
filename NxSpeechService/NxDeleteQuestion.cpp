#include "NxDeleteQuestion.h"

#include "NxAppSettings.h"

namespace NxDeleteQuestion
{

bool agreed(Service service, bool ended, const Ask& ask)
{
    NGeneralSettings* settings = NxAppSettings::GetInstance()->GetSettings()->GetGeneralSetting();
    const bool noTipSet = service == SpeechToText ? settings->GetSTTDeleteTaskNoTip()
                                                  : settings->GetTTSDeleteTaskNoTip();
    if (noTipSet || ended)
        return true;

    bool ret = false;
    bool noTip = false;
    ask(ret, noTip);
    if (!ret)
        return false;
    if (noTip) {
        if (service == SpeechToText)
            settings->SetSTTDeleteTaskNoTip(true);
        else
            settings->SetTTSDeleteTaskNoTip(true);
    }
    return true;
}

} // namespace NxDeleteQuestion
