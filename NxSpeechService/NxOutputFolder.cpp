#include "NxOutputFolder.h"

#include "NxDir.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace
{
int largestNumberIn(const std::vector<QString>& sortedNames, const QString& prefix)
{
    int largest = 0;
    for (auto it = std::lower_bound(sortedNames.begin(), sortedNames.end(), prefix);
         it != sortedNames.end() && it->startsWith(prefix); ++it)
        largest = qMax(largest, it->midRef(prefix.size()).toInt());
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
        const QString baseName = QFileInfo(entry).completeBaseName();
        m_names.push_back(baseName);
        m_foldedNames.push_back(baseName.toCaseFolded());
    }
    std::sort(m_names.begin(), m_names.end());
    std::sort(m_foldedNames.begin(), m_foldedNames.end());
}

QString NxOutputFolder::candidateName(const QString& base, const QString& initialName,
                                      Qt::CaseSensitivity prefixCase) const
{
    const int largest = largestNumberAfter(numberPrefix(base), prefixCase);
    if (largest > 0)
        return numbered(base, largest + 1);
    return containsIgnoringCase(base) ? numbered(base, 1) : initialName;
}

QString NxOutputFolder::numbered(const QString& base, int number)
{
    return QStringLiteral("%1_%2").arg(base).arg(number, 2, 10, QLatin1Char('0'));
}

bool NxOutputFolder::containsIgnoringCase(const QString& base) const
{
    return std::binary_search(m_foldedNames.begin(), m_foldedNames.end(), base.toCaseFolded());
}

int NxOutputFolder::largestNumberAfter(const QString& prefix, Qt::CaseSensitivity prefixCase) const
{
    return prefixCase == Qt::CaseSensitive ? largestNumberIn(m_names, prefix)
                                           : largestNumberIn(m_foldedNames, prefix.toCaseFolded());
}
