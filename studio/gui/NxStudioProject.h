#pragma once

#include <QByteArray>
#include <QString>

class NxStudioMediaBin;
class NxStudioTimeline;

// A project file (.nxproj): JSON holding the media bin (its files in order,
// relative to the project's folder when they are inside it), the tracks,
// the clips (with their links and texts), the skin and the playhead.
//
// Loading is all or nothing: the whole file is read and checked first, and
// the bin and timeline change only when it is sound. A file that is gone
// loads offline: its clips stay, waiting to be relinked.
namespace NxStudioProject
{
inline constexpr int Format = 1;
inline constexpr const char* Suffix = "nxproj";

// The project as it would be saved at `path`.
QByteArray toJson(const NxStudioMediaBin& bin, const NxStudioTimeline& timeline, int skin, const QString& path);
// Writes the project whole over `path`, or leaves `path` as it was and
// says why in `error`.
bool save(const QString& path, const NxStudioMediaBin& bin, const NxStudioTimeline& timeline, int skin,
          QString* error);
// Replaces the bin's and timeline's content with the project at `path` and
// sets `skin` to its skin; false, nothing changed and `error` naming the
// problem when the file cannot be used.
bool load(const QString& path, NxStudioMediaBin& bin, NxStudioTimeline& timeline, int* skin, QString* error);
}
