#include "NxCheckedFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
QByteArray encoded(const QString& path)
{
    return QFile::encodeName(path);
}

// A temporary name beside `destination`, hidden so that folder listings that
// number new names after existing ones pass over it.
QByteArray temporaryTemplate(const QString& destination)
{
    const QFileInfo info(destination);
    return encoded(info.absolutePath() + QLatin1String("/.") + info.fileName() + QLatin1String(".XXXXXX"));
}

// How many bytes went out before a write failed (errno tells why), or all of them.
qint64 writeAll(int fd, const char* data, qint64 size)
{
    qint64 done = 0;
    while (done < size) {
        const ssize_t step = ::write(fd, data + done, size_t(size - done));
        if (step < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        done += step;
    }
    return done;
}

// A new hidden file beside `destination`, open for writing, with the bits
// any file the user makes gets; -1 and why in `error` when the folder takes none.
int createTemporary(const QString& destination, QString* path, QString* error)
{
    QByteArray name = temporaryTemplate(destination);
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) {
        *error = QStringLiteral("Cannot write in %1: %2").arg(QFileInfo(destination).absolutePath(),
                                                              qt_error_string(errno));
        return -1;
    }
    *path = QFile::decodeName(name);
    // mkostemp makes the file 0600; a result is as readable as any other file the user makes.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    return fd;
}
}

NxCheckedFile::NxCheckedFile(const QString& destination)
    : m_destination(QFileInfo(destination).absoluteFilePath())
{
}

NxCheckedFile::~NxCheckedFile()
{
    discard();
}

bool NxCheckedFile::fail(const QString& what, int error)
{
    m_error = error ? what + QLatin1String(": ") + qt_error_string(error) : what;
    discard();
    return false;
}

void NxCheckedFile::discard()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    if (!m_temporary.isEmpty())
        ::unlink(encoded(m_temporary).constData());
    m_temporary.clear();
}

bool NxCheckedFile::open()
{
    discard();
    m_error.clear();
    m_written = 0;
    m_fd = createTemporary(m_destination, &m_temporary, &m_error);
    return m_fd >= 0;
}

bool NxCheckedFile::write(const char* data, qint64 size)
{
    if (m_fd < 0)
        return false;
    if (writeAll(m_fd, data, size) != size)
        return fail(QStringLiteral("Cannot write %1").arg(m_destination), errno);
    m_written += size;
    return true;
}

bool NxCheckedFile::commit(Commit how, Sync sync)
{
    if (m_fd < 0)
        return false;
    struct stat written {};
    if (sync == Sync::Durable && ::fsync(m_fd) != 0)
        return fail(QStringLiteral("Cannot write %1").arg(m_destination), errno);
    if (::fstat(m_fd, &written) != 0 || written.st_size != m_written)
        return fail(QStringLiteral("Cannot write %1: the file is incomplete").arg(m_destination), 0);
    ::close(m_fd);
    m_fd = -1;

    QString error;
    const bool published = publish(m_temporary, m_destination, how, &error);
    m_temporary.clear();
    if (!published)
        return fail(error, 0);
    return true;
}

QString NxCheckedFile::makeTemporary(const QString& destination, QString* error)
{
    QString path;
    QString why;
    const int fd = createTemporary(QFileInfo(destination).absoluteFilePath(), &path, &why);
    if (fd < 0) {
        if (error)
            *error = why;
        return QString();
    }
    ::close(fd);
    return path;
}

bool NxCheckedFile::publish(const QString& temporary, const QString& destination, Commit how, QString* error)
{
    const QString target = QFileInfo(destination).absoluteFilePath();
    const QByteArray from = encoded(temporary);
    const QByteArray to = encoded(target);
    int failure = 0;
    switch (how) {
    case Commit::Replace:
        // A private configuration stays private; a new one gets the umask's bits.
        if (struct stat replaced {}; ::stat(to.constData(), &replaced) == 0)
            ::chmod(from.constData(), replaced.st_mode & 07777);
        if (::rename(from.constData(), to.constData()) == 0)
            return true;
        failure = errno;
        break;
    case Commit::NewName:
        if (::link(from.constData(), to.constData()) == 0) {
            ::unlink(from.constData());
            return true;
        }
        failure = errno;
        break;
    }
    ::unlink(from.constData());
    if (error) {
        if (how == Commit::NewName && failure == EEXIST)
            *error = QStringLiteral("%1 already exists").arg(target);
        else
            *error = (how == Commit::Replace ? QStringLiteral("Cannot replace %1: %2") : QStringLiteral("Cannot write %1: %2"))
                         .arg(target, qt_error_string(failure));
    }
    return false;
}

bool NxCheckedFile::writeFile(const QString& destination, const QByteArray& bytes, Commit how, QString* error,
                              Sync sync)
{
    NxCheckedFile file(destination);
    const bool ok = file.open() && file.write(bytes) && file.commit(how, sync);
    if (!ok && error)
        *error = file.errorString();
    return ok;
}

bool NxCheckedFile::copyFile(const QString& source, const QString& destination, Commit how, QString* error)
{
    const auto failed = [error](const QString& text) {
        if (error)
            *error = text;
        return false;
    };
    if (isSpecialFile(source))
        return failed(QStringLiteral("%1 is not a regular file").arg(source));
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return failed(QStringLiteral("Cannot read %1: %2").arg(source, in.errorString()));
    NxCheckedFile out(destination);
    if (!out.open())
        return failed(out.errorString());
    QByteArray chunk(1 << 16, Qt::Uninitialized);
    for (;;) {
        const qint64 got = in.read(chunk.data(), chunk.size());
        if (got < 0)
            return failed(QStringLiteral("Cannot read %1: %2").arg(source, in.errorString()));
        if (got == 0)
            break;
        if (!out.write(chunk.constData(), got))
            return failed(out.errorString());
    }
    if (!out.commit(how))
        return failed(out.errorString());
    return true;
}

namespace
{
QByteArray anchorBeside(const QByteArray& path)
{
    const int slash = path.lastIndexOf('/');
    return (slash < 0 ? QByteArray() : path.left(slash + 1)) + ".nx-reservations";
}

bool isEmptyFile(const QByteArray& path, struct stat* entry)
{
    return ::lstat(path.constData(), entry) == 0 && S_ISREG(entry->st_mode) && entry->st_size == 0;
}
}

bool NxCheckedFile::reserve(const QString& path, QString* error)
{
    const QByteArray name = encoded(path);
    const QByteArray anchor = anchorBeside(name);
    // The anchor goes with the folder's last marker; one that went meanwhile is made again.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int made = ::open(anchor.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
        if (made < 0)
            break;
        ::close(made);
        if (::link(anchor.constData(), name.constData()) == 0)
            return true;
        if (errno == EEXIST) {
            if (error)
                error->clear();
            return false;
        }
        if (errno != ENOENT)
            break;
    }
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        if (error)
            *error = errno == EEXIST ? QString() : QStringLiteral("Cannot write %1: %2").arg(path, qt_error_string(errno));
        return false;
    }
    ::close(fd);
    return true;
}

void NxCheckedFile::releaseReservation(const QString& path)
{
    struct stat entry {};
    const QByteArray name = encoded(path);
    if (!isEmptyFile(name, &entry))
        return;
    ::unlink(name.constData());
    const QByteArray anchor = anchorBeside(name);
    if (isEmptyFile(anchor, &entry) && entry.st_nlink == 1)
        ::unlink(anchor.constData());
}

bool NxCheckedFile::isSpecialFile(const QString& path)
{
    struct stat entry {};
    if (::stat(encoded(path).constData(), &entry) != 0)
        return false;
    return !S_ISREG(entry.st_mode) && !S_ISDIR(entry.st_mode);
}

int NxCheckedFile::openRegular(const QString& path, int flags, QString* error)
{
    // O_NONBLOCK: opening a FIFO would otherwise wait for its other end.
    const int fd = ::open(encoded(path).constData(), flags | O_NONBLOCK | O_CLOEXEC, 0666);
    struct stat entry {};
    const int openError = errno;
    if (fd < 0 || ::fstat(fd, &entry) != 0 || !S_ISREG(entry.st_mode)) {
        // A FIFO without a reader refuses a writer with ENXIO: named as what it is.
        const bool special = fd >= 0 || isSpecialFile(path);
        if (fd >= 0)
            ::close(fd);
        if (error)
            *error = special ? QStringLiteral("%1 is not a regular file").arg(path)
                             : QStringLiteral("Cannot open %1: %2").arg(path, qt_error_string(openError));
        errno = special ? EINVAL : openError;
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

bool NxCheckedFile::appendWhole(int fd, const QByteArray& bytes)
{
    const qint64 written = writeAll(fd, bytes.constData(), bytes.size());
    if (written == bytes.size())
        return true;
    const int error = errno;
    struct stat entry {};
    const off_t end = ::lseek(fd, 0, SEEK_CUR);
    if (written > 0 && end >= written && ::fstat(fd, &entry) == 0 && entry.st_size == end)
        (void)::ftruncate(fd, end - written);
    errno = error;
    return false;
}
