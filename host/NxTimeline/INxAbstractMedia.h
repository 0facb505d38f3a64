#pragma once

#include <QString>

// A material of the host's media library.
class INxAbstractMedia
{
public:
    enum MediaType { Video = 1, Image = 2, Audio = 3 };

    virtual ~INxAbstractMedia() = default;

    virtual QString displayName() const = 0;
    virtual int mediaType() const = 0;
};
