#pragma once

#include <QString>
#include <QVector>

#include <atomic>
#include <functional>

// One subtitle of an export: its words and when they show, in milliseconds.
struct NxStudioSubtitleCue
{
    qint64 start = 0;
    qint64 end = 0;
    QString text;
};

namespace NxStudioSubtitleMux
{
// Copies the video and audio of the MP4 `input` into the new MP4 `output`
// and adds `cues` as a soft subtitle stream (mov_text), without encoding the
// picture or the sound again. Returns why it failed, empty on success; stops
// soon after `cancel` turns true. `progress` hears the fraction done.
QString addStream(const QString& input, const QString& output, QVector<NxStudioSubtitleCue> cues,
                  const std::atomic<bool>& cancel, const std::function<void(double)>& progress);

// Why an FFmpeg call failed, in the system's words for the errno it carries.
QString describe(int averror);
}
