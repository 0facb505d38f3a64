#include "NxFFmpegLog.h"

#include "INxBaseLog.h"

extern "C" {
#include <libavutil/log.h>
}

#include <cstdarg>
#include <mutex>
#include <string>

namespace
{
void toLog(void* object, int level, const char* format, va_list arguments)
{
    if (level > AV_LOG_INFO || level > av_log_get_level())
        return;
    // FFmpeg may hand over a line in pieces; the prefix ("[mp3float @ 0x…] ") starts each line.
    thread_local std::string pending;
    thread_local int printPrefix = 1;
    char piece[1024];
    av_log_format_line2(object, level, format, arguments, piece, sizeof piece, &printPrefix);
    pending += piece;
    if (pending.empty() || pending.back() != '\n')
        return;
    pending.pop_back();
    INxBaseLog* log = GetGlobalLogInstance();
    if (level <= AV_LOG_FATAL)
        log->LogError("ffmpeg", "av_log", 0, "%s", pending.c_str());
    else
        log->LogInfo("ffmpeg", "av_log", 0, "%s", pending.c_str());
    pending.clear();
}
}

namespace NxFFmpegLog
{
void route()
{
    static std::once_flag routed;
    std::call_once(routed, [] { av_log_set_callback(toLog); });
}
}
