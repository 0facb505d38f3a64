#pragma once

#include "INxSpeechToTextTaskManager.h"
#include "NxTaskManagerLink.h"
#include "NxTaskOutputs.h"
#include "NxTaskRows.h"
#include "NxSpeechToTextTask.h"

#include <QList>
#include <QModelIndex>
#include <QObject>

#include <functional>

class INxAbstractMedia;
class INxClip;
class INxTimeline;
class NxOutputFolder;
class NxSpeechServicePresenter;
class NxSpeechToTextTableModel;

// Bridges the speech-to-text task manager and the speech-to-text tab: one
// record per transcription, kept in step with the manager's reports, the
// subtitle file of every completed task, and the user's row actions.
//
// The manager reports on its own threads; every report is carried to this
// object's (GUI) thread before it touches a record.
class NxSpeechToTextHelper : public QObject, public INxSpeechToTextTaskManagerCallBack
{
    Q_OBJECT

public:
    explicit NxSpeechToTextHelper(NxSpeechServicePresenter* presenter);
    ~NxSpeechToTextHelper() override;

    bool addMaterialTasks(const QList<INxAbstractMedia*>& materials, QString language, bool attachResult);
    bool addClipTasks(const QList<INxClip*>& clips, QString language, bool attachResult);
    bool addTimelineTask(INxTimeline* timeline, QString language, bool attachResult);

    void setModel(NxSpeechToTextTableModel* model);
    int taskCount() const;
    bool hasUnfinishedTasks();
    void clearAllTasks();
    void refresh();
    void activateTab(int tab);
    void resetPurchaseTip();
    bool serviceState();

    void onTaskStateChanged(const NxSpeechToTextTaskInfo& info) override;
    void onRemainingChanged(int seconds) override;

signals:
    void sigDataChanged(QModelIndex modelIndex);
    void sigAskDelete(bool& ret, bool& noTip);
    void sigLastTimeChanged(int seconds);
    void sigFindMatterLocation(QString filePath);
    void sigTaskFinish();
    void sigProgress(int progress);
    // Never emitted here; kept for the host, which lists it.
    void sigNoAvailableTime();
    void sigPurchaseTip(int duration, bool& success);
    void sigPurchaseRefresh(int duration, bool& success, bool purchaseMore = false);
    void sigTaskStateChanged(int taskId);
    void sigCallbackPurchaseTip(int duration, int taskId);
    void sigTaskCountChanged();

public slots:
    void slotRemoveTask(int index);
    void slotRefreshTask(int index);
    void slotCallbackPurchaseTip(int duration, int taskId);

private:
    using Describe = std::function<void(NxSpeechToText::Task&)>;

    bool addTask(const NxOutputFolder& folder, const QString& base, const QString& suffix,
                 const std::function<int()>& requestTask, bool attachResult, const Describe& describe);
    // Names the task and reserves the name; answers the reservation made.
    QString nameTask(NxSpeechToText::Task& task, const NxOutputFolder& folder, const QString& base,
                     const QString& suffix) const;
    void handleTaskState(const NxSpeechToTextTaskInfo& info);
    void exportSubtitles(const NxSpeechToTextTaskInfo& info, const NxSpeechToText::Task& task);
    void failDelivery(const NxSpeechToTextTaskInfo& info, const QString& why);

    NxTaskManagerLink<INxSpeechToTextTaskManager> m_manager{this};
    NxTaskRows<NxSpeechToText::Task, NxSpeechToTextTableModel> m_rows{this};
    NxTaskOutputs m_outputs;
    NxSpeechServicePresenter* m_presenter = nullptr;
    bool m_purchaseTipArmed = true;
};
