#pragma once

class INxMediaObject;

// The media-library side of a material: the imported media behind it, or
// null while the material is offline.
class INxAbstractMediaItem
{
public:
    virtual ~INxAbstractMediaItem() = default;

    virtual INxMediaObject* media() const = 0;
};
