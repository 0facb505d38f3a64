#pragma once

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <vector>

// Words as a recogniser writes them: lower case, no punctuation, an
// apostrophe kept inside a word ("o'clock") and a pronunciation number
// ("the(2)") dropped; hyphens and dashes part words.
inline QStringList nxNormalisedWords(const QString& text)
{
    static const QRegularExpression pronunciation(QStringLiteral("\\(\\d+\\)"));
    static const QRegularExpression separators(QStringLiteral("[^\\w']+"),
                                               QRegularExpression::UseUnicodePropertiesOption);
    QString plain = text.toLower();
    plain.replace(QChar(0x2019), QLatin1Char('\'')).remove(pronunciation);
    QStringList words;
    for (QString word : plain.split(separators, Qt::SkipEmptyParts)) {
        while (word.startsWith(QLatin1Char('\'')))
            word.remove(0, 1);
        while (word.endsWith(QLatin1Char('\'')))
            word.chop(1);
        if (!word.isEmpty())
            words.append(word);
    }
    return words;
}

// Substitutions, deletions and insertions that turn `reference` into
// `hypothesis` (word-level Levenshtein distance), per reference word.
inline double nxWordErrorRate(const QStringList& reference, const QStringList& hypothesis)
{
    std::vector<int> row(size_t(hypothesis.size()) + 1);
    for (size_t j = 0; j < row.size(); ++j)
        row[j] = int(j);
    for (int i = 1; i <= reference.size(); ++i) {
        int diagonal = row[0];
        row[0] = i;
        for (int j = 1; j <= hypothesis.size(); ++j) {
            const int substitution = diagonal + (reference[i - 1] != hypothesis[j - 1]);
            diagonal = row[size_t(j)];
            row[size_t(j)] = std::min({row[size_t(j)] + 1, row[size_t(j) - 1] + 1, substitution});
        }
    }
    return double(row.back()) / std::max(1, int(reference.size()));
}
