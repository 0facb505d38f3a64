#pragma once

#include "INxTextToSpeechTaskManager.h"
#include "NxTaskManagerLink.h"
#include "NxTaskOutputs.h"
#include "NxTaskRows.h"
#include "NxTextToSpeechCallBackRelay.h"
#include "NxTextToSpeechTask.h"
#include "TextToSpeechTaskParam.h"

#include <QList>
#include <QModelIndex>
#include <QObject>

class INxClip;
class NxSpeechServicePresenter;
class NxTextToSpeechTableModel;

// Bridges the text-to-speech task manager and the text-to-speech tab: one
// record per title or subtitle clip, kept in step with the manager's
// reports; finished audio and sentence files are copied into the user's
// voice-over folder and handed to the host.
//
// The manager's task and product reports are re-posted to this object's
// (GUI) thread and handled by the invokable methods of the same names.
class NxTextToSpeechHelper : public QObject, public NxTextToSpeechCallBackRelay
{
    Q_OBJECT

public:
    explicit NxTextToSpeechHelper(NxSpeechServicePresenter* presenter);
    ~NxTextToSpeechHelper() override;

    bool addTasks(const QList<INxClip*>& clips, const TextToSpeechTaskParam& param);
    int taskCount() const;
    void setModel(NxTextToSpeechTableModel* model);
    void clearAllTasks();
    bool hasUnfinishedTasks();
    void activateTab(int tab);
    // Asks the manager for a fresh balance (the balance line's refresh).
    void refresh();
    bool serviceState();
    void setCheckState(bool checked);
    void resetPurchaseTip();
    void dealTaskFinished(const NxTextToSpeechTaskInfo& info, NxTextToSpeech::Task* task);

    void onRemainingChanged(int characters) override;

signals:
    void sigDataChanged(QModelIndex modelIndex);
    void sigAskDelete(bool& ret, bool& noTip);
    void sigLastTimeChanged(int seconds);
    void sigFindMatterLocation(QString filePath);
    void sigTaskFinish();
    void sigProgress(int progress);
    // Never emitted here; kept for the host, which lists it.
    void sigNoAvailableSentence();
    void sigPurchaseTip(int characters, bool& success);
    void sigPurchaseRefresh(int characters, bool& success, bool purchaseMore = false);
    void sigTaskStateChanged(int taskId);
    void sigCallbackPurchaseTip(int characters, int taskId);
    void sigTaskCountChanged();

public slots:
    void slotRemoveTask(int index);
    void slotRefreshTask(int index);
    void slotCallbackPurchaseTip(int characters, int taskId);

private:
    Q_INVOKABLE void onTaskStateChanged(NxTextToSpeechTaskInfo info);
    Q_INVOKABLE void onSrtTaskProductProgress(NxSrtTaskProductInfo info);

    // Copies a title's audio and writes its text beside it; false, with the
    // reason in the log, when either is not there whole.
    bool deliverTitle(const NxTextToSpeechTaskInfo& info, const NxTextToSpeech::Task& task);
    void failDelivery(const NxTextToSpeechTaskInfo& info, NxTextToSpeech::Task* task);

    NxTaskManagerLink<INxTextToSpeechTaskManager> m_manager{this};
    NxTaskRows<NxTextToSpeech::Task, NxTextToSpeechTableModel> m_rows{this};
    NxTaskOutputs m_outputs;
    NxSpeechServicePresenter* m_presenter = nullptr;
    bool m_checkState = false;
    bool m_purchaseTipPending = true;
};
