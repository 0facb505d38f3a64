#include "NxStudioSubtitleMux.h"

#include <QFile>

#include <algorithm>
#include <memory>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/mem.h>
}

namespace
{
constexpr AVRational Milliseconds{1, 1000};

// The style every cue is drawn with; the mov_text encoder reads it as an ASS script header.
const char* const AssHeader = "[Script Info]\r\n"
                              "ScriptType: v4.00+\r\n"
                              "PlayResX: 384\r\n"
                              "PlayResY: 288\r\n"
                              "\r\n"
                              "[V4+ Styles]\r\n"
                              "Format: Name, Fontname, Fontsize, PrimaryColour, SecondaryColour, OutlineColour, "
                              "BackColour, Bold, Italic, Underline, StrikeOut, ScaleX, ScaleY, Spacing, Angle, "
                              "BorderStyle, Outline, Shadow, Alignment, MarginL, MarginR, MarginV, Encoding\r\n"
                              "Style: Default,Arial,16,&Hffffff,&Hffffff,&H0,&H0,0,0,0,0,100,100,0,0,1,1,0,2,10,10,10,0\r\n"
                              "\r\n"
                              "[Events]\r\n"
                              "Format: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text\r\n";

struct InputCloser
{
    void operator()(AVFormatContext* context) const { avformat_close_input(&context); }
};
struct OutputCloser
{
    void operator()(AVFormatContext* context) const
    {
        if (context->pb)
            avio_closep(&context->pb);
        avformat_free_context(context);
    }
};
struct EncoderCloser
{
    void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
struct PacketCloser
{
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};

using Input = std::unique_ptr<AVFormatContext, InputCloser>;
using Output = std::unique_ptr<AVFormatContext, OutputCloser>;
using Encoder = std::unique_ptr<AVCodecContext, EncoderCloser>;
using Packet = std::unique_ptr<AVPacket, PacketCloser>;

// A subtitle track shows one cue at a time: cues that start together become
// one, and a cue ends where the next begins.
QVector<NxStudioSubtitleCue> oneAtATime(QVector<NxStudioSubtitleCue> cues)
{
    std::stable_sort(cues.begin(), cues.end(),
                     [](const NxStudioSubtitleCue& a, const NxStudioSubtitleCue& b) { return a.start < b.start; });
    QVector<NxStudioSubtitleCue> result;
    for (const NxStudioSubtitleCue& cue : cues) {
        if (!result.isEmpty() && result.last().start == cue.start) {
            result.last().text += QLatin1Char('\n') + cue.text;
            result.last().end = qMax(result.last().end, cue.end);
            continue;
        }
        if (!result.isEmpty())
            result.last().end = qMin(result.last().end, cue.start);
        result.append(cue);
    }
    return result;
}

Encoder openEncoder(QString* error)
{
    const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_MOV_TEXT);
    if (!codec) {
        *error = QStringLiteral("This FFmpeg has no mov_text subtitle encoder");
        return nullptr;
    }
    Encoder encoder(avcodec_alloc_context3(codec));
    encoder->time_base = Milliseconds;
    encoder->subtitle_header = reinterpret_cast<uint8_t*>(av_strdup(AssHeader));
    encoder->subtitle_header_size = int(strlen(AssHeader));
    if (const int failure = avcodec_open2(encoder.get(), codec, nullptr); failure < 0) {
        *error = QStringLiteral("Cannot prepare the subtitles: ") + NxStudioSubtitleMux::describe(failure);
        return nullptr;
    }
    return encoder;
}

// The cue as one mov_text packet of `stream`; null when the encoder refuses it.
Packet encodeCue(AVCodecContext* encoder, const NxStudioSubtitleCue& cue, const AVStream* stream)
{
    // ReadOrder, Layer, Style, Name, MarginL, MarginR, MarginV, Effect, Text.
    QByteArray dialogue = "0,0,Default,,0,0,0,," + cue.text.toUtf8().replace('\n', "\\N");
    AVSubtitleRect rect{};
    rect.type = SUBTITLE_ASS;
    rect.ass = dialogue.data();
    AVSubtitleRect* rects[] = {&rect};
    AVSubtitle subtitle{};
    subtitle.num_rects = 1;
    subtitle.rects = rects;
    subtitle.end_display_time = uint32_t(cue.end - cue.start);
    subtitle.pts = av_rescale_q(cue.start, Milliseconds, AV_TIME_BASE_Q);
    QByteArray buffer(int(dialogue.size()) * 2 + 1024, Qt::Uninitialized);
    const int size = avcodec_encode_subtitle(encoder, reinterpret_cast<uint8_t*>(buffer.data()), buffer.size(),
                                             &subtitle);
    Packet packet(av_packet_alloc());
    if (size < 0 || av_new_packet(packet.get(), size) < 0)
        return nullptr;
    memcpy(packet->data, buffer.constData(), size_t(size));
    packet->pts = packet->dts = av_rescale_q(cue.start, Milliseconds, stream->time_base);
    packet->duration = av_rescale_q(cue.end - cue.start, Milliseconds, stream->time_base);
    packet->stream_index = stream->index;
    return packet;
}

class Remux
{
public:
    Remux(const QString& output, const std::atomic<bool>& cancel) : m_output(output), m_cancel(cancel) {}

    QString run(const QString& input, const QVector<NxStudioSubtitleCue>& cues,
                const std::function<void(double)>& progress);

private:
    QString open(const QString& input);
    QString writeCue(const NxStudioSubtitleCue& cue);
    QString writeFailed(int failure) const
    {
        return QStringLiteral("Cannot write %1: %2").arg(m_output, NxStudioSubtitleMux::describe(failure));
    }

    QString m_output;
    const std::atomic<bool>& m_cancel;
    Input m_in;
    Output m_out;
    Encoder m_encoder;
    AVStream* m_subtitles = nullptr;
};

QString Remux::open(const QString& input)
{
    AVFormatContext* in = nullptr;
    if (const int failure = avformat_open_input(&in, QFile::encodeName(input).constData(), nullptr, nullptr);
        failure < 0)
        return QStringLiteral("Cannot read the rendered video: ") + NxStudioSubtitleMux::describe(failure);
    m_in.reset(in);
    if (const int failure = avformat_find_stream_info(in, nullptr); failure < 0)
        return QStringLiteral("Cannot read the rendered video: ") + NxStudioSubtitleMux::describe(failure);

    AVFormatContext* out = nullptr;
    if (avformat_alloc_output_context2(&out, nullptr, "mp4", nullptr) < 0)
        return QStringLiteral("This FFmpeg cannot write MP4 files");
    m_out.reset(out);
    for (unsigned i = 0; i < in->nb_streams; ++i) {
        AVStream* copy = avformat_new_stream(out, nullptr);
        if (!copy || avcodec_parameters_copy(copy->codecpar, in->streams[i]->codecpar) < 0)
            return QStringLiteral("Out of memory");
        copy->codecpar->codec_tag = 0;
        copy->time_base = in->streams[i]->time_base;
    }
    QString error;
    m_encoder = openEncoder(&error);
    if (!m_encoder)
        return error;
    m_subtitles = avformat_new_stream(out, nullptr);
    if (!m_subtitles || avcodec_parameters_from_context(m_subtitles->codecpar, m_encoder.get()) < 0)
        return QStringLiteral("Out of memory");
    m_subtitles->time_base = Milliseconds;

    if (const int failure = avio_open(&out->pb, QFile::encodeName(m_output).constData(), AVIO_FLAG_WRITE);
        failure < 0)
        return writeFailed(failure);
    if (const int failure = avformat_write_header(out, nullptr); failure < 0)
        return writeFailed(failure);
    return QString();
}

QString Remux::writeCue(const NxStudioSubtitleCue& cue)
{
    Packet packet = encodeCue(m_encoder.get(), cue, m_subtitles);
    if (!packet)
        return QStringLiteral("Cannot encode the subtitle \u201c%1\u201d").arg(cue.text);
    if (const int failure = av_interleaved_write_frame(m_out.get(), packet.get()); failure < 0)
        return writeFailed(failure);
    return QString();
}

QString Remux::run(const QString& input, const QVector<NxStudioSubtitleCue>& cues,
                   const std::function<void(double)>& progress)
{
    QString error = open(input);
    if (!error.isEmpty())
        return error;
    const double duration = double(qMax<int64_t>(1, m_in->duration)) / AV_TIME_BASE;
    Packet packet(av_packet_alloc());
    int nextCue = 0;
    while (av_read_frame(m_in.get(), packet.get()) >= 0) {
        if (m_cancel)
            return QStringLiteral("Cancelled");
        const AVStream* from = m_in->streams[packet->stream_index];
        const qint64 at = packet->dts == AV_NOPTS_VALUE ? 0 : av_rescale_q(packet->dts, from->time_base, Milliseconds);
        // Cues go in as the picture and sound reach their time, so the muxer keeps little in hand.
        for (; nextCue < cues.size() && cues.at(nextCue).start <= at; ++nextCue) {
            error = writeCue(cues.at(nextCue));
            if (!error.isEmpty())
                return error;
        }
        av_packet_rescale_ts(packet.get(), from->time_base, m_out->streams[packet->stream_index]->time_base);
        if (const int failure = av_interleaved_write_frame(m_out.get(), packet.get()); failure < 0)
            return writeFailed(failure);
        if (progress && packet->stream_index == 0)
            progress(qBound(0.0, at / 1000.0 / duration, 1.0));
    }
    for (; nextCue < cues.size(); ++nextCue) {
        error = writeCue(cues.at(nextCue));
        if (!error.isEmpty())
            return error;
    }
    if (const int failure = av_write_trailer(m_out.get()); failure < 0)
        return writeFailed(failure);
    if (const int failure = avio_closep(&m_out->pb); failure < 0)
        return writeFailed(failure);
    return QString();
}
}

namespace NxStudioSubtitleMux
{
QString addStream(const QString& input, const QString& output, QVector<NxStudioSubtitleCue> cues,
                  const std::atomic<bool>& cancel, const std::function<void(double)>& progress)
{
    Remux remux(output, cancel);
    return remux.run(input, oneAtATime(std::move(cues)), progress);
}

QString describe(int averror)
{
    // Most failures of file access carry an errno, which the system words best.
    if (averror < 0 && averror > -4096)
        return qt_error_string(AVUNERROR(averror));
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(averror, text, sizeof text);
    return QString::fromUtf8(text);
}
}
