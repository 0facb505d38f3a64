#pragma once

#include <QByteArray>
#include <QString>

// A file that appears whole or not at all.
//
// The bytes go to a hidden temporary file beside the destination, written
// without a buffer so that a full disk (ENOSPC) or a file-size limit (EFBIG)
// shows at the write that hits it, then synced and measured. Only a complete
// file is published under its name, and how it is published is chosen at
// commit():
//   NewName  - link(2) into place: fails when any entry has the name, a
//              dangling symbolic link included. Nothing is ever replaced.
//   Replace  - rename(2) over the destination, for a file that is rewritten
//              as a whole (a configuration): readers see the old file or the
//              new one, never a part. The new file keeps the old one's
//              permission bits.
// Whatever fails, the temporary file is removed and errorString() says why in
// words a user can act on.
class NxCheckedFile
{
public:
    enum class Commit { NewName, Replace };
    // Whether commit() waits for the bytes to reach the disk (fsync) before
    // publishing: a file the user keeps does; a working file of the engine,
    // which a crash loses with its task anyway, need not wait.
    enum class Sync { Durable, WorkingFile };

    explicit NxCheckedFile(const QString& destination);
    ~NxCheckedFile();
    NxCheckedFile(const NxCheckedFile&) = delete;
    NxCheckedFile& operator=(const NxCheckedFile&) = delete;

    bool open();
    bool write(const char* data, qint64 size);
    bool write(const QByteArray& bytes) { return write(bytes.constData(), bytes.size()); }
    bool commit(Commit how, Sync sync = Sync::Durable);
    QString errorString() const { return m_error; }
    QString destination() const { return m_destination; }

    // Writes `bytes` as `destination` in one call.
    static bool writeFile(const QString& destination, const QByteArray& bytes, Commit how, QString* error,
                          Sync sync = Sync::Durable);
    // Copies `source` to `destination`, checked like any other write.
    static bool copyFile(const QString& source, const QString& destination, Commit how, QString* error);

    // For a file that another library writes by name: an empty hidden
    // temporary file beside `destination`, made exclusively; its path, or
    // empty and why in `error`.
    static QString makeTemporary(const QString& destination, QString* error);
    // Publishes the complete file at `temporary` as `destination` the way
    // commit() does. The temporary file is gone afterwards either way.
    static bool publish(const QString& temporary, const QString& destination, Commit how, QString* error);

    // Makes an empty marker at `path`, exclusively: false when any entry has
    // the name, so a marker made by one process is never made by another.
    // `error` is left empty when the name was merely taken. The marker is a
    // hard link to one empty anchor file of the folder (".nx-reservations"),
    // which makes no new inode: file systems that avoid reusing recently
    // freed inodes make thousands of new files slow. Where links are not
    // supported, the marker is a file of its own.
    static bool reserve(const QString& path, QString* error = nullptr);
    // Removes what reserve() made: only an empty regular file goes, and the
    // anchor with the folder's last marker.
    static void releaseReservation(const QString& path);

    // True when `path` names something other than a regular file or folder:
    // a FIFO, device or socket, which would block a reader or swallow writes.
    // A missing path is not special; a symbolic link is judged by its target.
    static bool isSpecialFile(const QString& path);

    // open(2) of `path` with `flags` that never blocks on a FIFO: -1 and why
    // in `error` when it cannot be opened or is not a regular file. The
    // descriptor is close-on-exec and blocking once open.
    static int openRegular(const QString& path, int flags, QString* error);
    // Appends `bytes` to `fd` (opened with O_APPEND) in one write where it
    // can. False with errno set when a write fails; what was written of
    // them is then taken back when it is still the file's end, so that a
    // full disk leaves no half line behind.
    static bool appendWhole(int fd, const QByteArray& bytes);

private:
    bool fail(const QString& what, int error);
    void discard();

    QString m_destination;
    QString m_temporary;
    int m_fd = -1;
    qint64 m_written = 0;
    QString m_error;
};
