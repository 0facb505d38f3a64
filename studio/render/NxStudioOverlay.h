#pragma once

#include <QImage>
#include <QString>

// Titles and subtitles as they appear over the picture, in the monitor and
// in an exported video alike: a frame-sized image, transparent but for the
// words. Sizes follow the frame's height, so a 1080p export looks like the
// 720p monitor, only sharper.
namespace NxStudioOverlay
{
// `clipType` is INxClip::Title (centred, large) or INxClip::Subtitle (at the
// foot of the picture); `text` may hold line breaks and is wrapped to fit.
QImage render(int clipType, const QString& text, QSize frameSize);
}
