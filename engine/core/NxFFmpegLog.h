#pragma once

// FFmpeg's own lines go to the host's log, never straight to stderr: a
// terminal shows what the program says, not its libraries' chatter. Fatal
// lines become errors; errors, warnings and information become INFO lines
// (the caller reports a failure that matters in its own words); verbose and
// debug lines are dropped. Idempotent and thread-safe: every user of FFmpeg
// calls it before its first FFmpeg call.
namespace NxFFmpegLog
{
void route();
}
