#include "NxFactorySlot.h"
#include "NxOfflineSpeechToTextManager.h"
#include "NxOfflineTextToSpeechAudition.h"
#include "NxOfflineTextToSpeechManager.h"
#include "NxOfflineTextToSpeechQuery.h"

// The library's own implementation is the offline engine.
namespace
{
template <typename Interface, typename Default>
NxFactorySlot<Interface>& slot()
{
    static NxFactorySlot<Interface> instance([] { return new Default; });
    return instance;
}

auto& speechToTextSlot = slot<INxSpeechToTextTaskManager, NxOfflineSpeechToTextManager>;
auto& textToSpeechSlot = slot<INxTextToSpeechTaskManager, NxOfflineTextToSpeechManager>;
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
