#pragma once

#include "INxTitleElement.h"

#include <QString>

// A text element of a title.
class INxTextClip : public INxTitleElement
{
public:
    virtual QString text() const = 0;
};
