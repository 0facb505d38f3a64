#include "NxStudioProjectLoader.h"

// Stands in until the studio reads project files.
bool loadProject(const QString& path, NxStudioTimeline&, NxStudioMediaBin&, QString* error)
{
    if (error)
        *error = QStringLiteral("%1: this nx-studio cannot open projects yet").arg(path);
    return false;
}
