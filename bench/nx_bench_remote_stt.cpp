// Remote speech-to-text against a server that answers at once: what the
// module's own side costs per task, to show it is not what limits a fast
// server.
//   build/bench/nx-bench-remote-stt [tasks] [seconds] [concurrency]
//
// `tasks` material tasks (100 unless given), each `seconds` (10) of 44.1 kHz
// stereo WAV, go to NxRemoteSpeechToTextManager at once, with `concurrency`
// (the default 4) in flight. The test suites' speech server answers every
// upload on this program's main thread, as soon as it has read it, with a
// canned verbose_json transcript.
//   throughput  tasks per second, from the first add to the last completion;
//   client CPU  CPU time per task of every thread but the server's (workers
//               scanning, decoding, packing FLAC and reading answers; the
//               network thread sending): the module's overhead;
//   server CPU  the same for the main thread, which serves and waits;
//   preparing   median wall time from scanning to the upload's start
//               (decoding and packing), and the median whole task.
// Targets: at least 20 tasks per second, and under 50 ms of client CPU per
// 10 s task (a GPU server takes several hundred ms for one).
//
// `nx-bench-remote-stt 1 3600` times one hour-long task instead: it goes up
// in pieces under the default MaxUploadBytes (25 MB), side by side; the
// figures are its wall time, client CPU and the largest piece.

#include "NxBenchSupport.h"
#include "NxConfig.h"
#include "NxFakeSpeechServer.h"
#include "NxMediaFile.h"
#include "NxRemoteSpeechToTextManager.h"
#include "NxTestHome.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QRandomGenerator>

#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <mutex>

namespace
{
using Info = NxSpeechToTextTaskInfo;

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "nx-bench-remote-stt: %s\n", what);
    std::exit(1);
}

double processCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
           + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double threadCpuSeconds()
{
    timespec time{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &time);
    return double(time.tv_sec) + double(time.tv_nsec) / 1e9;
}

// A tone in noise, so that the upload is neither silence nor incompressible.
bool writeWave(const QString& path, double seconds)
{
    constexpr int Rate = 44100;
    const int frames = int(seconds * Rate);
    QByteArray data(frames * 4, '\0');
    auto* samples = reinterpret_cast<qint16*>(data.data());
    QRandomGenerator noise(3);
    for (int i = 0; i < frames; ++i)
        samples[2 * i] = samples[2 * i + 1] = qint16(6000 * std::sin(i * 0.05) + noise.bounded(-800, 800));
    QByteArray head("RIFF");
    const auto u32 = [&head](quint32 v) { head.append(reinterpret_cast<const char*>(&v), 4); };
    const auto u16 = [&head](quint16 v) { head.append(reinterpret_cast<const char*>(&v), 2); };
    u32(quint32(36 + data.size())), head += "WAVEfmt ", u32(16), u16(1), u16(2), u32(Rate), u32(Rate * 4), u16(4);
    u16(16), head += "data", u32(quint32(data.size()));
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(head + data) == head.size() + data.size();
}

// Notes when each task starts, starts uploading and ends; quits the loop
// once all have ended.
class Stages final : public INxSpeechToTextTaskManagerCallBack
{
public:
    struct Times
    {
        NxBench::Clock::time_point scanning, uploading, ended;
    };

    Stages(int tasks, QEventLoop& loop)
        : m_tasks(tasks)
        , m_loop(loop)
    {
    }

    void onTaskStateChanged(const Info& info) override
    {
        const auto now = NxBench::Clock::now();
        std::lock_guard<std::mutex> lock(m_mutex);
        Times& times = m_times[info.taskId];
        if (info.state == Info::Scanning && times.scanning == NxBench::Clock::time_point())
            times.scanning = now;
        else if (info.state == Info::Uploading && times.uploading == NxBench::Clock::time_point())
            times.uploading = now;
        else if (info.state == Info::Completed || info.state == Info::ScanFailed || info.state == Info::TranscodeFailed
                 || info.state == Info::UploadFailed || info.state == Info::TranscribeFailed) {
            times.ended = now;
            m_failed += info.state != Info::Completed;
            if (++m_ended == m_tasks)
                QMetaObject::invokeMethod(&m_loop, &QEventLoop::quit, Qt::QueuedConnection);
        }
    }
    void onRemainingChanged(int) override {}

    int failed() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_failed;
    }
    std::map<int, Times> times() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_times;
    }

private:
    const int m_tasks;
    QEventLoop& m_loop;
    mutable std::mutex m_mutex;
    std::map<int, Times> m_times;
    int m_ended = 0;
    int m_failed = 0;
};

double milliseconds(NxBench::Clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}
} // namespace

int main(int argc, char** argv)
{
    const NxTestHome home;
    QCoreApplication app(argc, argv);
    const int tasks = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
    const double seconds = argc > 2 ? std::max(0.5, std::atof(argv[2])) : 10.0;
    const int concurrency = argc > 3 ? std::max(1, std::atoi(argv[3])) : 4;
    for (const char* variable : {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
        qunsetenv(variable);

    NxFakeSpeechServer server;
    if (!server.listen())
        fail("the speech server cannot listen on 127.0.0.1");
    server.setTranscript(R"({"task":"transcribe","segments":[)"
                         R"({"id":0,"start":0.0,"end":2.5,"text":" A short line of speech."},)"
                         R"({"id":1,"start":3.5,"end":6.0,"text":" And one more after a pause."}]})");
    const QString wav = home.path() + QStringLiteral("/clip.wav");
    if (!writeWave(wav, seconds))
        fail("cannot write the clip");
    NxConfig::Instance().SetAppValue(QStringLiteral("RemoteSpeech"), QStringLiteral("ServerUrl"), server.url(), false);
    NxConfig::Instance().SetAppValue(QStringLiteral("RemoteSpeech"), QStringLiteral("Concurrency"), concurrency, false);

    QEventLoop loop;
    Stages stages(tasks, loop);
    auto* manager = new NxRemoteSpeechToTextManager;
    manager->setCallBack(&stages);
    NxMediaFile media(wav, INxAbstractMedia::Audio, NxRational{100, 1}, qint64(seconds * 100));

    const double processCpu = processCpuSeconds();
    const double serverCpu = threadCpuSeconds();
    const auto start = NxBench::Clock::now();
    for (int i = 0; i < tasks; ++i)
        manager->addMaterialTask(&media, QStringLiteral("en"));
    loop.exec();
    const double wall = NxBench::millisecondsSince(start) / 1000.0;
    const double serverSeconds = threadCpuSeconds() - serverCpu;
    const double clientSeconds = processCpuSeconds() - processCpu - serverSeconds;
    manager->setCallBack(nullptr);
    manager->release();
    if (stages.failed() > 0)
        fail("some tasks failed; the log in the temporary data folder says why");

    std::vector<double> preparing, whole;
    for (const auto& [id, times] : stages.times()) {
        preparing.push_back(milliseconds(times.uploading - times.scanning));
        whole.push_back(milliseconds(times.ended - times.scanning));
    }
    const double perSecond = tasks / wall;
    const double clientPerTask = clientSeconds * 1000.0 / tasks;
    qint64 largest = 0;
    for (const NxFakeSpeechServer::Request& request : server.requests())
        largest = std::max<qint64>(largest, request.file.size());
    std::printf("nx-bench-remote-stt: %d tasks of %.1f s audio, %d in flight, %d uploads received, the largest %.1f MB\n",
                tasks, seconds, concurrency, int(server.requests().size()), largest / 1e6);
    if (tasks == 1) {
        std::printf("  one task     %.2f s wall, %.2f s client CPU (scan, decode, pack, send, read)\n", wall,
                    clientSeconds);
        return 0;
    }
    std::printf("  throughput   %.1f tasks/s (%.2f s in all)             target >= 20 tasks/s\n", perSecond, wall);
    std::printf("  client CPU   %.1f ms per task                         target < 50 ms\n", clientPerTask);
    std::printf("  server CPU   %.1f ms per task (the suites' server, on the main thread)\n",
                serverSeconds * 1000.0 / tasks);
    std::printf("  preparing    %.1f ms median (scan, decode, pack); whole task %.1f ms median\n",
                NxBench::median(preparing), NxBench::median(whole));
    std::printf("  %s\n", perSecond >= 20.0 && clientPerTask < 50.0 ? "targets met" : "TARGETS MISSED");
    return 0;
}
