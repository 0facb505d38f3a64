#pragma once

#include "INxBaseLog.h"

#include <QFile>
#include <QMap>
#include <QMutex>

#include <cstdarg>

class NxFileLog final : public INxBaseLog
{
public:
    explicit NxFileLog(const QString& filePath);

    void LogInfo(const char* file, const char* function, int line, const char* format, ...) override
        NX_PRINTF_FORMAT(5, 6);
    void LogError(const char* file, const char* function, int line, const char* format, ...) override
        NX_PRINTF_FORMAT(5, 6);
    int addListener(Listener listener) override;
    void removeListener(int handle) override;
    QString filePath() const override;

private:
    void write(NxLogEntry::Level level, const char* file, const char* function, int line,
               const char* format, va_list args);

    // Entries come from worker threads too; one lock keeps lines whole.
    mutable QMutex m_mutex;
    QFile m_file;
    QMap<int, Listener> m_listeners;
    int m_nextHandle = 1;
};
