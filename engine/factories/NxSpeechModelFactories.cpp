#include "NxFactorySlot.h"
#include "NxOfflineSpeechToTextManager.h"
#include "NxOfflineTextToSpeechAudition.h"
#include "NxOfflineTextToSpeechManager.h"
#include "NxOfflineTextToSpeechQuery.h"
#include "NxRemoteSettings.h"
#include "NxRemoteSpeechToTextManager.h"
#include "NxRemoteTextToSpeechManager.h"

// The library's own implementation is the offline engine; the task managers
// are the remote engine's while the host's configuration names a speech
// server. Voice lists and previews stay on this machine.
namespace
{
template <typename Interface, typename Default>
NxFactorySlot<Interface>& slot()
{
    static NxFactorySlot<Interface> instance([] { return new Default; });
    return instance;
}

// The configuration is read at each create(), so a host that configures a
// server (or removes it) needs no restart for its next window.
template <typename Interface, typename Offline, typename Remote>
NxFactorySlot<Interface>& managerSlot()
{
    static NxFactorySlot<Interface> instance([]() -> Interface* {
        if (NxRemoteSettings::configured())
            return new Remote;
        return new Offline;
    });
    return instance;
}

auto& speechToTextSlot =
    managerSlot<INxSpeechToTextTaskManager, NxOfflineSpeechToTextManager, NxRemoteSpeechToTextManager>;
auto& textToSpeechSlot =
    managerSlot<INxTextToSpeechTaskManager, NxOfflineTextToSpeechManager, NxRemoteTextToSpeechManager>;
auto& querySlot = slot<INxTextToSpeechQuery, NxOfflineTextToSpeechQuery>;
auto& auditionSlot = slot<INxTextToSpeechAudition, NxOfflineTextToSpeechAudition>;
}

INxSpeechToTextTaskManager* INxSpeechToTextTaskManager::create() { return speechToTextSlot().create(); }
void INxSpeechToTextTaskManager::setFactory(Factory factory) { speechToTextSlot().install(std::move(factory)); }

INxTextToSpeechTaskManager* INxTextToSpeechTaskManager::create() { return textToSpeechSlot().create(); }
void INxTextToSpeechTaskManager::setFactory(Factory factory) { textToSpeechSlot().install(std::move(factory)); }

INxTextToSpeechQuery* INxTextToSpeechQuery::create() { return querySlot().create(); }
void INxTextToSpeechQuery::setFactory(Factory factory) { querySlot().install(std::move(factory)); }

INxTextToSpeechAudition* INxTextToSpeechAudition::create() { return auditionSlot().create(); }
void INxTextToSpeechAudition::setFactory(Factory factory) { auditionSlot().install(std::move(factory)); }
