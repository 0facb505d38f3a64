#pragma once

#include "INxBaseLog.h"

#include <QList>
#include <QStringList>

#include <mutex>

// Collects the host log's entries for as long as it lives; they reach it on
// whichever thread writes them.
class NxLogCapture
{
public:
    NxLogCapture()
        : m_handle(GetGlobalLogInstance()->addListener([this](const NxLogEntry& entry) {
              const std::lock_guard<std::mutex> lock(m_mutex);
              m_entries.append(entry);
          }))
    {
    }
    ~NxLogCapture() { GetGlobalLogInstance()->removeListener(m_handle); }
    NxLogCapture(const NxLogCapture&) = delete;
    NxLogCapture& operator=(const NxLogCapture&) = delete;

    QList<NxLogEntry> entries() const
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        return m_entries;
    }
    // The messages of every entry, or of the errors only.
    QStringList messages(bool errorsOnly = false) const
    {
        QStringList messages;
        for (const NxLogEntry& entry : entries())
            if (!errorsOnly || entry.level == NxLogEntry::Error)
                messages.append(entry.message);
        return messages;
    }

private:
    mutable std::mutex m_mutex;
    QList<NxLogEntry> m_entries;
    const int m_handle;
};
