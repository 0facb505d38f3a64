#include "NxSpeechServicePresenter.h"

#include "INxClip.h"
#include "INxTimeline.h"
#include "NxSpeechToTextHelper.h"
#include "NxTextToSpeechHelper.h"

NxSpeechServicePresenter::NxSpeechServicePresenter(QObject* parent)
    : QObject(parent)
{
    // The result signals carry host objects, also across queued connections.
    qRegisterMetaType<INxClip*>("INxClip*");
    qRegisterMetaType<INxTimeline*>("INxTimeline*");

    m_speechToText = new NxSpeechToTextHelper(this);
    m_textToSpeech = new NxTextToSpeechHelper(this);

    connect(m_speechToText, &NxSpeechToTextHelper::sigFindMatterLocation, this,
            &NxSpeechServicePresenter::sigFindMatterLocation);
    connect(m_speechToText, &NxSpeechToTextHelper::sigTaskFinish, this, &NxSpeechServicePresenter::relayTaskFinish);
    connect(m_speechToText, &NxSpeechToTextHelper::sigPurchaseTip, this, &NxSpeechServicePresenter::sigSTTPurchaseTip);
    connect(m_speechToText, &NxSpeechToTextHelper::sigPurchaseRefresh, this,
            &NxSpeechServicePresenter::sigSTTPurchaseRefresh);
    connect(m_textToSpeech, &NxTextToSpeechHelper::sigFindMatterLocation, this,
            &NxSpeechServicePresenter::sigFindMatterLocation);
    connect(m_textToSpeech, &NxTextToSpeechHelper::sigTaskFinish, this, &NxSpeechServicePresenter::relayTaskFinish);
    connect(m_textToSpeech, &NxTextToSpeechHelper::sigPurchaseTip, this, &NxSpeechServicePresenter::sigTTSPurchaseTip);
    connect(m_textToSpeech, &NxTextToSpeechHelper::sigPurchaseRefresh, this,
            &NxSpeechServicePresenter::sigTTSPurchaseRefresh);
}

NxSpeechServicePresenter::~NxSpeechServicePresenter()
{
    delete m_speechToText;
    delete m_textToSpeech;
}

bool NxSpeechServicePresenter::addClipTasks(const QList<INxClip*>& clips, QString language, bool attachResult)
{
    return m_speechToText->addClipTasks(clips, language, attachResult);
}

bool NxSpeechServicePresenter::addTimelineTask(INxTimeline* timeline, QString language, bool attachResult)
{
    return m_speechToText->addTimelineTask(timeline, language, attachResult);
}

bool NxSpeechServicePresenter::addMaterialTasks(const QList<INxAbstractMedia*>& materials, QString language,
                                                bool attachResult)
{
    return m_speechToText->addMaterialTasks(materials, language, attachResult);
}

bool NxSpeechServicePresenter::speechToTextServiceState()
{
    return m_speechToText->serviceState();
}

bool NxSpeechServicePresenter::addTextToSpeechTasks(const QList<INxClip*>& clips, const TextToSpeechTaskParam& param)
{
    return m_textToSpeech->addTasks(clips, param);
}

bool NxSpeechServicePresenter::textToSpeechServiceState()
{
    return m_textToSpeech->serviceState();
}

bool NxSpeechServicePresenter::hasUnfinishedTasks()
{
    return m_speechToText->hasUnfinishedTasks() || m_textToSpeech->hasUnfinishedTasks();
}

void NxSpeechServicePresenter::clearAllTasks()
{
    m_speechToText->clearAllTasks();
    m_textToSpeech->clearAllTasks();
}

void NxSpeechServicePresenter::setTaskFinishBlocked(bool blocked)
{
    m_taskFinishBlocked = blocked;
}

void NxSpeechServicePresenter::activateTab(int tab)
{
    if (tab == 1)
        m_textToSpeech->activateTab(tab);
    else
        m_speechToText->activateTab(tab);
}

void NxSpeechServicePresenter::relayTaskFinish()
{
    if (!m_taskFinishBlocked)
        emit sigTaskFinish();
}
