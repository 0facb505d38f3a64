#include "NxFileLog.h"

#include "NxControlCharacters.h"
#include "NxDataHome.h"

#include <QDateTime>
#include <QMutexLocker>
#include <QTextStream>

#include <cstdio>

INxBaseLog* GetGlobalLogInstance()
{
    static NxFileLog log(NxDataHome::filePath(QStringLiteral("NxSpeech.log")));
    return &log;
}

NxFileLog::NxFileLog(const QString& filePath)
    : m_file(filePath)
{
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        std::fprintf(stderr, "NxFileLog: cannot open %s, logging to stderr only\n",
                     qPrintable(filePath));
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
    return m_file.fileName();
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
        std::fputs(bytes.constData(), stderr);
        if (m_file.isOpen()) {
            m_file.write(bytes);
            m_file.flush();
        }
        listeners = m_listeners.values();
    }
    // Outside the lock, so that a listener may log in turn.
    for (const Listener& listener : qAsConst(listeners))
        listener(entry);
}
