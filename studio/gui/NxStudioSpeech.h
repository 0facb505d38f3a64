#pragma once

#include "NxStudioTaskFailures.h"
#include "NxStudioTopUpDialog.h"

#include <QObject>
#include <QPointer>

class INxAbstractMedia;
class INxClip;
class INxTimeline;
class NxSpeechServiceDialog;
class NxStudioMediaBin;
class NxStudioTimeline;

// The editor's side of the voice-text services: opens the parameter dialogs
// for what the user selected, starts the tasks through the presenter, and
// puts what comes back where the user asked for it: on the timeline when
// the results were to be matched to it, in the media bin otherwise. Answers
// the services' purchase requests with the top-up dialog.
class NxStudioSpeech : public QObject
{
    Q_OBJECT

public:
    NxStudioSpeech(NxStudioTimeline* timeline, NxStudioMediaBin* bin, QWidget* window);
    // Ends the services before the timeline and bin their tasks point at.
    ~NxStudioSpeech() override;

    NxSpeechServiceDialog* serviceDialog() const;

    // Transcribes the clips selected on the timeline, or `materials`, media
    // bin files the user chose after them, or the whole timeline.
    void speechToText(const QList<INxAbstractMedia*>& materials = {});
    void textToSpeech(bool classic);
    void showServices();
    // True when the window may close: no task runs, or the user agreed to
    // stop them.
    bool mayClose();

signals:
    // A sentence for the status bar.
    void message(const QString& text);
    // The tasks `text` announced have ended, well or not: it says no more.
    void messageOutdated(const QString& text);

private:
    void connectResults();
    void connectPurchases();
    void placeSubtitles(const QString& path, INxClip* clip, INxTimeline* timeline);
    void placeAudio(const QString& path, INxClip* clip, qint64 position);
    void purchase(NxStudioTopUpDialog::Service service, int needed, bool& success);
    void announceTasks(const QString& text);
    void endAnnouncement();
    void tellFailure(NxStudioTaskFailures::Service service, const QString& name, const QString& reason);

    NxStudioTimeline* m_timeline;
    NxStudioMediaBin* m_bin;
    QPointer<QWidget> m_window;
    // Before the services window: it observes the managers the window makes.
    NxStudioTaskFailures m_failures;
    NxSpeechServiceDialog* m_services;
    QString m_announced; // the status bar's word on the tasks last started, until one ends
};
