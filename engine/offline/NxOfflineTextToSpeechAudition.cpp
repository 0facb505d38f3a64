#include "NxOfflineTextToSpeechAudition.h"

#include "INxBaseLog.h"
#include "NxSpeechSynthesizer.h"
#include "NxTaskObservers.h"
#include "NxVoiceCatalogue.h"

#include <QAudioDeviceInfo>
#include <QAudioFormat>
#include <QAudioOutput>
#include <QBuffer>
#include <QCoreApplication>
#include <QThread>

// Carries requests to the audition thread as queued signals. The connections
// are made before the thread starts and Qt copies each request's values, so no
// functor built on the caller's thread crosses over: ThreadSanitizer cannot
// follow a hand-over through Qt's posted-event queue.
class NxAuditionRequests : public QObject
{
    Q_OBJECT

signals:
    void startRequested(int voiceId, int speed, int intonation, int generation);
    void haltRequested();
    void haltAndWaitRequested();
};

namespace
{

// The module's dialogs say nothing of this, or call it a network failure.
void tellNoSoundOutput()
{
    NxTaskObservers::auditionRefused(QCoreApplication::translate(
        "NxOfflineTextToSpeechAudition", "This computer has no sound output, so the preview cannot play: connect "
                                         "speakers or headphones, or check the sound settings, then try again."));
}

QAudioFormat pcmFormat()
{
    QAudioFormat format;
    format.setSampleRate(NxSpeechSynthesizer::SampleRate);
    format.setChannelCount(1);
    format.setSampleSize(16);
    format.setSampleType(QAudioFormat::SignedInt);
    format.setByteOrder(QAudioFormat::LittleEndian);
    format.setCodec(QStringLiteral("audio/pcm"));
    return format;
}
}

NxOfflineTextToSpeechAudition::NxOfflineTextToSpeechAudition() = default;

NxOfflineTextToSpeechAudition::~NxOfflineTextToSpeechAudition()
{
    if (!m_thread)
        return;
    ++m_generation;
    // The audio objects belong to the thread and are stopped there.
    if (QThread::currentThread() == m_thread)
        halt();
    else
        emit m_requests->haltAndWaitRequested();
    m_thread->quit();
    m_thread->wait();
    delete m_requests;
    delete m_context;
    delete m_thread;
}

void NxOfflineTextToSpeechAudition::release()
{
    delete this;
}

void NxOfflineTextToSpeechAudition::setVoice(int voiceId)
{
    m_voiceId = voiceId;
}

void NxOfflineTextToSpeechAudition::setIntonation(int intonation)
{
    m_intonation = intonation;
}

void NxOfflineTextToSpeechAudition::setSpeed(int speed)
{
    m_speed = speed;
}

bool NxOfflineTextToSpeechAudition::play()
{
    const NxVoiceCatalogue& catalogue = NxVoiceCatalogue::instance();
    const NxCatalogueVoice* voice = m_voiceId < 0 && !catalogue.voices().isEmpty()
                                        ? &catalogue.voices().constFirst()
                                        : catalogue.byId(m_voiceId);
    if (!voice)
        return false;
    if (QAudioDeviceInfo::defaultOutputDevice().isNull()) {
        tellNoSoundOutput();
        return false;
    }
    if (!m_thread) {
        m_thread = new QThread;
        m_thread->setObjectName(QStringLiteral("NxAudition"));
        m_context = new QObject;
        m_context->moveToThread(m_thread);
        m_requests = new NxAuditionRequests;
        QObject::connect(m_requests, &NxAuditionRequests::startRequested, m_context,
                         [this](int voiceId, int speed, int intonation, int generation) {
                             start(voiceId, speed, intonation, generation);
                         },
                         Qt::QueuedConnection);
        QObject::connect(m_requests, &NxAuditionRequests::haltRequested, m_context, [this] { halt(); },
                         Qt::QueuedConnection);
        QObject::connect(m_requests, &NxAuditionRequests::haltAndWaitRequested, m_context, [this] { halt(); },
                         Qt::BlockingQueuedConnection);
        m_thread->start();
    }
    emit m_requests->startRequested(voice->info.id, m_speed, m_intonation, ++m_generation);
    return true;
}

void NxOfflineTextToSpeechAudition::stop()
{
    ++m_generation;
    if (m_requests)
        emit m_requests->haltRequested();
}

bool NxOfflineTextToSpeechAudition::isNetworkError()
{
    return false;
}

void NxOfflineTextToSpeechAudition::setObserver(INxTextToSpeechAuditionObserver* observer)
{
    std::lock_guard<std::recursive_mutex> lock(m_observerMutex);
    m_observer = observer;
}

void NxOfflineTextToSpeechAudition::start(int voiceId, int speed, int intonation, int generation)
{
    halt();
    // The catalogue is fixed and play() found the voice in it.
    const NxCatalogueVoice* voice = NxVoiceCatalogue::instance().byId(voiceId);
    QVector<qint16> samples;
    QString error;
    if (generation != m_generation
        || !NxSpeechSynthesizer(voice->synthesis, speed, intonation).synthesize(voice->sample, &samples, nullptr, &error)
        || generation != m_generation) {
        if (!error.isEmpty())
            NX_LOG_ERROR("%s", error.toLocal8Bit().constData());
        notify(false);
        return;
    }
    const QAudioDeviceInfo device = QAudioDeviceInfo::defaultOutputDevice();
    if (device.isNull() || !device.isFormatSupported(pcmFormat())) {
        NX_LOG_ERROR("no output device for 22050 Hz mono");
        tellNoSoundOutput();
        notify(false);
        return;
    }
    m_buffer = new QBuffer(m_context);
    m_buffer->setData(reinterpret_cast<const char*>(samples.constData()), samples.size() * int(sizeof(qint16)));
    m_buffer->open(QIODevice::ReadOnly);
    m_output = new QAudioOutput(device, pcmFormat(), m_context);
    QObject::connect(m_output, &QAudioOutput::stateChanged, m_context, [this](QAudio::State state) {
        // Idle: the buffer has run dry, the sample is over.
        if (state == QAudio::IdleState || (state == QAudio::StoppedState && m_output->error() != QAudio::NoError))
            halt();
    });
    m_output->start(m_buffer);
    m_playing = true;
    if (m_output->error() != QAudio::NoError) {
        NX_LOG_ERROR("the output device refused the sample (error %d)", int(m_output->error()));
        tellNoSoundOutput();
        halt();
        return;
    }
    notify(true);
}

void NxOfflineTextToSpeechAudition::halt()
{
    if (m_output) {
        QObject::disconnect(m_output, nullptr, m_context, nullptr);
        m_output->stop();
        // May be inside the output's own signal.
        m_output->deleteLater();
        m_output = nullptr;
    }
    if (m_buffer) {
        m_buffer->deleteLater();
        m_buffer = nullptr;
    }
    if (m_playing) {
        m_playing = false;
        notify(false);
    }
}

void NxOfflineTextToSpeechAudition::notify(bool playing)
{
    std::lock_guard<std::recursive_mutex> lock(m_observerMutex);
    if (!m_observer)
        return;
    if (playing)
        m_observer->onAuditionPlay();
    else
        m_observer->onAuditionStop();
}

#include "NxOfflineTextToSpeechAudition.moc"
