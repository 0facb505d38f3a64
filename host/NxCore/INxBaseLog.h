#pragma once

#include <QString>

#include <functional>

#if defined(__GNUC__)
#define NX_PRINTF_FORMAT(fmt, first) __attribute__((format(printf, fmt, first)))
#else
#define NX_PRINTF_FORMAT(fmt, first)
#endif

struct NxLogEntry
{
    enum Level { Info, Error };

    Level level = Info;
    QString file;
    QString function;
    int line = 0;
    QString message;
};

// The host's log. Entries carry their source position and a printf-style
// message; they may be written from any thread.
class INxBaseLog
{
public:
    using Listener = std::function<void(const NxLogEntry&)>;

    virtual void LogInfo(const char* file, const char* function, int line, const char* format, ...)
        NX_PRINTF_FORMAT(5, 6) = 0;
    virtual void LogError(const char* file, const char* function, int line, const char* format, ...)
        NX_PRINTF_FORMAT(5, 6) = 0;

    // Calls `listener` for every entry written from now on, on the writing
    // thread. Returns a handle for removeListener.
    virtual int addListener(Listener listener) = 0;
    virtual void removeListener(int handle) = 0;

    // Absolute path of the log file.
    virtual QString filePath() const = 0;

protected:
    ~INxBaseLog() = default;
};

// The process-wide log: "NxSpeech.log" in the data folder, mirrored to stderr.
INxBaseLog* GetGlobalLogInstance();
