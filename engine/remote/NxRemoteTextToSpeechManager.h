#pragma once

#include "NxRemoteSettings.h"
#include "NxTextToSpeechQueueManager.h"

#include <memory>

class NxServerCheck;
class NxSpeechServerClient;

// Text to speech on a speech server that speaks the OpenAI-style audio API
// (NxRemoteSentenceSpeaker): as many tasks in flight as the settings allow.
// A catalogue voice is spoken by the server voice the settings map its id
// to, or by the default voice; the speed step keeps the offline engine's
// pace ratios (NxSpeechSpeed::pace), and the server's speed also
// fits a subtitle sentence to its time; the server has no intonation to set.
//
// The server is paid for where it runs: tasks charge nothing, and the
// balance reported is the usage allowance as it stands. serviceState()
// answers whether the last look at the server (refresh()) found it.
class NxRemoteTextToSpeechManager final : public NxTextToSpeechQueueManager
{
public:
    // With the host's configuration.
    NxRemoteTextToSpeechManager();
    explicit NxRemoteTextToSpeechManager(NxRemoteSettings settings);
    ~NxRemoteTextToSpeechManager() override;

    bool serviceState() override;
    void refresh() override;

private:
    std::unique_ptr<NxSpeechServerClient> m_client;
    std::unique_ptr<NxServerCheck> m_check;
};
