#include "NxAudioDecoder.h"

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
        return fail(Status::FileMissing, QStringLiteral("no file at \"%1\"").arg(m_filePath));
    if (!info.isFile() || !info.isReadable())
        return fail(Status::Unreadable, QStringLiteral("\"%1\" is not a readable file").arg(m_filePath));

    auto context = std::make_unique<Context>();
    int result = avformat_open_input(&context->format, QFile::encodeName(m_filePath).constData(), nullptr, nullptr);
    if (result < 0)
        return fail(Status::Unreadable, QStringLiteral("cannot open \"%1\": %2").arg(m_filePath, avError(result)));
    result = avformat_find_stream_info(context->format, nullptr);
    if (result < 0)
        return fail(Status::Unreadable, QStringLiteral("cannot read \"%1\": %2").arg(m_filePath, avError(result)));
    result = av_find_best_stream(context->format, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    if (result < 0)
        return fail(Status::NoAudio, QStringLiteral("\"%1\" has no audio stream").arg(m_filePath));
    context->stream = result;

    const AVStream* stream = context->format->streams[result];
    if (stream->duration != AV_NOPTS_VALUE && stream->duration > 0)
        m_duration = double(stream->duration) * av_q2d(stream->time_base);
    else if (context->format->duration > 0)
        m_duration = double(context->format->duration) / AV_TIME_BASE;
    m_context = std::move(context);
    return Status::Ok;
}

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
        return fail(Status::DecodeFailed, QStringLiteral("no decoder for the %1 audio of \"%2\"")
                                              .arg(QString::fromLatin1(avcodec_get_name(stream->codecpar->codec_id)),
                                                   m_filePath));
    std::unique_ptr<AVCodecContext, CodecFree> codecContext(avcodec_alloc_context3(codec));
    int result = codecContext ? avcodec_parameters_to_context(codecContext.get(), stream->codecpar) : AVERROR(ENOMEM);
    if (result >= 0)
        result = avcodec_open2(codecContext.get(), codec, nullptr);
    if (result < 0)
        return fail(Status::DecodeFailed, QStringLiteral("cannot start decoding \"%1\": %2").arg(m_filePath, avError(result)));

    const int64_t fromSample = std::llround(std::max(0.0, from) * SampleRate);
    const int64_t toSample = to < 0 ? std::numeric_limits<int64_t>::max() : std::llround(to * SampleRate);
    bool seeked = false;
    if (fromSample > 0) {
        int64_t target = av_rescale_q(std::llround(from * AV_TIME_BASE), AV_TIME_BASE_Q, stream->time_base);
        if (stream->start_time != AV_NOPTS_VALUE)
            target += stream->start_time;
        seeked = av_seek_frame(format, m_context->stream, target, AVSEEK_FLAG_BACKWARD) >= 0;
    }

    std::unique_ptr<SwrContext, ResamplerFree> resampler;
    AVChannelLayout resamplerLayout{};
    int resamplerFormat = -1;
    int resamplerRate = 0;
    std::vector<int16_t> converted;

    int64_t position = -1; // 16 kHz sample index in the file of the next converted sample
    int64_t produced = 0;
    bool reachedEnd = false;
    bool decodedAny = false;
    int errors = 0;
    QString lastError;

    // Keeps the part of a converted block inside [fromSample, toSample).
    const auto keep = [&](int count) {
        const int64_t begin = position;
        const int64_t end = position + count;
        position = end;
        if (end >= toSample)
            reachedEnd = true;
        const int64_t low = std::max(begin, fromSample);
        const int64_t high = std::min(end, toSample);
        if (high <= low)
            return;
        // Audio that starts late (a stream offset, a seek past the mark) is
        // padded so samples stay at their times.
        const int64_t expected = fromSample + produced;
        if (low > expected)
            out.insert(out.end(), size_t(low - expected), int16_t(0));
        out.insert(out.end(), converted.begin() + (low - begin), converted.begin() + (high - begin));
        produced = high - fromSample;
    };

    const auto convert = [&](AVFrame* frame) -> bool {
        // Channels without named positions are taken in the usual order for
        // their count, so the downmix knows which is which.
        AVChannelLayout layout{};
        const bool named = frame->ch_layout.order == AV_CHANNEL_ORDER_NATIVE
                           || frame->ch_layout.order == AV_CHANNEL_ORDER_CUSTOM;
        if (named && av_channel_layout_check(&frame->ch_layout))
            av_channel_layout_copy(&layout, &frame->ch_layout);
        else
            av_channel_layout_default(&layout, std::max(1, frame->ch_layout.nb_channels));
        if (!resampler || frame->format != resamplerFormat || frame->sample_rate != resamplerRate
            || av_channel_layout_compare(&layout, &resamplerLayout) != 0) {
            SwrContext* context = nullptr;
            AVChannelLayout mono = AV_CHANNEL_LAYOUT_MONO;
            int status = swr_alloc_set_opts2(&context, &mono, AV_SAMPLE_FMT_S16, SampleRate, &layout,
                                             AVSampleFormat(frame->format), frame->sample_rate, 0, nullptr);
            resampler.reset(context);
            if (status >= 0)
                status = swr_init(context);
            if (status < 0) {
                av_channel_layout_uninit(&layout);
                lastError = avError(status);
                return false;
            }
            av_channel_layout_uninit(&resamplerLayout);
            av_channel_layout_copy(&resamplerLayout, &layout);
            resamplerFormat = frame->format;
            resamplerRate = frame->sample_rate;
        }
        av_channel_layout_uninit(&layout);

        if (position < 0) {
            int64_t pts = frame->best_effort_timestamp;
            if (pts != AV_NOPTS_VALUE) {
                if (stream->start_time != AV_NOPTS_VALUE)
                    pts -= stream->start_time;
                position = std::llround(double(pts) * av_q2d(stream->time_base) * SampleRate);
            } else {
                position = seeked ? fromSample : 0;
            }
        }
        const int capacity = swr_get_out_samples(resampler.get(), frame->nb_samples);
        converted.resize(size_t(std::max(capacity, 0)));
        uint8_t* target = reinterpret_cast<uint8_t*>(converted.data());
        const int count = swr_convert(resampler.get(), &target, capacity,
                                      const_cast<const uint8_t**>(frame->extended_data), frame->nb_samples);
        if (count < 0) {
            lastError = avError(count);
            return false;
        }
        decodedAny = true;
        keep(count);
        return true;
    };

    std::unique_ptr<AVPacket, PacketFree> packet(av_packet_alloc());
    std::unique_ptr<AVFrame, FrameFree> frame(av_frame_alloc());
    const auto receive = [&] {
        int status = 0;
        while (!reachedEnd && (status = avcodec_receive_frame(codecContext.get(), frame.get())) >= 0) {
            if (!convert(frame.get()))
                ++errors;
            av_frame_unref(frame.get());
        }
        if (status < 0 && status != AVERROR(EAGAIN) && status != AVERROR_EOF) {
            ++errors;
            lastError = avError(status);
        }
    };

    while (!reachedEnd) {
        if (stop.load(std::memory_order_relaxed)) {
            av_channel_layout_uninit(&resamplerLayout);
            return fail(Status::Stopped, QStringLiteral("stopped"));
        }
        result = av_read_frame(format, packet.get());
        if (result < 0) {
            if (result != AVERROR_EOF) {
                ++errors;
                lastError = avError(result);
            }
            break;
        }
        if (packet->stream_index == m_context->stream) {
            result = avcodec_send_packet(codecContext.get(), packet.get());
            if (result < 0 && result != AVERROR(EAGAIN)) {
                // A damaged packet costs its own samples, not the file.
                ++errors;
                lastError = avError(result);
            }
            receive();
            if (progress)
                progress(double(produced) / SampleRate);
        }
        av_packet_unref(packet.get());
    }
    if (!reachedEnd) {
        avcodec_send_packet(codecContext.get(), nullptr);
        receive();
    }
    if (!reachedEnd && resampler) {
        const int capacity = swr_get_out_samples(resampler.get(), 0);
        if (capacity > 0) {
            converted.resize(size_t(capacity));
            uint8_t* target = reinterpret_cast<uint8_t*>(converted.data());
            const int count = swr_convert(resampler.get(), &target, capacity, nullptr, 0);
            if (count > 0)
                keep(count);
        }
    }
    av_channel_layout_uninit(&resamplerLayout);
    if (progress)
        progress(double(produced) / SampleRate);
    if (!decodedAny && errors > 0)
        return fail(Status::DecodeFailed, QStringLiteral("cannot decode the audio of \"%1\": %2").arg(m_filePath, lastError));
    return Status::Ok;
}
