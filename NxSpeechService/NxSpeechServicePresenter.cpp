#include "NxSpeechServicePresenter.h"

NxSpeechServicePresenter::NxSpeechServicePresenter(QObject* parent)
    : QObject(parent)
{
}

NxSpeechServicePresenter::~NxSpeechServicePresenter() = default;
