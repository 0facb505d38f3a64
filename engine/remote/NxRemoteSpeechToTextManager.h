#pragma once

#include "NxRemoteSettings.h"
#include "NxSpeechToTextQueueManager.h"

#include <atomic>
#include <memory>

class NxServerCheck;
class NxSpeechServerClient;

// Speech-to-text on a speech server that speaks the OpenAI-style audio API
// (NxRemoteTranscription): as many tasks in flight as the settings allow,
// each on a worker thread of its own, which is where its reports come from.
//
// The server is paid for where it runs: tasks charge nothing, and the
// balance reported is the usage allowance as it stands. serviceState()
// answers whether the last look at the server (refresh()) found it.
class NxRemoteSpeechToTextManager final : public NxSpeechToTextQueueManager
{
public:
    // With the host's configuration.
    NxRemoteSpeechToTextManager();
    explicit NxRemoteSpeechToTextManager(NxRemoteSettings settings);

    bool serviceState() override;
    void refresh(int tab = 0) override;

private:
    ~NxRemoteSpeechToTextManager() override;

    std::unique_ptr<NxSpeechServerClient> m_client;
    std::unique_ptr<NxServerCheck> m_check;
};
