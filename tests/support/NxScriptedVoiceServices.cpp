#include "NxScriptedVoiceServices.h"

namespace
{
NxScriptedVoiceAudition* latestAudition = nullptr;
}

void NxScriptedVoiceQuery::install(const NxVoiceScript& script)
{
    INxTextToSpeechQuery::setFactory([script] { return new NxScriptedVoiceQuery(script); });
}

bool NxScriptedVoiceQuery::getLanguageList(QStringList& languageCodes)
{
    languageCodes.clear();
    for (const NxTextToSpeechVoiceInfo& voice : qAsConst(m_script.voices))
        if (!languageCodes.contains(voice.languageCode))
            languageCodes.append(voice.languageCode);
    return m_script.answers;
}

bool NxScriptedVoiceQuery::getVoiceListOfLanguage(const QString& languageCode, QList<NxTextToSpeechVoiceInfo>& voices)
{
    voices.clear();
    for (const NxTextToSpeechVoiceInfo& voice : qAsConst(m_script.voices))
        if (voice.languageCode == languageCode)
            voices.append(voice);
    return m_script.answers;
}

bool NxScriptedVoiceQuery::getVoiceList(QList<NxTextToSpeechVoiceInfo>& voices)
{
    if (!m_script.answers)
        return false;
    voices = m_script.voices;
    return true;
}

void NxScriptedVoiceAudition::install()
{
    INxTextToSpeechAudition::setFactory([] { return latestAudition = new NxScriptedVoiceAudition; });
}

NxScriptedVoiceAudition* NxScriptedVoiceAudition::latest()
{
    return latestAudition;
}

void NxScriptedVoiceAudition::release()
{
    if (m_notifier.joinable())
        m_notifier.join();
    if (latestAudition == this)
        latestAudition = nullptr;
    delete this;
}

void NxScriptedVoiceAudition::script(bool plays, bool networkError)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_plays = plays;
    m_networkError = networkError;
}

QStringList NxScriptedVoiceAudition::calls() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_calls;
}

void NxScriptedVoiceAudition::notifyFromThread(bool playing)
{
    std::thread caller([this, playing] {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_observer)
            return;
        if (playing)
            m_observer->onAuditionPlay();
        else
            m_observer->onAuditionStop();
    });
    caller.join();
}

void NxScriptedVoiceAudition::keepNotifying()
{
    m_notifier = std::thread([this] {
        for (;;) {
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                if (!m_observer)
                    return;
                m_observer->onAuditionPlay();
            }
            std::this_thread::yield();
        }
    });
}

bool NxScriptedVoiceAudition::play()
{
    record("play");
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_plays;
}

bool NxScriptedVoiceAudition::isNetworkError()
{
    record("isNetworkError");
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_networkError;
}

void NxScriptedVoiceAudition::setObserver(INxTextToSpeechAuditionObserver* observer)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_observer = observer;
    m_calls.append(observer ? QStringLiteral("setObserver") : QStringLiteral("setObserver null"));
}

void NxScriptedVoiceAudition::record(const QString& call)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_calls.append(call);
}
