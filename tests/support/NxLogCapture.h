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
    NxLogCapture();
    ~NxLogCapture();
    NxLogCapture(const NxLogCapture&) = delete;
    NxLogCapture& operator=(const NxLogCapture&) = delete;

    QList<NxLogEntry> entries() const;
    // The messages of every entry, or of the errors only.
    QStringList messages(bool errorsOnly = false) const;

private:
    mutable std::mutex m_mutex;
    QList<NxLogEntry> m_entries;
    const int m_handle;
};
