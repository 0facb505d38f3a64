#include "NxIniStore.h"

#include "NxCheckedFile.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QThread>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
// A writer holds the lock while it reads and writes one small file: one that
// held it for seconds has died (when its process is gone QLockFile sees it at
// once) or hangs, and its lock is taken over.
constexpr int StaleLockMs = 10000;
constexpr int LockTimeoutMs = 15000;

QString osError(const QString& what, const QString& path, int error)
{
    return QStringLiteral("%1 %2: %3").arg(what, path, qt_error_string(error));
}
}

NxIniStore::NxIniStore(QString path, QString withoutIt)
    : m_path(std::move(path))
    , m_withoutIt(std::move(withoutIt))
{
}

void NxIniStore::tellSpecialOnce() const
{
    if (!m_toldSpecial.exchange(true))
        std::fprintf(stderr, "NxSpeechService: %s is not a regular file (a FIFO, device or socket); %s Remove or rename it.\n",
                     qUtf8Printable(m_path), qUtf8Printable(m_withoutIt));
}

bool NxIniStore::readBytes(QByteArray& bytes, QString* error) const
{
    bytes.clear();
    QString why;
    const int fd = NxCheckedFile::openRegular(m_path, O_RDONLY, &why);
    if (fd < 0) {
        if (!QFileInfo::exists(m_path))
            return true;
        if (NxCheckedFile::isSpecialFile(m_path))
            tellSpecialOnce();
        if (error)
            *error = why;
        return false;
    }
    QFile file;
    const bool ok = file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    bytes = file.readAll();
    if (!ok || file.error() != QFileDevice::NoError) {
        if (error)
            *error = QStringLiteral("Cannot read %1: %2").arg(m_path, file.errorString());
        return false;
    }
    return true;
}

NxIniDocument NxIniStore::read() const
{
    QByteArray bytes;
    if (!readBytes(bytes, nullptr))
        return NxIniDocument();
    std::lock_guard<std::mutex> lock(m_lastMutex);
    if (bytes != m_lastBytes) {
        m_lastDocument = NxIniDocument::parse(bytes);
        m_lastBytes = bytes;
    }
    return m_lastDocument;
}

bool NxIniStore::writable(QString* error) const
{
    struct stat entry {};
    const QByteArray name = QFile::encodeName(m_path);
    if (::stat(name.constData(), &entry) == 0) {
        if (!S_ISREG(entry.st_mode)) {
            tellSpecialOnce();
            *error = QStringLiteral("%1 is not a regular file").arg(m_path);
            return false;
        }
        // Root may write anything: the missing write bits still say "keep".
        if ((entry.st_mode & 0222) == 0 || ::access(name.constData(), W_OK) != 0) {
            *error = osError(QStringLiteral("Cannot write"), m_path, EACCES);
            return false;
        }
    }
    const QString folder = QFileInfo(m_path).absolutePath();
    if (::access(QFile::encodeName(folder).constData(), W_OK | X_OK) != 0) {
        *error = osError(QStringLiteral("Cannot write in"), folder, errno);
        return false;
    }
    return true;
}

bool NxIniStore::canWrite(QString* error) const
{
    QString why;
    const bool ok = writable(&why);
    if (!ok && error)
        *error = why;
    return ok;
}

bool NxIniStore::update(const Change& change, QString* error)
{
    QString why;
    const auto failed = [&] {
        if (error)
            *error = why;
        return false;
    };
    std::lock_guard<std::mutex> threads(m_updateMutex);
    if (!writable(&why))
        return failed();
    QLockFile lock(m_path + QStringLiteral(".update-lock"));
    lock.setStaleLockTime(StaleLockMs);
    // tryLock(timeout) sleeps from 100 ms up to 5 s between attempts; the
    // lock is held for milliseconds, so it is asked for more often.
    const QDeadlineTimer deadline(LockTimeoutMs);
    for (int attempt = 0; !lock.tryLock(0); ++attempt) {
        // QLockFile keeps no cause of its own; the failed call's errno is it (a full disk).
        const int cause = errno;
        if (lock.error() != QLockFile::LockFailedError || deadline.hasExpired()) {
            why = lock.error() == QLockFile::LockFailedError
                ? QStringLiteral("Cannot write %1: another process keeps it locked").arg(m_path)
                : QStringLiteral("Cannot write %1: its lock file cannot be made (%2)").arg(m_path, qt_error_string(cause));
            return failed();
        }
        QThread::msleep(1 + attempt % 5);
    }
    QByteArray bytes;
    if (!readBytes(bytes, &why))
        return failed();
    NxIniDocument document = NxIniDocument::parse(bytes);
    change(document, &why);
    if (!why.isEmpty())
        return failed();
    if (!document.changed())
        return true;
    const QByteArray written = document.serialize();
    if (!NxCheckedFile::writeFile(m_path, written, NxCheckedFile::Commit::Replace, &why))
        return failed();
    return true;
}
