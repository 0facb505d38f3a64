#include "NxStudioExport.h"

#include "NxCheckedFile.h"
#include "NxStudioClips.h"
#include "NxStudioMlt.h"
#include "NxStudioMltTimeline.h"
#include "NxStudioTimeline.h"
#include "NxTimelineClip.h"

#include <QFile>
#include <QFileInfo>
#include <QtConcurrent>

#include <Mlt.h>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace
{
// The share of the work the rendering takes when the subtitles are added after it.
constexpr double RenderShare = 0.95;
constexpr int PollMilliseconds = 100;

void onFatalError(mlt_properties, void* fatal, mlt_event_data)
{
    static_cast<std::atomic<bool>*>(fatal)->store(true);
}

// Why the last write to `path` failed: a write that fails the same way tells.
int writeErrorOf(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const off_t end = ::lseek(fd, 0, SEEK_END);
    const int error = ::write(fd, "", 1) == 1 ? 0 : errno;
    if (error == 0)
        (void)::ftruncate(fd, end);
    ::close(fd);
    return error;
}

// Makes sure the file's bytes reached the disk, where a full disk shows.
int syncError(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    const int error = fd < 0 || ::fsync(fd) != 0 ? errno : 0;
    if (fd >= 0)
        ::close(fd);
    return error;
}
}

NxStudioExport::NxStudioExport(QObject* parent) : QObject(parent)
{
    qRegisterMetaType<NxStudioExport::Outcome>();
    m_poll.setInterval(PollMilliseconds);
    connect(&m_poll, &QTimer::timeout, this, &NxStudioExport::poll);
    connect(&m_mux, &QFutureWatcher<QString>::finished, this, [this] {
        if (!m_running) // cancelled meanwhile
            return;
        const QString error = m_mux.result();
        if (!error.isEmpty())
            return end(Failed, error);
        QFile::remove(m_rendered);
        publish(m_muxed);
    });
}

NxStudioExport::~NxStudioExport()
{
    if (m_running) {
        blockSignals(true);
        cancel();
    }
}

bool NxStudioExport::isRunning() const
{
    return m_running;
}

QString NxStudioExport::errorString() const
{
    return m_error;
}

QVector<NxStudioSubtitleCue> NxStudioExport::subtitleCues(const NxStudioTimeline& timeline)
{
    QVector<NxStudioSubtitleCue> cues;
    for (const NxTimelineClip* clip : timeline.clips()) {
        if (clip->type() != INxClip::Subtitle)
            continue;
        const NxRational rate = clip->frameRate();
        const auto milliseconds = [rate](qint64 frames) { return frames * 1000 * rate.den / rate.num; };
        cues.append({milliseconds(clip->position()), milliseconds(clip->position() + clip->length()),
                     NxStudioClips::wordsOf(clip)});
    }
    std::sort(cues.begin(), cues.end(),
              [](const NxStudioSubtitleCue& a, const NxStudioSubtitleCue& b) { return a.start < b.start; });
    return cues;
}

bool NxStudioExport::refuse(const QString& error)
{
    m_error = error;
    removeTemporaries();
    m_consumer.reset();
    m_mirror.reset();
    return false;
}

bool NxStudioExport::start(NxStudioTimeline& timeline, const QString& destination, Options options)
{
    if (m_running)
        return false; // one export at a time; the running one is left alone
    m_error.clear();
    m_destination = QFileInfo(destination).absoluteFilePath();
    m_options = options;
    if (timeline.sequence()->length() <= 0)
        return refuse(tr("The timeline is empty: put a clip on it before exporting"));
    if (QFileInfo::exists(m_destination) && !options.replace)
        return refuse(tr("%1 already exists: choose another name").arg(m_destination));
    if (NxCheckedFile::isSpecialFile(m_destination))
        return refuse(tr("%1 is not a regular file: choose another name").arg(m_destination));

    NxStudioMlt::init();
    m_mirror = std::make_unique<NxStudioMltTimeline>(&timeline, nullptr, options.burnSubtitles);
    // The consumer renders this tractor on its own threads: edits meanwhile leave it alone.
    m_mirror->freeze();
    m_cues = options.burnSubtitles ? QVector<NxStudioSubtitleCue>() : subtitleCues(timeline);
    return render(m_mirror->profile(), m_mirror->producer(), m_mirror->length());
}

bool NxStudioExport::render(Mlt::Profile& profile, Mlt::Producer& producer, qint64 length)
{
    QString error;
    m_rendered = NxCheckedFile::makeTemporary(m_destination, &error);
    if (m_rendered.isEmpty())
        return refuse(error + tr(": choose another folder"));
    if (!m_cues.isEmpty()) {
        m_muxed = NxCheckedFile::makeTemporary(m_destination, &error);
        if (m_muxed.isEmpty())
            return refuse(error + tr(": choose another folder"));
    }

    m_consumer = std::make_unique<Mlt::Consumer>(profile, "avformat", QFile::encodeName(m_rendered).constData());
    if (!m_consumer->is_valid())
        return refuse(tr("MLT has no avformat consumer: install the MLT FFmpeg module"));
    Mlt::Consumer& consumer = *m_consumer;
    consumer.set("f", "mp4");
    consumer.set("vcodec", "libx264");
    consumer.set("preset", "veryfast");
    consumer.set("crf", 23);
    consumer.set("acodec", "aac");
    consumer.set("ab", "160k");
    consumer.set("frequency", 48000);
    consumer.set("channels", 2);
    // One rendering thread beside the encoder's own, which x264 sizes to the
    // machine: measured on two cores, a second rendering thread only slows the encoder.
    consumer.set("real_time", -1);
    consumer.set("threads", 0);
    consumer.set("terminate_on_pause", 1);
    m_fatal = false;
    m_cancel = false;
    m_muxPermille = 0;
    consumer.listen("consumer-fatal-error", &m_fatal, reinterpret_cast<mlt_listener>(onFatalError));
    producer.set_speed(1);
    producer.seek(0);
    consumer.connect(producer);
    m_length = length;
    if (consumer.start() != 0)
        return refuse(writeFailure(writeErrorOf(m_rendered)));
    m_running = true;
    m_clock.start();
    m_poll.start();
    return true;
}

QString NxStudioExport::writeFailure(int error) const
{
    if (error == ENOSPC || error == EDQUOT)
        return tr("Cannot write %1: the disk is full. Free some space or choose another folder")
            .arg(m_destination);
    if (error == EFBIG)
        return tr("Cannot write %1: the file grew larger than this disk or account allows. Choose another folder")
            .arg(m_destination);
    if (error != 0)
        return tr("Cannot write %1: %2").arg(m_destination, qt_error_string(error));
    return tr("Rendering %1 failed: see the log for what MLT reported").arg(m_destination);
}

void NxStudioExport::report(double fraction)
{
    const qint64 elapsed = m_clock.elapsed();
    const qint64 remaining = fraction > 0.01 ? qint64(elapsed * (1.0 - fraction) / fraction) : -1;
    emit progressed(fraction, remaining);
}

void NxStudioExport::poll()
{
    if (m_mux.isRunning()) {
        report(RenderShare + (1.0 - RenderShare) * m_muxPermille / 1000.0);
        return;
    }
    const double share = m_cues.isEmpty() ? 1.0 : RenderShare;
    const qint64 position = m_consumer->position();
    const bool fatal = m_fatal;
    if (!fatal && !m_consumer->is_stopped()) {
        report(share * qBound(0.0, double(position) / double(m_length), 1.0));
        return;
    }
    m_poll.stop();
    m_consumer->stop();
    m_consumer.reset();
    // The consumer may just stop when a write fails: a write that fails the same way tells why.
    int error = writeErrorOf(m_rendered);
    if (error == 0)
        error = syncError(m_rendered);
    if (fatal || error != 0)
        return end(Failed, writeFailure(error));
    report(share);
    if (m_cues.isEmpty())
        return publish(m_rendered);
    startSubtitles();
}

void NxStudioExport::startSubtitles()
{
    m_poll.start();
    m_mux.setFuture(QtConcurrent::run([input = m_rendered, output = m_muxed, cues = m_cues, this] {
        return NxStudioSubtitleMux::addStream(input, output, cues, m_cancel,
                                              [this](double done) { m_muxPermille = int(done * 1000); });
    }));
}

void NxStudioExport::publish(const QString& file)
{
    m_poll.stop();
    QString error;
    const auto how = m_options.replace ? NxCheckedFile::Commit::Replace : NxCheckedFile::Commit::NewName;
    const bool published = NxCheckedFile::publish(file, m_destination, how, &error);
    // Published or removed: the name is no longer this export's to remove.
    (file == m_rendered ? m_rendered : m_muxed).clear();
    if (!published)
        return end(Failed, error);
    report(1.0);
    end(Done);
}

void NxStudioExport::cancel()
{
    if (!m_running)
        return;
    m_cancel = true;
    m_poll.stop();
    if (m_consumer)
        m_consumer->stop();
    m_consumer.reset();
    m_mux.waitForFinished();
    end(Cancelled);
}

void NxStudioExport::end(Outcome outcome, const QString& error)
{
    m_poll.stop();
    m_running = false;
    m_error = error;
    removeTemporaries();
    m_mirror.reset();
    emit finished(outcome);
}

void NxStudioExport::removeTemporaries()
{
    for (QString* file : {&m_rendered, &m_muxed}) {
        if (!file->isEmpty())
            QFile::remove(*file);
        file->clear();
    }
}
