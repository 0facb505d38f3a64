#include "NxStudioPlayer.h"

#include "INxBaseLog.h"
#include "NxStudioMltTimeline.h"

#include <Mlt.h>

#include <SDL.h>

namespace
{
// As many frames decoded ahead as a second holds, rendered on one thread and
// dropped when late: more threads only fight the decoder for two cores.
constexpr int AheadFrames = 25;
constexpr int RenderThreads = 1;
// The device's own buffer, MLT's default: 43 ms that ride out a busy moment
// of the sound server's thread; half of it underran on a loaded machine.
constexpr int AudioBufferSamples = 2048;

// Whether SDL, which MLT's consumer plays through, finds an audio device.
bool openAudioDevice()
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    SDL_AudioSpec wanted{};
    wanted.freq = NxStudioMltTimeline::SampleRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = NxStudioMltTimeline::Channels;
    wanted.samples = AudioBufferSamples;
    SDL_AudioSpec got{};
    const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &got, 0);
    if (device)
        SDL_CloseAudioDevice(device);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return device != 0;
}
}

NxStudioPlayer::NxStudioPlayer(QObject* parent)
    : QObject(parent)
{
}

NxStudioPlayer::~NxStudioPlayer() { stop(); }

bool NxStudioPlayer::hasAudioDevice()
{
    static const bool device = [] {
        const bool found = openAudioDevice();
        if (!found)
            NX_LOG_INFO("no audio device: playback is silent, paced by the clock (SDL dummy audio driver)");
        return found;
    }();
    return device;
}

bool NxStudioPlayer::play(std::shared_ptr<Mlt::Producer> producer, qint64 position, QSize size)
{
    stop();
    const bool device = hasAudioDevice();
    m_consumer = std::make_unique<Mlt::Consumer>(producer->get_profile(), "sdl2_audio");
    if (!m_consumer->is_valid()) {
        NX_LOG_ERROR("MLT has no sdl2_audio consumer: playback is not possible");
        m_consumer.reset();
        return false;
    }
    m_consumer->set("audio_driver", device ? "" : "dummy");
    m_consumer->set("frequency", NxStudioMltTimeline::SampleRate);
    m_consumer->set("channels", NxStudioMltTimeline::Channels);
    m_consumer->set("audio_buffer", AudioBufferSamples);
    m_consumer->set("mlt_image_format", "rgba");
    m_size = size; // read by the consumer's thread until stop()
    m_consumer->set("width", size.width());
    m_consumer->set("height", size.height());
    m_consumer->set("rescale", "bilinear");
    m_consumer->set("real_time", RenderThreads);
    m_consumer->set("buffer", AheadFrames);
    m_consumer->set("scrub_audio", 0);
    m_consumer->listen("consumer-frame-show", this, mlt_listener(onFrameShown));

    m_producer = std::move(producer);
    m_end = m_producer->get_length() - 1;
    m_last = position - 1;
    m_shown = 0;
    m_dropped = 0;
    ++m_run;
    // Frames go on past the end, so that the end is seen even when its own
    // frame is dropped; a producer that pauses there would leave the
    // consumer waiting for frames that never come.
    m_producer->set("eof", "continue");
    m_producer->seek(int(position));
    m_producer->set_speed(1);
    m_consumer->connect(*m_producer);
    if (m_consumer->start() != 0) {
        NX_LOG_ERROR("playback cannot start: SDL has no audio");
        stop();
        return false;
    }
    return true;
}

void NxStudioPlayer::stop()
{
    ++m_run;
    if (m_consumer) {
        m_consumer->stop();
        m_consumer.reset();
    }
    if (m_producer) {
        m_producer->set_speed(0);
        m_producer.reset();
    }
}

bool NxStudioPlayer::isPlaying() const { return m_consumer != nullptr; }

void NxStudioPlayer::onFrameShown(mlt_properties, NxStudioPlayer* self, mlt_event_data data)
{
    const int run = self->m_run;
    Mlt::Frame frame(mlt_event_data_to_frame(data));
    mlt_image_format format = mlt_image_rgba;
    int width = self->m_size.width();
    int height = self->m_size.height();
    const uint8_t* pixels = frame.get_image(format, width, height);
    QImage image;
    if (pixels && format == mlt_image_rgba)
        image = QImage(pixels, width, height, QImage::Format_RGBA8888).convertToFormat(QImage::Format_RGB32);
    // Handed to the GUI thread; a deleted player receives nothing.
    QMetaObject::invokeMethod(self, [self, run, position = qint64(frame.get_position()), image] {
        self->frameShown(run, position, image);
    }, Qt::QueuedConnection);
}

void NxStudioPlayer::frameShown(int run, qint64 position, const QImage& image)
{
    if (run != m_run)
        return;
    if (position > m_last + 1)
        m_dropped += position - m_last - 1;
    m_last = qMax(m_last, position);
    ++m_shown;
    emit shown(position, image);
    if (position >= m_end) {
        stop();
        emit ended();
    }
}
