#pragma once

#include "INxClip.h"
#include "INxTimeline.h"
#include "NxFramelessDialog.h"
#include "NxSpeechServiceGlobal.h"

#include <memory>

class INxSpeechServicePresenter;

// "List of voice-text services": the window in which the user watches the
// speech-to-text and text-to-speech tasks. The host starts tasks through
// presenter() and receives results and purchase requests through the
// signals. Closing asks first while tasks run and then clears them all;
// hiding (Escape) keeps them running.
class NXSPEECHSERVICE_EXPORT NxSpeechServiceDialog : public NxFramelessDialog
{
    Q_OBJECT

public:
    enum TabType { SpeechToText = 0, TextToSpeech = 1 };

    explicit NxSpeechServiceDialog(QWidget* parent);
    ~NxSpeechServiceDialog() override;

    INxSpeechServicePresenter* presenter();
    void showTab(TabType type);
    // True when the window may close; all tasks are then cleared.
    bool checkCanClose();
    void RetranslateUi() override;

signals:
    void sigSrtFileGenerate(QString filepath, INxClip* clip, INxTimeline* timeline);
    void sigAudioFileGenerate(QString filepath, INxClip* clip);
    void sigSrtProductFileGenerate(const QString& filepath, const QString& folderName, INxClip* clip, qlonglong,
                                   bool);
    void sigFindMatterLocation(const QString& filePath);
    void sigTaskFinish();
    // Connect directly and set `success` before returning.
    void sigSTTPurchaseRefresh(int duration, bool& success, bool purchaseMore = false);
    void sigTTSPurchaseRefresh(int characters, bool& success, bool purchaseMore = false);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
