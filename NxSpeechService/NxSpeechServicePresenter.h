#pragma once

#include "INxClip.h"
#include "INxSpeechServicePresenter.h"
#include "INxTimeline.h"

#include <QObject>
#include <QString>

class NxSpeechToTextHelper;
class NxTextToSpeechHelper;

// Owns the two task controllers and is the one object through which the
// host starts tasks and through which results and purchase requests travel
// up to the service window. The controllers emit the result signals on it
// directly; the purchase signals carry a `success` flag by reference, so
// every connection on their way is direct.
class NxSpeechServicePresenter : public QObject, public INxSpeechServicePresenter
{
    Q_OBJECT
    Q_INTERFACES(INxSpeechServicePresenter)

public:
    explicit NxSpeechServicePresenter(QObject* parent = nullptr);
    ~NxSpeechServicePresenter() override;

    bool addClipTasks(const QList<INxClip*>& clips, QString language, bool attachResult) override;
    bool addTimelineTask(INxTimeline* timeline, QString language, bool attachResult) override;
    bool addMaterialTasks(const QList<INxAbstractMedia*>& materials, QString language, bool attachResult) override;
    bool speechToTextServiceState() override;
    bool addTextToSpeechTasks(const QList<INxClip*>& clips, const TextToSpeechTaskParam& param) override;
    bool textToSpeechServiceState() override;

    NxSpeechToTextHelper* speechToTextHelper() const { return m_speechToText; }
    NxTextToSpeechHelper* textToSpeechHelper() const { return m_textToSpeech; }
    bool hasUnfinishedTasks();
    void clearAllTasks();
    // While a purchase tip is open, the end of tasks is not passed on.
    void setTaskFinishBlocked(bool blocked);
    bool isTaskFinishBlocked() const { return m_taskFinishBlocked; }
    // Tab 1 is text-to-speech; any other is speech-to-text.
    void activateTab(int tab);

signals:
    void sigSrtFileGenerate(QString filepath, INxClip* clip, INxTimeline* timeline);
    void sigAudioFileGenerate(QString filepath, INxClip* clip);
    void sigSrtProductFileGenerate(const QString& filepath, const QString& folderName, INxClip* clip,
                                   qlonglong position, bool bStart);
    void sigFindMatterLocation(const QString& filePath);
    void sigTaskFinish();
    void sigSTTPurchaseTip(int duration, bool& success);
    void sigSTTPurchaseRefresh(int duration, bool& success, bool purchaseMore = false);
    void sigTTSPurchaseTip(int characters, bool& success);
    void sigTTSPurchaseRefresh(int characters, bool& success, bool purchaseMore = false);

private:
    void relayTaskFinish();

    NxSpeechToTextHelper* m_speechToText = nullptr;
    NxTextToSpeechHelper* m_textToSpeech = nullptr;
    bool m_taskFinishBlocked = false;
};
