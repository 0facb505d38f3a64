#pragma once

#include <QString>

#include <atomic>
#include <mutex>
#include <thread>

class NxSpeechServerClient;

// Looks at the speech server in the background (GET /v1/models): whether it
// can be reached with the key, and whether it offers the model a manager
// uses, which it logs when not. A server without a model list is taken at
// its word.
class NxServerCheck
{
public:
    NxServerCheck(NxSpeechServerClient& client, QString model);
    // Stops a check that runs and waits for it.
    ~NxServerCheck();
    NxServerCheck(const NxServerCheck&) = delete;
    NxServerCheck& operator=(const NxServerCheck&) = delete;

    // Starts a check unless one runs.
    void start();
    // What the last check found; true before the first.
    bool reachable() const { return m_reachable; }

private:
    void check();

    NxSpeechServerClient& m_client;
    const QString m_model;
    std::atomic<bool> m_reachable{true};
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_running{false};
    std::mutex m_mutex; // guards m_thread
    std::thread m_thread;
};
