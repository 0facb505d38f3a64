#pragma once

// One process-wide instance per type, created on first use.
//
// The instance lives in the library that owns the type: that library
// defines it with NX_DEFINE_SINGLETON, and the type's header declares it
// with NX_DECLARE_SINGLETON. A header-only definition would give every
// library built with hidden symbols a private copy of its own.
//
// A type may also derive from NxSingleton<T> to offer T::instance().
template <typename T>
class NxSingleton
{
public:
    static T* instance();

protected:
    NxSingleton() = default;
    ~NxSingleton() = default;
};

#define NX_DECLARE_SINGLETON(Type) \
    template <> \
    __attribute__((visibility("default"))) Type* NxSingleton<Type>::instance();

// Function-local static: thread-safe construction without locks of our own.
#define NX_DEFINE_SINGLETON(Type) \
    template <> \
    __attribute__((visibility("default"))) Type* NxSingleton<Type>::instance() \
    { \
        static Type object; \
        return &object; \
    }
