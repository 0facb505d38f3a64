#pragma once

#include <QList>

class INxTitleElement;

// The title side of a timeline clip: its elements in stacking order.
class INxTitleDocument
{
public:
    virtual QList<INxTitleElement*> elements() const = 0;

protected:
    ~INxTitleDocument() = default;
};

// A timeline clip that shows a title; reached from INxClip by dynamic_cast.
class INxTextTimelineClip
{
public:
    virtual ~INxTextTimelineClip() = default;

    virtual INxTitleDocument* titleDocument() const = 0;
};
