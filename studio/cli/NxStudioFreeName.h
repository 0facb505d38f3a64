#pragma once

#include <QString>

// Copies a result where the user asked for it without ever replacing a file:
// "<base><suffix>" when free, else "<base>_01<suffix>", "<base>_02<suffix>"...
namespace NxStudioFreeName
{
// The path of the copy, or an empty string when it could not be written.
QString copy(const QString& source, const QString& folder, const QString& base, const QString& suffix);
}
