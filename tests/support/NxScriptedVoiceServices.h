#pragma once

#include "INxTextToSpeechAudition.h"
#include "INxTextToSpeechQuery.h"

#include <QList>
#include <QStringList>

#include <mutex>
#include <thread>

// A voice catalogue query and a preview service that answer what a test
// scripts. install() makes the interfaces' create() hand them out; latest()
// is the one made last, until it is released.

struct NxVoiceScript
{
    bool answers = true; // false: the query fails
    QList<NxTextToSpeechVoiceInfo> voices;
};

class NxScriptedVoiceQuery final : public INxTextToSpeechQuery
{
public:
    // What every query made from now on answers.
    static void install(const NxVoiceScript& script);

    void release() override { delete this; }
    bool getLanguageList(QStringList& languageCodes) override;
    bool getVoiceListOfLanguage(const QString& languageCode, QList<NxTextToSpeechVoiceInfo>& voices) override;
    bool isNetworkError() override { return !m_script.answers; }
    bool getVoiceList(QList<NxTextToSpeechVoiceInfo>& voices) override;

private:
    explicit NxScriptedVoiceQuery(const NxVoiceScript& script) : m_script(script) {}

    NxVoiceScript m_script;
};

// Records every call as "name value" and tells the observer of start and
// stop only when the test says so, from a real thread of its own.
class NxScriptedVoiceAudition final : public INxTextToSpeechAudition
{
public:
    static void install();
    static NxScriptedVoiceAudition* latest();

    // What play() and isNetworkError() answer from now on.
    void script(bool plays, bool networkError);
    QStringList calls() const;
    // Calls the observer's onAuditionPlay or onAuditionStop on a new thread and waits for it.
    void notifyFromThread(bool playing);
    // From a thread of its own, tells the observer of start after start
    // until it is taken away; release() waits for that thread.
    void keepNotifying();

    void release() override;
    void setVoice(int voiceId) override { record("setVoice", voiceId); }
    void setIntonation(int intonation) override { record("setIntonation", intonation); }
    void setSpeed(int speed) override { record("setSpeed", speed); }
    bool play() override;
    void stop() override { record("stop"); }
    bool isNetworkError() override;
    // Waits for an observer call in flight, as a real audition does.
    void setObserver(INxTextToSpeechAuditionObserver* observer) override;

private:
    NxScriptedVoiceAudition() = default;
    void record(const QString& call);
    void record(const char* name, int value) { record(QStringLiteral("%1 %2").arg(QLatin1String(name)).arg(value)); }

    mutable std::mutex m_mutex;
    INxTextToSpeechAuditionObserver* m_observer = nullptr;
    QStringList m_calls;
    bool m_plays = true;
    bool m_networkError = false;
    std::thread m_notifier;
};
