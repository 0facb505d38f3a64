#include "NxFileLog.h"

#include "NxCheckedFile.h"
#include "NxControlCharacters.h"
#include "NxDataHome.h"

#include <QDateTime>
#include <QMutexLocker>
#include <QTextStream>

#include <cerrno>
#include <utility>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

INxBaseLog* GetGlobalLogInstance()
{
    static NxFileLog log(NxDataHome::filePath(QStringLiteral("NxSpeech.log")));
    return &log;
}

NxFileLog::NxFileLog(const QString& filePath)
    : m_path(filePath)
{
    QString error;
    m_fd = NxCheckedFile::openRegular(filePath, O_WRONLY | O_APPEND | O_CREAT, &error);
    if (m_fd < 0)
        std::fprintf(stderr, "NxSpeechService: %s; the log goes to stderr only.%s\n", qUtf8Printable(error),
                     NxCheckedFile::isSpecialFile(filePath) ? " Remove or rename it." : "");
}

NxFileLog::~NxFileLog()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

void NxFileLog::LogInfo(const char* file, const char* function, int line, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    write(NxLogEntry::Info, file, function, line, format, args);
    va_end(args);
}

void NxFileLog::LogError(const char* file, const char* function, int line, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    write(NxLogEntry::Error, file, function, line, format, args);
    va_end(args);
}

int NxFileLog::addListener(Listener listener)
{
    QMutexLocker lock(&m_mutex);
    m_listeners.insert(m_nextHandle, std::move(listener));
    return m_nextHandle++;
}

void NxFileLog::removeListener(int handle)
{
    QMutexLocker lock(&m_mutex);
    m_listeners.remove(handle);
}

QString NxFileLog::filePath() const
{
    return m_path;
}

void NxFileLog::setMirrorsInfo(bool mirrors)
{
    QMutexLocker lock(&m_mutex);
    m_mirrorsInfo = mirrors;
}

void NxFileLog::write(NxLogEntry::Level level, const char* file, const char* function, int line,
                      const char* format, va_list args)
{
    NxLogEntry entry;
    entry.level = level;
    entry.file = QString::fromLocal8Bit(file ? file : "");
    entry.function = QString::fromLocal8Bit(function ? function : "");
    entry.line = line;
    entry.message = QString::vasprintf(format, args);

    // One line per entry, which no name or server message in it can break or steer on a terminal.
    const QString text = QStringLiteral("%1 %2 %3 %4:%5 %6\n")
                             .arg(QDateTime::currentDateTime().toString(Qt::ISODateWithMs),
                                  level == NxLogEntry::Info ? QStringLiteral("INFO ") : QStringLiteral("ERROR"),
                                  entry.file, entry.function, QString::number(line),
                                  NxControlCharacters::escaped(entry.message));

    QList<Listener> listeners;
    {
        QMutexLocker lock(&m_mutex);
        const QByteArray bytes = text.toUtf8();
        entry.mirrored = level == NxLogEntry::Error || m_mirrorsInfo || m_fd < 0;
        if (entry.mirrored)
            std::fputs(bytes.constData(), stderr);
        // A full disk or a size limit: said once, then stderr alone.
        if (m_fd >= 0 && !NxCheckedFile::appendWhole(m_fd, bytes)) {
            const QString why = qt_error_string(errno);
            std::fprintf(stderr, "NxSpeechService: cannot write the log %s: %s; the log goes to stderr only.\n",
                         qUtf8Printable(m_path), qUtf8Printable(why));
            ::close(m_fd);
            m_fd = -1;
            if (!std::exchange(entry.mirrored, true))
                std::fputs(bytes.constData(), stderr);
        }
        listeners = m_listeners.values();
    }
    // Outside the lock, so that a listener may log in turn.
    for (const Listener& listener : qAsConst(listeners))
        listener(entry);
}
