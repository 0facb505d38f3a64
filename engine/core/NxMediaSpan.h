#pragma once

#include <QString>

#include <vector>

class INxAbstractMedia;
class INxClip;
class INxTimeline;

// A stretch of a media file's audio placed on a task's track, in seconds.
struct NxMediaSpan
{
    QString filePath;
    double in = 0.0;   // where in the file the stretch begins
    double out = -1.0; // where it ends; negative: at the file's end
    double at = 0.0;   // where it begins on the track

    // What a task hears of the host's objects, read when it is added: the
    // host's objects belong to the host's thread and may be gone by the time
    // the task runs. A material offline hears a file without a path (a
    // missing file); a clip or timeline without sound hears nothing.
    static std::vector<NxMediaSpan> ofMaterial(const INxAbstractMedia* media);
    static std::vector<NxMediaSpan> ofClip(const INxClip* clip);
    static std::vector<NxMediaSpan> ofTimeline(const INxTimeline* timeline);
};
