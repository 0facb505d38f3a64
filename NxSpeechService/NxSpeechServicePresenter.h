#pragma once

#include <QObject>
#include <QString>

class INxClip;
class INxTimeline;

// The one object through which the task controllers' results and purchase
// requests travel up to the service window and the host. The controllers
// emit the result signals on it directly; the purchase signals carry a
// `success` flag by reference, so every connection on their way is direct.
class NxSpeechServicePresenter : public QObject
{
    Q_OBJECT

public:
    explicit NxSpeechServicePresenter(QObject* parent = nullptr);
    ~NxSpeechServicePresenter() override;

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
};
