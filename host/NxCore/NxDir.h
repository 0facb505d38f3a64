#pragma once

#include <QString>

class NxDir
{
public:
    // `path` ending with exactly one '/' (an empty path stays empty).
    static QString slash(const QString& path);

    // Creates `path` with all missing parents; true when it exists afterwards.
    static bool makeSureDirExist(const QString& path);
};
