#pragma once

#include "NxSingleton.h"

#include <QtGlobal>

// Screen facts widgets need when preparing pixmaps; reached as
// NxSingleton<NxScreen>::instance().
class NxScreen
{
public:
    // The primary screen's device pixel ratio; 1.0 when there is no screen
    // (no GUI application yet, or a headless tool).
    qreal devicePixelRatio() const;
};

NX_DECLARE_SINGLETON(NxScreen)
