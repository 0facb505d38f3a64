#pragma once

#include "NxRational.h"

#include <QString>

// A media file as the host knows it after importing it.
class INxMediaObject
{
public:
    virtual QString filePath() const = 0;
    virtual NxRational frameRate() const = 0;
    virtual qint64 length() const = 0; // in frames of frameRate()

protected:
    ~INxMediaObject() = default;
};
