#pragma once

// One element of a title: text, shape, image... Text elements are also
// INxTextClip; callers find them with dynamic_cast.
class INxTitleElement
{
public:
    virtual ~INxTitleElement() = default;
};
