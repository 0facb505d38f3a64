#pragma once

#include "NxCheckedFile.h"

#include <QSet>
#include <QString>

#include <vector>

// The names in an output folder, read once so that naming many new tasks
// lists the folder once. Creating it makes a missing folder.
//
// Every process of the user names files in the same folders, so a name is
// held on disk from the moment a task takes it: a hidden, empty reservation
// entry (".<name>.reserved") made exclusively, which every process reads as
// taking the name until the task's files are written or the task goes.
//
// New files are named "<base>", then "<base>_01", "<base>_02"...: a name is
// numbered one past the largest number already used after "<base>_".
// Numbers are read as 64-bit values and counted on unsigned, so one past the
// largest can always be written.
class NxOutputFolder
{
public:
    explicit NxOutputFolder(const QString& folderPath);

    // The folder, ending with a separator.
    QString path() const { return m_path; }

    // The name a new file of `base` gets in this folder: `initialName` unless
    // the folder already uses the base (ignoring case) or numbers after it.
    // `prefixCase` decides how "<base>_" is matched against the entries.
    QString candidateName(const QString& base, const QString& initialName,
                          Qt::CaseSensitivity prefixCase) const;

    // The candidate checked against the names of tasks not yet written:
    // numbered past the largest task number after "<base>_", or "<base>_01"
    // when a task has exactly the candidate's name.
    template <typename Tasks>
    static QString againstTasks(const QString& base, const QString& candidate, const Tasks& tasks)
    {
        const QString prefix = numberPrefix(base);
        bool taken = false;
        qint64 largest = 0;
        for (const auto* task : tasks) {
            taken = taken || task->fileName == candidate;
            if (task->fileName.startsWith(prefix, Qt::CaseInsensitive))
                largest = qMax(largest, task->fileName.midRef(prefix.size()).toLongLong());
        }
        if (largest > 0)
            return numbered(base, quint64(largest) + 1);
        return taken ? numbered(base, 1) : candidate;
    }

    // `name` when no entry of the folder has it as its complete base name and
    // `taken(name)` is false; otherwise "<base>_<n>" with the lowest n for
    // which both hold. The numbering rules above read numbers out of names
    // that other programs chose, so their result is checked here before it
    // is used. The loop ends: each number it passes is held by a distinct
    // entry or output.
    template <typename Taken>
    QString freeName(const QString& base, const QString& name, const Taken& taken) const
    {
        if (!contains(name) && !taken(name))
            return name;
        for (quint64 number = 1;; ++number) {
            const QString numberedName = numbered(base, number);
            if (!contains(numberedName) && !taken(numberedName))
                return numberedName;
        }
    }

    // freeName(), held on disk for the caller: the name's reservation is made
    // exclusively, so no task of any process gets it too. A name another
    // process reserved since the folder was read, or whose file `taken` now
    // finds, moves on to the next free one. `*reservation` is the entry made,
    // or empty when the folder takes no entry at all (the task's write will
    // then fail and say why).
    template <typename Taken>
    QString reserveFreeName(const QString& base, const QString& name, const Taken& taken,
                            QString* reservation) const
    {
        QSet<QString> lost;
        const auto unavailable = [&](const QString& candidate) { return lost.contains(candidate) || taken(candidate); };
        for (;;) {
            const QString candidate = freeName(base, name, unavailable);
            const QString path = reservationPath(candidate);
            QString error;
            if (NxCheckedFile::reserve(path, &error)) {
                if (!taken(candidate)) {
                    *reservation = path;
                    return candidate;
                }
                NxCheckedFile::releaseReservation(path);
            } else if (!error.isEmpty()) {
                reservation->clear();
                return candidate;
            }
            lost.insert(candidate);
        }
    }

    // The entry that holds `name` in this folder.
    QString reservationPath(const QString& name) const;

    static QString numberPrefix(const QString& base) { return base + QLatin1Char('_'); }
    // "<base>_<n>" with at least two digits.
    static QString numbered(const QString& base, quint64 number);

private:
    bool contains(const QString& baseName) const;
    bool containsIgnoringCase(const QString& base) const;
    qint64 largestNumberAfter(const QString& prefix, Qt::CaseSensitivity prefixCase) const;

    QString m_path;
    // Complete base names of the entries, sorted, as they are and case-folded:
    // all names with one prefix sit together, found by binary search.
    std::vector<QString> m_names;
    std::vector<QString> m_foldedNames;
};
