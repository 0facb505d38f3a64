#include "NxLogCapture.h"

NxLogCapture::NxLogCapture()
    : m_handle(GetGlobalLogInstance()->addListener([this](const NxLogEntry& entry) {
          const std::lock_guard<std::mutex> lock(m_mutex);
          m_entries.append(entry);
      }))
{
}

NxLogCapture::~NxLogCapture()
{
    GetGlobalLogInstance()->removeListener(m_handle);
}

QList<NxLogEntry> NxLogCapture::entries() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_entries;
}

QStringList NxLogCapture::messages(bool errorsOnly) const
{
    QStringList messages;
    for (const NxLogEntry& entry : entries()) {
        if (!errorsOnly || entry.level == NxLogEntry::Error)
            messages.append(entry.message);
    }
    return messages;
}
