#include "NxCompactAudioEncoder.h"

#include "NxFFmpegLog.h"

#include <QBuffer>

#include <algorithm>
#include <memory>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
}

namespace
{
// Speech stays intelligible to recognisers well below this; above it the
// file grows without helping them.
constexpr int OpusBitRate = 24000;
// A size for the encoder's buffer of written bytes.
constexpr int IoBufferSize = 64 * 1024;
// Frames for an encoder that takes any size.
constexpr int AnyFrameSize = 4096;

QString avError(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromUtf8(text);
}

// The muxer writes into a QBuffer that it may seek back into: FLAC's header
// is completed with the stream's length at the end.
int writeBytes(void* opaque, uint8_t* data, int size)
{
    auto* buffer = static_cast<QBuffer*>(opaque);
    return int(buffer->write(reinterpret_cast<const char*>(data), size));
}

int64_t seekBytes(void* opaque, int64_t offset, int whence)
{
    auto* buffer = static_cast<QBuffer*>(opaque);
    switch (whence & ~AVSEEK_FORCE) {
    case AVSEEK_SIZE:
        return buffer->size();
    case SEEK_SET:
        break;
    case SEEK_CUR:
        offset += buffer->pos();
        break;
    case SEEK_END:
        offset += buffer->size();
        break;
    default:
        return AVERROR(EINVAL);
    }
    return buffer->seek(offset) ? offset : AVERROR(EINVAL);
}

// Everything one encoding holds, freed together.
struct Encoding
{
    Encoding() = default;
    Encoding(const Encoding&) = delete;
    Encoding& operator=(const Encoding&) = delete;
    ~Encoding()
    {
        av_packet_free(&packet);
        av_frame_free(&frame);
        avcodec_free_context(&codec);
        if (format) {
            if (format->pb)
                av_freep(&format->pb->buffer);
            avio_context_free(&format->pb);
            avformat_free_context(format);
        }
    }

    QBuffer output;
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    AVStream* stream = nullptr;
    AVFrame* frame = nullptr;
    AVPacket* packet = nullptr;
};

// Sends a frame (null: the end) and writes what the encoder gives back.
int encodeFrame(Encoding& encoding, AVFrame* frame)
{
    int result = avcodec_send_frame(encoding.codec, frame);
    while (result >= 0) {
        result = avcodec_receive_packet(encoding.codec, encoding.packet);
        if (result == AVERROR(EAGAIN) || result == AVERROR_EOF)
            return 0;
        if (result < 0)
            return result;
        av_packet_rescale_ts(encoding.packet, encoding.codec->time_base, encoding.stream->time_base);
        encoding.packet->stream_index = encoding.stream->index;
        result = av_interleaved_write_frame(encoding.format, encoding.packet);
    }
    return result;
}

QString open(Encoding& encoding, int sampleRate, NxCompactAudioEncoder::Format format)
{
    NxFFmpegLog::route();
    const bool flac = format == NxCompactAudioEncoder::Format::Flac;
    const AVCodec* codec = flac ? avcodec_find_encoder(AV_CODEC_ID_FLAC) : avcodec_find_encoder_by_name("libopus");
    if (!codec)
        return flac ? QStringLiteral("FFmpeg has no FLAC encoder") : QStringLiteral("FFmpeg has no libopus encoder");
    int result = avformat_alloc_output_context2(&encoding.format, nullptr, flac ? "flac" : "ogg", nullptr);
    if (result < 0)
        return QStringLiteral("no muxer: %1").arg(avError(result));
    if (!encoding.output.open(QIODevice::ReadWrite))
        return QStringLiteral("no memory for the output");
    auto* ioBuffer = static_cast<unsigned char*>(av_malloc(IoBufferSize));
    encoding.format->pb = ioBuffer ? avio_alloc_context(ioBuffer, IoBufferSize, 1, &encoding.output, nullptr,
                                                        writeBytes, seekBytes)
                                   : nullptr;
    if (!encoding.format->pb) {
        av_free(ioBuffer);
        return QStringLiteral("no memory for the output");
    }
    encoding.stream = avformat_new_stream(encoding.format, nullptr);
    encoding.codec = avcodec_alloc_context3(codec);
    encoding.frame = av_frame_alloc();
    encoding.packet = av_packet_alloc();
    if (!encoding.stream || !encoding.codec || !encoding.frame || !encoding.packet)
        return QStringLiteral("out of memory");
    encoding.codec->sample_fmt = AV_SAMPLE_FMT_S16;
    encoding.codec->sample_rate = sampleRate;
    encoding.codec->time_base = AVRational{1, sampleRate};
    av_channel_layout_default(&encoding.codec->ch_layout, 1);
    if (!flac)
        encoding.codec->bit_rate = OpusBitRate;
    if (encoding.format->oformat->flags & AVFMT_GLOBALHEADER)
        encoding.codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if ((result = avcodec_open2(encoding.codec, codec, nullptr)) < 0)
        return QStringLiteral("cannot open the encoder: %1").arg(avError(result));
    encoding.stream->time_base = encoding.codec->time_base;
    if ((result = avcodec_parameters_from_context(encoding.stream->codecpar, encoding.codec)) < 0
        || (result = avformat_write_header(encoding.format, nullptr)) < 0)
        return QStringLiteral("cannot start the file: %1").arg(avError(result));
    return QString();
}
} // namespace

bool NxCompactAudioEncoder::formatNamed(const QString& name, Format* format)
{
    if (name == QLatin1String("flac"))
        *format = Format::Flac;
    else if (name == QLatin1String("opus"))
        *format = Format::Opus;
    else
        return false;
    return true;
}

QString NxCompactAudioEncoder::fileName(Format format)
{
    return format == Format::Flac ? QStringLiteral("audio.flac") : QStringLiteral("audio.ogg");
}

QByteArray NxCompactAudioEncoder::mediaType(Format format)
{
    return format == Format::Flac ? QByteArrayLiteral("audio/flac") : QByteArrayLiteral("audio/ogg");
}

QByteArray NxCompactAudioEncoder::encode(const std::vector<int16_t>& samples, int sampleRate, Format format,
                                         const std::atomic<bool>& stop, const Progress& progress, QString* error)
{
    Encoding encoding;
    QString failure = open(encoding, sampleRate, format);
    const int frameSize = encoding.codec && encoding.codec->frame_size > 0 ? encoding.codec->frame_size : AnyFrameSize;
    int result = 0;
    for (size_t at = 0; failure.isEmpty() && at < samples.size(); at += size_t(frameSize)) {
        if (stop) {
            failure = QStringLiteral("stopped");
            break;
        }
        const int count = int(std::min(samples.size() - at, size_t(frameSize)));
        av_frame_unref(encoding.frame);
        encoding.frame->format = AV_SAMPLE_FMT_S16;
        encoding.frame->sample_rate = sampleRate;
        encoding.frame->nb_samples = count;
        encoding.frame->pts = int64_t(at);
        if ((result = av_channel_layout_copy(&encoding.frame->ch_layout, &encoding.codec->ch_layout)) < 0
            || (result = av_frame_get_buffer(encoding.frame, 0)) < 0) {
            failure = QStringLiteral("out of memory: %1").arg(avError(result));
            break;
        }
        std::copy_n(samples.data() + at, count, reinterpret_cast<int16_t*>(encoding.frame->data[0]));
        if ((result = encodeFrame(encoding, encoding.frame)) < 0)
            failure = QStringLiteral("cannot encode: %1").arg(avError(result));
        else if (progress)
            progress(double(at + size_t(count)) / double(samples.size()));
    }
    if (failure.isEmpty() && ((result = encodeFrame(encoding, nullptr)) < 0
                              || (result = av_write_trailer(encoding.format)) < 0))
        failure = QStringLiteral("cannot finish the file: %1").arg(avError(result));
    if (failure.isEmpty()) {
        avio_flush(encoding.format->pb);
        if (encoding.format->pb->error < 0)
            failure = QStringLiteral("cannot write: %1").arg(avError(encoding.format->pb->error));
    }
    if (!failure.isEmpty()) {
        if (error)
            *error = failure;
        return QByteArray();
    }
    return encoding.output.data();
}
