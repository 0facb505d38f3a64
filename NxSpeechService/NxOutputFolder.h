#pragma once

#include <QString>

#include <vector>

// The names in an output folder, read once so that naming many new tasks
// lists the folder once. Creating it makes a missing folder.
//
// New files are named "<base>", then "<base>_01", "<base>_02"...: a name is
// numbered one past the largest number already used after "<base>_".
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
        int largest = 0;
        for (const auto* task : tasks) {
            taken = taken || task->fileName == candidate;
            if (task->fileName.startsWith(prefix, Qt::CaseInsensitive))
                largest = qMax(largest, task->fileName.midRef(prefix.size()).toInt());
        }
        if (largest > 0)
            return numbered(base, largest + 1);
        return taken ? numbered(base, 1) : candidate;
    }

    static QString numberPrefix(const QString& base) { return base + QLatin1Char('_'); }
    // "<base>_<n>" with at least two digits.
    static QString numbered(const QString& base, int number);

private:
    bool containsIgnoringCase(const QString& base) const;
    int largestNumberAfter(const QString& prefix, Qt::CaseSensitivity prefixCase) const;

    QString m_path;
    // Complete base names of the entries, sorted, as they are and case-folded:
    // all names with one prefix sit together, found by binary search.
    std::vector<QString> m_names;
    std::vector<QString> m_foldedNames;
};
