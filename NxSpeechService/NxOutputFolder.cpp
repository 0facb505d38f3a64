#include "NxOutputFolder.h"

#include "NxDir.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace
{
const QString ReservationSuffix = QStringLiteral(".reserved");

// The name an entry takes: its complete base name, or for a reservation the
// name it holds.
QString nameTakenBy(const QString& entry)
{
    if (entry.startsWith(QLatin1Char('.')) && entry.endsWith(ReservationSuffix)
        && entry.size() > 1 + ReservationSuffix.size())
        return entry.mid(1, entry.size() - 1 - ReservationSuffix.size());
    return QFileInfo(entry).completeBaseName();
}

qint64 largestNumberIn(const std::vector<QString>& sortedNames, const QString& prefix)
{
    qint64 largest = 0;
    for (auto it = std::lower_bound(sortedNames.begin(), sortedNames.end(), prefix);
         it != sortedNames.end() && it->startsWith(prefix); ++it)
        largest = qMax(largest, it->midRef(prefix.size()).toLongLong());
    return largest;
}
}

NxOutputFolder::NxOutputFolder(const QString& folderPath)
    : m_path(NxDir::slash(folderPath))
{
    const QDir folder(m_path);
    if (!folder.exists()) {
        NxDir::makeSureDirExist(m_path);
        return;
    }
    const QStringList entries = folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    m_names.reserve(entries.size());
    m_foldedNames.reserve(entries.size());
    for (const QString& entry : entries) {
        const QString baseName = nameTakenBy(entry);
        m_names.push_back(baseName);
        m_foldedNames.push_back(baseName.toCaseFolded());
    }
    std::sort(m_names.begin(), m_names.end());
    std::sort(m_foldedNames.begin(), m_foldedNames.end());
}

QString NxOutputFolder::candidateName(const QString& base, const QString& initialName,
                                      Qt::CaseSensitivity prefixCase) const
{
    const qint64 largest = largestNumberAfter(numberPrefix(base), prefixCase);
    if (largest > 0)
        return numbered(base, quint64(largest) + 1);
    return containsIgnoringCase(base) ? numbered(base, 1) : initialName;
}

QString NxOutputFolder::reservationPath(const QString& name) const
{
    return m_path + QLatin1Char('.') + name + ReservationSuffix;
}

QString NxOutputFolder::numbered(const QString& base, quint64 number)
{
    // Joined, not substituted: a base holding "%1" must stay as it is.
    return numberPrefix(base) + QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

bool NxOutputFolder::contains(const QString& baseName) const
{
    return std::binary_search(m_names.begin(), m_names.end(), baseName);
}

bool NxOutputFolder::containsIgnoringCase(const QString& base) const
{
    return std::binary_search(m_foldedNames.begin(), m_foldedNames.end(), base.toCaseFolded());
}

qint64 NxOutputFolder::largestNumberAfter(const QString& prefix, Qt::CaseSensitivity prefixCase) const
{
    return prefixCase == Qt::CaseSensitive ? largestNumberIn(m_names, prefix)
                                           : largestNumberIn(m_foldedNames, prefix.toCaseFolded());
}
