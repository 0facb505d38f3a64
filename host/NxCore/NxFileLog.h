#pragma once

#include "INxBaseLog.h"

#include <QMap>
#include <QMutex>

#include <cstdarg>

// Appends each entry as one line, in one write, to the log file (other
// processes of the user append to it too) and mirrors errors to stderr. A log
// file that cannot be opened or written, a FIFO under its name included, is
// reported once on stderr and the log goes on there alone.
class NxFileLog final : public INxBaseLog
{
public:
    explicit NxFileLog(const QString& filePath);
    ~NxFileLog();
    NxFileLog(const NxFileLog&) = delete;
    NxFileLog& operator=(const NxFileLog&) = delete;

    void LogInfo(const char* file, const char* function, int line, const char* format, ...) override
        NX_PRINTF_FORMAT(5, 6);
    void LogError(const char* file, const char* function, int line, const char* format, ...) override
        NX_PRINTF_FORMAT(5, 6);
    int addListener(Listener listener) override;
    void removeListener(int handle) override;
    QString filePath() const override;
    void setMirrorsInfo(bool mirrors) override;

private:
    void write(NxLogEntry::Level level, const char* file, const char* function, int line,
               const char* format, va_list args);

    // Entries come from worker threads too; one lock keeps lines whole.
    mutable QMutex m_mutex;
    const QString m_path;
    int m_fd = -1;
    bool m_mirrorsInfo = false;
    QMap<int, Listener> m_listeners;
    int m_nextHandle = 1;
};
