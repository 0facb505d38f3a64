#pragma once

#include "NxIniDocument.h"

#include <QString>

#include <atomic>
#include <functional>
#include <mutex>

// An INI file that every process of the user reads and changes at once.
//
// Every read parses the file as it is now (it is small; a copy of the last
// bytes read spares the parsing when nothing changed), so a change made by
// another process shows at once. Every change is a read-modify-write under
// a lock file beside it, "<name>.update-lock" (QSettings keeps "<name>.lock"
// for itself), that also orders this process's threads; the new contents
// replace the file whole through NxCheckedFile, or the file stays as it was.
//
// A FIFO, device or socket under the file's name would block or swallow
// what is read or written: the store then never opens it, reads as empty,
// refuses changes and says so once on stderr. A file without any write
// permission bit is the user's "do not change": changes are refused.
class NxIniStore
{
public:
    // `withoutIt` ends the stderr notice about a special file: what the
    // process does without the store.
    NxIniStore(QString path, QString withoutIt);

    QString path() const { return m_path; }
    NxIniDocument read() const;

    // Lets `change` edit the file's current contents under the lock and
    // writes them when they changed. False with `error` when `change` set
    // an error (nothing is written) or the file could not be read or written.
    using Change = std::function<void(NxIniDocument& document, QString* error)>;
    bool update(const Change& change, QString* error);

    // Whether a change could be written now, and why not.
    bool canWrite(QString* error) const;

private:
    // The file's current bytes; false with `error` when it exists and cannot be read.
    bool readBytes(QByteArray& bytes, QString* error) const;
    bool writable(QString* error) const;
    void tellSpecialOnce() const;

    const QString m_path;
    const QString m_withoutIt;
    // std::mutex, which ThreadSanitizer follows. Updates queue on their own
    // lock, so that reading never waits for another process's writing.
    std::mutex m_updateMutex;
    mutable std::mutex m_lastMutex;
    mutable QByteArray m_lastBytes;
    mutable NxIniDocument m_lastDocument;
    mutable std::atomic<bool> m_toldSpecial{false};
};
