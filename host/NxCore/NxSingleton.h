#pragma once

// One process-wide instance per type, created on first use. Function-local
// statics give thread-safe construction without locks of our own.
template <typename T>
class NxSingleton
{
public:
    static T* instance()
    {
        static T object;
        return &object;
    }

    NxSingleton() = delete;
};
