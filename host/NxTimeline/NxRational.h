#pragma once

#include <QtGlobal>

// A frame rate as numerator / denominator frames per second (30000/1001).
struct NxRational
{
    int num = 0;
    int den = 1;

    bool isValid() const { return num > 0 && den > 0; }

    // Whole seconds in `frames`; 0 for an invalid rate.
    qint64 framesToSeconds(qint64 frames) const { return isValid() ? frames * den / num : 0; }
    double framesToSecondsF(qint64 frames) const { return isValid() ? double(frames) * den / num : 0.0; }
};
