#pragma once

#include "NxTaskObservers.h"

#include <functional>
#include <mutex>

namespace NxFactorySlotDetail
{
// What create() hands out: a task manager is shown to the host's observers,
// anything else goes as made.
template <typename Interface>
Interface* handOut(Interface* made)
{
    return made;
}
inline INxSpeechToTextTaskManager* handOut(INxSpeechToTextTaskManager* made)
{
    return NxTaskObservers::observed(made);
}
inline INxTextToSpeechTaskManager* handOut(INxTextToSpeechTaskManager* made)
{
    return NxTaskObservers::observed(made);
}
} // namespace NxFactorySlotDetail

// Holds the factory that an interface's create() uses: the library's default
// until a host or test installs its own.
template <typename Interface>
class NxFactorySlot
{
public:
    using Factory = std::function<Interface*()>;

    explicit NxFactorySlot(Factory defaultFactory) : m_default(std::move(defaultFactory)) {}

    void install(Factory factory)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_installed = std::move(factory);
    }

    Interface* create()
    {
        Factory factory;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            factory = m_installed ? m_installed : m_default;
        }
        return NxFactorySlotDetail::handOut(factory());
    }

private:
    std::mutex m_mutex;
    Factory m_default;
    Factory m_installed;
};
