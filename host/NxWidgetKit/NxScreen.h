#pragma once

#include "NxSingleton.h"

#include <QtGlobal>

// Screen facts widgets need when preparing pixmaps; reached as
// NxSingleton<NxScreen>::instance().
class NxScreen
{
public:
    // The primary screen's device pixel ratio; 1.0 when there is no screen
    // (no GUI application yet, or a headless tool). A ratio set with
    // setDevicePixelRatio wins over the screen's.
    qreal devicePixelRatio() const;

    // Pretend the screen has this ratio, so high-density painting can be
    // prepared and checked on any machine; 0 (or less) goes back to the
    // real screen's.
    void setDevicePixelRatio(qreal ratio);

private:
    qreal m_ratio = 0;
};

NX_DECLARE_SINGLETON(NxScreen)
