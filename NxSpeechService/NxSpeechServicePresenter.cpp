#include "NxSpeechServicePresenter.h"

#include "INxClip.h"
#include "INxTimeline.h"

NxSpeechServicePresenter::NxSpeechServicePresenter(QObject* parent)
    : QObject(parent)
{
    // The result signals carry host objects, also across queued connections.
    qRegisterMetaType<INxClip*>("INxClip*");
    qRegisterMetaType<INxTimeline*>("INxTimeline*");
}

NxSpeechServicePresenter::~NxSpeechServicePresenter() = default;
