#pragma once

#include <QString>

// Copies a result where the user asked for it without ever replacing a file:
// "<base><suffix>" when free, else "<base>_01<suffix>", "<base>_02<suffix>"...
// Any entry takes a name, a dangling symbolic link too. The names hold no
// control characters (each becomes '_'), so the paths print as they are.
namespace NxStudioFreeName
{
// Why no copy can be written in `folder`, made when missing; empty when one can.
QString unwritableFolder(const QString& folder);
// The path of the copy, or an empty string with *error saying why there is none.
QString copy(const QString& source, const QString& folder, const QString& base, const QString& suffix,
             QString* error);
}
