#include "NxAudioDecoder.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <limits>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libswresample/swresample.h>
}

namespace
{
QString avError(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromUtf8(text);
}

// Whether opening failed on the reading itself rather than on what was read.
bool isReadError(int code)
{
    return code == AVERROR(EIO) || code == AVERROR(EACCES) || code == AVERROR(EPERM) || code == AVERROR(ENOMEM)
           || code == AVERROR(ENOENT);
}

struct CodecFree
{
    void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
struct ResamplerFree
{
    void operator()(SwrContext* context) const { swr_free(&context); }
};
struct PacketFree
{
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct FrameFree
{
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
// A channel layout may own a channel map, freed with it.
struct ChannelLayout
{
    ChannelLayout() = default;
    ChannelLayout(const ChannelLayout&) = delete;
    ChannelLayout& operator=(const ChannelLayout&) = delete;
    ~ChannelLayout() { av_channel_layout_uninit(&value); }

    AVChannelLayout value{};
};
} // namespace

struct NxAudioDecoder::Context
{
    AVFormatContext* format = nullptr;
    int stream = -1;

    ~Context() { avformat_close_input(&format); }
};

NxAudioDecoder::NxAudioDecoder(const QString& filePath)
    : m_filePath(filePath)
{
}

NxAudioDecoder::~NxAudioDecoder() = default;

double NxAudioDecoder::duration() const { return m_duration; }
QString NxAudioDecoder::errorText() const { return m_errorText; }

QString NxAudioDecoder::name() const
{
    return QFileInfo(m_filePath).fileName();
}

NxAudioDecoder::Status NxAudioDecoder::fail(Status status, const QString& text)
{
    m_errorText = text;
    return status;
}

NxAudioDecoder::Status NxAudioDecoder::open()
{
    if (m_context)
        return Status::Ok;
    const QFileInfo info(m_filePath);
    if (m_filePath.isEmpty() || !info.exists())
        return fail(Status::FileMissing, QCoreApplication::translate("NxAudioDecoder", "\"%1\" is not there: put it back or reconnect its drive, then retry.").arg(name()));
    if (!info.isFile() || !info.isReadable())
        return fail(Status::Unreadable, QCoreApplication::translate("NxAudioDecoder", "\"%1\" cannot be read: check that it is a file you may read, then retry.").arg(name()));

    auto context = std::make_unique<Context>();
    int result = avformat_open_input(&context->format, QFile::encodeName(m_filePath).constData(), nullptr, nullptr);
    if (result < 0)
        return fail(isReadError(result) ? Status::Unreadable : Status::NotMedia,
                    QCoreApplication::translate("NxAudioDecoder", "\"%1\" is not a media file this computer can read (%2).").arg(name(), avError(result)));
    result = avformat_find_stream_info(context->format, nullptr);
    if (result < 0)
        return fail(isReadError(result) ? Status::Unreadable : Status::NotMedia,
                    QCoreApplication::translate("NxAudioDecoder", "\"%1\" is not a media file this computer can read (%2).").arg(name(), avError(result)));
    result = av_find_best_stream(context->format, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    if (result < 0)
        return fail(Status::NoAudio, QCoreApplication::translate("NxAudioDecoder", "\"%1\" has no sound: choose a file with an audio track.").arg(name()));
    context->stream = result;

    const AVStream* stream = context->format->streams[result];
    if (stream->duration != AV_NOPTS_VALUE && stream->duration > 0)
        m_duration = double(stream->duration) * av_q2d(stream->time_base);
    else if (context->format->duration > 0)
        m_duration = double(context->format->duration) / AV_TIME_BASE;
    m_context = std::move(context);
    return Status::Ok;
}

// One decode() call: the codec, the resampler made for the frames' current
// form, and where the kept samples stand in [fromSample, toSample).
class NxAudioDecoder::Decoding
{
public:
    Decoding(AVStream* stream, std::vector<int16_t>& out, int64_t fromSample, int64_t toSample)
        : m_stream(stream)
        , m_out(out)
        , m_fromSample(fromSample)
        , m_toSample(toSample)
    {
    }

    // Returns an FFmpeg error code, negative when the codec cannot start.
    int start(const AVCodec* codec)
    {
        m_codec.reset(avcodec_alloc_context3(codec));
        int result = m_codec ? avcodec_parameters_to_context(m_codec.get(), m_stream->codecpar) : AVERROR(ENOMEM);
        if (result >= 0)
            result = avcodec_open2(m_codec.get(), codec, nullptr);
        return result;
    }

    void send(const AVPacket* packet)
    {
        const int result = avcodec_send_packet(m_codec.get(), packet);
        // A damaged packet costs its own samples, not the file.
        if (packet && result < 0 && result != AVERROR(EAGAIN))
            failed(result);
        receive();
    }

    // What the resampler still holds, once the codec is drained.
    void flush()
    {
        if (m_reachedEnd || !m_resampler)
            return;
        const int capacity = swr_get_out_samples(m_resampler.get(), 0);
        if (capacity <= 0)
            return;
        m_converted.resize(size_t(capacity));
        uint8_t* target = reinterpret_cast<uint8_t*>(m_converted.data());
        const int count = swr_convert(m_resampler.get(), &target, capacity, nullptr, 0);
        if (count > 0)
            keep(count);
    }

    void failed(int code)
    {
        ++m_errors;
        m_lastError = avError(code);
    }

    // Frames without a time then start where the seek went.
    void setSeeked(bool seeked) { m_seeked = seeked; }

    bool reachedEnd() const { return m_reachedEnd; }
    bool hopeless() const { return !m_decodedAny && m_errors > 0; }
    QString lastError() const { return m_lastError; }
    double secondsKept() const { return double(m_produced) / SampleRate; }

private:
    void receive()
    {
        int status = 0;
        while (!m_reachedEnd && (status = avcodec_receive_frame(m_codec.get(), m_frame.get())) >= 0) {
            if (!convert(m_frame.get()))
                ++m_errors;
            av_frame_unref(m_frame.get());
        }
        if (status < 0 && status != AVERROR(EAGAIN) && status != AVERROR_EOF)
            failed(status);
    }

    bool convert(const AVFrame* frame)
    {
        const int status = prepareResampler(frame);
        if (status < 0) {
            m_lastError = avError(status);
            return false;
        }
        if (m_position < 0)
            m_position = firstPosition(frame);
        const int capacity = swr_get_out_samples(m_resampler.get(), frame->nb_samples);
        m_converted.resize(size_t(std::max(capacity, 0)));
        uint8_t* target = reinterpret_cast<uint8_t*>(m_converted.data());
        const int count = swr_convert(m_resampler.get(), &target, capacity,
                                      const_cast<const uint8_t**>(frame->extended_data), frame->nb_samples);
        if (count < 0) {
            m_lastError = avError(count);
            return false;
        }
        m_decodedAny = true;
        keep(count);
        return true;
    }

    // Makes a resampler when the frames change form; an FFmpeg error code.
    int prepareResampler(const AVFrame* frame)
    {
        // Channels without named positions are taken in the usual order for
        // their count, so the downmix knows which is which.
        ChannelLayout layout;
        const bool named = frame->ch_layout.order == AV_CHANNEL_ORDER_NATIVE
                           || frame->ch_layout.order == AV_CHANNEL_ORDER_CUSTOM;
        if (named && av_channel_layout_check(&frame->ch_layout))
            av_channel_layout_copy(&layout.value, &frame->ch_layout);
        else
            av_channel_layout_default(&layout.value, std::max(1, frame->ch_layout.nb_channels));
        if (m_resampler && frame->format == m_resamplerFormat && frame->sample_rate == m_resamplerRate
            && av_channel_layout_compare(&layout.value, &m_resamplerLayout.value) == 0)
            return 0;
        SwrContext* context = nullptr;
        AVChannelLayout mono = AV_CHANNEL_LAYOUT_MONO;
        int status = swr_alloc_set_opts2(&context, &mono, AV_SAMPLE_FMT_S16, SampleRate, &layout.value,
                                         AVSampleFormat(frame->format), frame->sample_rate, 0, nullptr);
        m_resampler.reset(context);
        if (status >= 0)
            status = swr_init(context);
        if (status < 0)
            return status;
        av_channel_layout_uninit(&m_resamplerLayout.value);
        av_channel_layout_copy(&m_resamplerLayout.value, &layout.value);
        m_resamplerFormat = frame->format;
        m_resamplerRate = frame->sample_rate;
        return 0;
    }

    // The 16 kHz sample index in the file of a frame's first sample.
    int64_t firstPosition(const AVFrame* frame) const
    {
        int64_t pts = frame->best_effort_timestamp;
        if (pts == AV_NOPTS_VALUE)
            return m_seeked ? m_fromSample : 0;
        if (m_stream->start_time != AV_NOPTS_VALUE)
            pts -= m_stream->start_time;
        return std::llround(double(pts) * av_q2d(m_stream->time_base) * SampleRate);
    }

    // Keeps the part of a converted block inside [fromSample, toSample).
    void keep(int count)
    {
        const int64_t begin = m_position;
        const int64_t end = m_position + count;
        m_position = end;
        if (end >= m_toSample)
            m_reachedEnd = true;
        const int64_t low = std::max(begin, m_fromSample);
        const int64_t high = std::min(end, m_toSample);
        if (high <= low)
            return;
        // Audio that starts late (a stream offset, a seek past the mark) is
        // padded so samples stay at their times.
        const int64_t expected = m_fromSample + m_produced;
        if (low > expected)
            m_out.insert(m_out.end(), size_t(low - expected), int16_t(0));
        m_out.insert(m_out.end(), m_converted.begin() + (low - begin), m_converted.begin() + (high - begin));
        m_produced = high - m_fromSample;
    }

    AVStream* const m_stream;
    std::vector<int16_t>& m_out;
    const int64_t m_fromSample;
    const int64_t m_toSample;
    bool m_seeked = false;

    std::unique_ptr<AVCodecContext, CodecFree> m_codec;
    std::unique_ptr<AVFrame, FrameFree> m_frame{av_frame_alloc()};
    std::unique_ptr<SwrContext, ResamplerFree> m_resampler;
    ChannelLayout m_resamplerLayout;
    int m_resamplerFormat = -1;
    int m_resamplerRate = 0;
    std::vector<int16_t> m_converted;

    int64_t m_position = -1; // 16 kHz sample index in the file of the next converted sample
    int64_t m_produced = 0;
    bool m_reachedEnd = false;
    bool m_decodedAny = false;
    int m_errors = 0;
    QString m_lastError;
};

NxAudioDecoder::Status NxAudioDecoder::decode(double from, double to, std::vector<int16_t>& out,
                                              const std::atomic<bool>& stop, const Progress& progress)
{
    const Status opened = open();
    if (opened != Status::Ok)
        return opened;
    AVFormatContext* format = m_context->format;
    AVStream* stream = format->streams[m_context->stream];

    const AVCodec* codec = avcodec_find_decoder(stream->codecpar->codec_id);
    if (!codec)
        return fail(Status::DecodeFailed, QCoreApplication::translate("NxAudioDecoder", "The %1 sound of \"%2\" cannot be decoded here: convert it to WAV or MP3.")
                                              .arg(QString::fromLatin1(avcodec_get_name(stream->codecpar->codec_id)),
                                                   name()));
    const int64_t fromSample = std::llround(std::max(0.0, from) * SampleRate);
    const int64_t toSample = to < 0 ? std::numeric_limits<int64_t>::max() : std::llround(to * SampleRate);
    Decoding decoding(stream, out, fromSample, toSample);
    const int started = decoding.start(codec);
    if (started < 0)
        return fail(Status::DecodeFailed,
                    QCoreApplication::translate("NxAudioDecoder", "The sound of \"%1\" cannot be decoded (%2).").arg(name(), avError(started)));
    decoding.setSeeked(fromSample > 0 && seek(from));

    std::unique_ptr<AVPacket, PacketFree> packet(av_packet_alloc());
    bool readFailed = false;
    while (!decoding.reachedEnd()) {
        if (stop.load(std::memory_order_relaxed))
            return fail(Status::Stopped, QStringLiteral("stopped"));
        const int result = av_read_frame(format, packet.get());
        if (result < 0) {
            readFailed = result != AVERROR_EOF && isReadError(result);
            if (result != AVERROR_EOF)
                decoding.failed(result);
            break;
        }
        if (packet->stream_index == m_context->stream) {
            decoding.send(packet.get());
            if (progress)
                progress(decoding.secondsKept());
        }
        av_packet_unref(packet.get());
    }
    if (!decoding.reachedEnd())
        decoding.send(nullptr);
    decoding.flush();
    if (progress)
        progress(decoding.secondsKept());
    // Audio of which nothing decodes is not audio, unless reading broke off.
    if (decoding.hopeless())
        return fail(readFailed ? Status::DecodeFailed : Status::NotMedia,
                    QCoreApplication::translate("NxAudioDecoder", "The sound of \"%1\" cannot be decoded (%2).").arg(name(), decoding.lastError()));
    return Status::Ok;
}

bool NxAudioDecoder::seek(double from)
{
    AVStream* stream = m_context->format->streams[m_context->stream];
    int64_t target = av_rescale_q(std::llround(from * AV_TIME_BASE), AV_TIME_BASE_Q, stream->time_base);
    if (stream->start_time != AV_NOPTS_VALUE)
        target += stream->start_time;
    return av_seek_frame(m_context->format, m_context->stream, target, AVSEEK_FLAG_BACKWARD) >= 0;
}
