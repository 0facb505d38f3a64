#pragma once

#include <memory>

// Owns one of the speech services' objects, which go back through release().
struct NxRelease
{
    template <typename T>
    void operator()(T* object) const { object->release(); }
};
template <typename T>
using NxReleased = std::unique_ptr<T, NxRelease>;
