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
