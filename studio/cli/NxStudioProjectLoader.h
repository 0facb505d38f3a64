#pragma once

#include <QString>

class NxStudioMediaBin;
class NxStudioTimeline;

// Reads the project at `path` into an empty timeline and media bin: false,
// with why in `error`, when it cannot be read.
bool loadProject(const QString& path, NxStudioTimeline& timeline, NxStudioMediaBin& bin, QString* error);
