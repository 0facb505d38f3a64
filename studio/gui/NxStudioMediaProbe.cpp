#include "NxStudioMediaProbe.h"

#include <QFile>
#include <QFileInfo>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/error.h>
}

#include <memory>

namespace
{
struct FormatCloser
{
    void operator()(AVFormatContext* context) const { avformat_close_input(&context); }
};
using Format = std::unique_ptr<AVFormatContext, FormatCloser>;

QString avError(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromLocal8Bit(text);
}

double secondsOf(const AVFormatContext* context)
{
    if (context->duration > 0)
        return double(context->duration) / AV_TIME_BASE;
    double longest = 0.0;
    for (unsigned i = 0; i < context->nb_streams; ++i) {
        const AVStream* stream = context->streams[i];
        if (stream->duration > 0)
            longest = qMax(longest, double(stream->duration) * av_q2d(stream->time_base));
    }
    return longest;
}

NxStudioProbe subtitles(const QString& path)
{
    NxStudioProbe result;
    result.cues = NxStudioSubtitleFile::read(path, &result.error);
    if (result.cues.isEmpty())
        return result;
    result.kind = NxStudioProbe::Subtitles;
    result.seconds = result.cues.last().end / 1000.0;
    return result;
}
}

NxStudioProbe NxStudioProbe::probe(const QString& path)
{
    if (QFileInfo(path).suffix().compare(QLatin1String("srt"), Qt::CaseInsensitive) == 0)
        return subtitles(path);

    NxStudioProbe result;
    AVFormatContext* opened = nullptr;
    const int status = avformat_open_input(&opened, QFile::encodeName(path).constData(), nullptr, nullptr);
    if (status < 0) {
        result.error = avError(status);
        return result;
    }
    const Format format(opened);
    const int found = avformat_find_stream_info(format.get(), nullptr);
    if (found < 0) {
        result.error = avError(found);
        return result;
    }
    bool hasVideo = false;
    for (unsigned i = 0; i < format->nb_streams; ++i) {
        const AVStream* stream = format->streams[i];
        const AVMediaType type = stream->codecpar->codec_type;
        // A cover picture in an audio file is no video.
        if (type == AVMEDIA_TYPE_VIDEO && !(stream->disposition & AV_DISPOSITION_ATTACHED_PIC))
            hasVideo = true;
        else if (type == AVMEDIA_TYPE_AUDIO)
            result.hasAudio = true;
    }
    result.seconds = secondsOf(format.get());
    if (hasVideo)
        result.kind = Video;
    else if (result.hasAudio)
        result.kind = Audio;
    else
        result.error = QStringLiteral("the file has neither sound nor pictures");
    if (result.kind != Unreadable && result.seconds <= 0.0) {
        result.kind = Unreadable;
        result.error = QStringLiteral("the file does not tell its length");
    }
    return result;
}
