#include "NxSpeechToTextRecorder.h"

#include <QCoreApplication>
#include <QThread>

#include <algorithm>
#include <iterator>

void NxSpeechToTextRecorder::onTaskStateChanged(const Info& info)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_reports.append(info);
    m_onTestThread = m_onTestThread || QThread::currentThread() == QCoreApplication::instance()->thread();
}

void NxSpeechToTextRecorder::clear()
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_reports.clear();
}

QList<NxSpeechToTextRecorder::Info> NxSpeechToTextRecorder::reports(int taskId) const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    QList<Info> result;
    std::copy_if(m_reports.begin(), m_reports.end(), std::back_inserter(result),
                 [taskId](const Info& info) { return info.taskId == taskId; });
    return result;
}

NxSpeechToTextRecorder::Info NxSpeechToTextRecorder::ending(int taskId) const
{
    const QList<Info> all = reports(taskId);
    Info last = all.isEmpty() ? Info() : all.last();
    static const QList<int> ends{Info::ScanFailed, Info::TranscodeFailed, Info::UploadFailed, Info::TranscribeFailed,
                                 Info::Completed};
    last.state = ends.contains(last.state) ? last.state : 0;
    return last;
}
