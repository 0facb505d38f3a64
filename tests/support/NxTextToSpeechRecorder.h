#pragma once

#include "INxTextToSpeechTaskManager.h"

#include <QObject>
#include <QStringList>

// Keeps every report a text-to-speech manager makes, moved onto the thread
// that made the recorder (they come on the engine's), in order as events:
// "state<n>" and "product<index>".
class NxTextToSpeechRecorder final : public QObject, public INxTextToSpeechTaskManagerCallBack
{
public:
    using Info = NxTextToSpeechTaskInfo;

    QList<Info> states;
    QList<NxSrtTaskProductInfo> products;
    QStringList events;
    QList<int> remaining;

    void onTaskStateChanged(const Info& info) override
    {
        post([=] { states.append(info), events.append(QStringLiteral("state%1").arg(info.state)); });
    }
    void onRemainingChanged(int characters) override { post([=] { remaining.append(characters); }); }
    void onSrtTaskProductProgress(const NxSrtTaskProductInfo& info) override
    {
        post([=] { products.append(info), events.append(QStringLiteral("product%1").arg(info.index)); });
    }

    // Each manager numbers its tasks from 1: forget the reports of the one before.
    void clear() { states.clear(), products.clear(), events.clear(), remaining.clear(); }
    Info last() const { return states.isEmpty() ? Info() : states.constLast(); }
    bool ended() const { return endsATask(last()); }
    // The report that ended the task; state 0 while it runs.
    Info ending(int taskId) const
    {
        Info running;
        running.state = 0;
        for (auto it = states.crbegin(); it != states.crend(); ++it) {
            if (it->taskId == taskId)
                return endsATask(*it) ? *it : running;
        }
        return running;
    }
    QList<NxSrtTaskProductInfo> productsOf(int taskId) const
    {
        QList<NxSrtTaskProductInfo> result;
        for (const NxSrtTaskProductInfo& product : products) {
            if (product.taskId == taskId)
                result.append(product);
        }
        return result;
    }

private:
    static bool endsATask(const Info& info)
    {
        return info.state == Info::Completed || info.state == Info::ScanFailed || info.state == Info::ConvertFailed;
    }
    template <typename F>
    void post(F f) { QMetaObject::invokeMethod(this, f, Qt::QueuedConnection); }
};
