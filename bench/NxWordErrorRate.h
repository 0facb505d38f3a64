#pragma once

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <numeric>
#include <vector>

// The words of a text as a recogniser's output is compared: lower case,
// punctuation gone, apostrophes kept inside words ("didn't"), a
// pronunciation number ("the(2)") dropped, hyphens and dashes between words
// as spaces.
inline QStringList nxNormalisedWords(const QString& text)
{
    static const QRegularExpression pronunciation(QStringLiteral("\\(\\d+\\)"));
    static const QRegularExpression separator(QStringLiteral("[^\\w']+"),
                                              QRegularExpression::UseUnicodePropertiesOption);
    QString plain = text.toLower();
    plain.replace(QChar(0x2019), QLatin1Char('\'')).remove(pronunciation);
    QStringList words;
    for (QString word : plain.split(separator, Qt::SkipEmptyParts)) {
        while (word.startsWith(QLatin1Char('\'')))
            word.remove(0, 1);
        while (word.endsWith(QLatin1Char('\'')))
            word.chop(1);
        if (!word.isEmpty())
            words += word;
    }
    return words;
}

// Word error rate: the fewest word substitutions, deletions and insertions
// that turn the reference into the hypothesis, over the reference's length.
// Both are compared as given; normalise them first.
inline double nxWordErrorRate(const QStringList& reference, const QStringList& hypothesis)
{
    if (reference.isEmpty())
        return hypothesis.isEmpty() ? 0.0 : 1.0;
    std::vector<int> row(size_t(hypothesis.size()) + 1);
    std::iota(row.begin(), row.end(), 0);
    for (int i = 1; i <= reference.size(); ++i) {
        int diagonal = row[0];
        row[0] = i;
        for (int j = 1; j <= hypothesis.size(); ++j) {
            const int substitution = diagonal + (reference[i - 1] != hypothesis[j - 1]);
            diagonal = row[size_t(j)];
            row[size_t(j)] = std::min({row[size_t(j)] + 1, row[size_t(j) - 1] + 1, substitution});
        }
    }
    return double(row.back()) / double(reference.size());
}

// The reference word each hypothesis word stands for after the fewest edits:
// its match or substitute, or for an inserted word the reference word before
// it (-1 at the start).
inline std::vector<int> nxAlignedWords(const QStringList& reference, const QStringList& hypothesis)
{
    const size_t rows = size_t(reference.size()) + 1;
    const size_t columns = size_t(hypothesis.size()) + 1;
    std::vector<int> cost(rows * columns);
    const auto at = [&](size_t i, size_t j) -> int& { return cost[i * columns + j]; };
    for (size_t i = 0; i < rows; ++i)
        at(i, 0) = int(i);
    for (size_t j = 0; j < columns; ++j)
        at(0, j) = int(j);
    for (size_t i = 1; i < rows; ++i) {
        for (size_t j = 1; j < columns; ++j) {
            const int substitution = at(i - 1, j - 1) + (reference[int(i) - 1] != hypothesis[int(j) - 1]);
            at(i, j) = std::min({at(i - 1, j) + 1, at(i, j - 1) + 1, substitution});
        }
    }
    std::vector<int> aligned(columns - 1, -1);
    for (size_t i = rows - 1, j = columns - 1; j > 0;) {
        if (i > 0 && at(i, j) == at(i - 1, j - 1) + (reference[int(i) - 1] != hypothesis[int(j) - 1])) {
            aligned[--j] = int(--i);
        } else if (i > 0 && at(i, j) == at(i - 1, j) + 1) {
            --i;
        } else {
            aligned[--j] = int(i) - 1;
        }
    }
    return aligned;
}
