#pragma once

#include <QByteArray>
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
    bool mirrored = false; // shown on stderr as well as written to the file
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

    // Whether INFO entries are shown on stderr too; errors always are, and
    // every entry is while the file cannot be written. Off at first.
    virtual void setMirrorsInfo(bool mirrors) = 0;

protected:
    ~INxBaseLog() = default;
};

// The process-wide log: "NxSpeech.log" in the data folder, its errors mirrored to stderr.
INxBaseLog* GetGlobalLogInstance();

// Where a log line comes from, as every line of the host, the engine and the
// studio names it: its source file from the project's root without the
// extension ("engine/core/NxTextToSpeechJob"; the build maps the root away)
// and its function as "Class::method" (of a lambda, the function it is
// written in). Made once per call site from __FILE__ and __PRETTY_FUNCTION__.
struct NxLogSource
{
    NxLogSource(const char* path, const char* prettyFunction)
        : file(path)
        , function(prettyFunction)
    {
        const int dot = file.lastIndexOf('.');
        if (dot > file.lastIndexOf('/'))
            file.truncate(dot);
        // The name ends where its parameter list starts: at the first '('
        // outside template arguments; the return type ends at a space.
        int depth = 0;
        int end = 0;
        while (end < function.size() && (function[end] != '(' || depth > 0)) {
            depth += function[end] == '<' ? 1 : function[end] == '>' ? -1 : 0;
            ++end;
        }
        function.truncate(end);
        function.remove(0, function.lastIndexOf(' ') + 1);
        function.replace("{anonymous}::", "");
    }

    QByteArray file;
    QByteArray function;
};

#define NX_LOG_WRITE(write, ...)                                                                        \
    do {                                                                                                 \
        static const NxLogSource nxLogSource(__FILE__, __PRETTY_FUNCTION__);                             \
        GetGlobalLogInstance()->write(nxLogSource.file.constData(), nxLogSource.function.constData(),    \
                                      __LINE__, __VA_ARGS__);                                            \
    } while (false)
// printf-style: NX_LOG_INFO("task %d: %s", id, qUtf8Printable(text)).
#define NX_LOG_INFO(...) NX_LOG_WRITE(LogInfo, __VA_ARGS__)
#define NX_LOG_ERROR(...) NX_LOG_WRITE(LogError, __VA_ARGS__)
