#pragma once

#include "NxRecognizedWord.h"

#include <QString>

#include <vector>

// Makes sentences of the recogniser's bare lower-case words: a sentence ends
// where the speaker pauses and the language model expects an end more than
// the words that follow; each sentence starts with a capital and ends with a
// full stop, and "I" (with "I'm", "I'll"...) is written as such.
class NxSentenceMarker
{
public:
    // The weights of the evidence for an end between two words. Tuned on
    // fables read by the kal diphone voice and two espeak-ng voices: without
    // a word from the language model a fifth of a second of silence ends a
    // sentence, and its log odds move that by 30 ms a unit.
    struct Weights
    {
        double pause = 10.0; // per second of silence, up to a second
        double model = 0.3;  // per unit of the language model's log odds
        double bias = -2.0;
        int shortest = 4;    // words in a sentence before an end may come
    };

    NxSentenceMarker() = default;
    explicit NxSentenceMarker(const Weights& weights);

    // True when the language model is installed; without it, ends come from
    // pauses alone.
    static bool modelInstalled();

    // Rewrites the words of one track in place.
    void mark(std::vector<NxRecognizedWord>& words) const;

    // The language model's log odds of a sentence end between `previous` and
    // `before` (the last words heard, `previous` empty at a sentence start)
    // and `next`, `after` (the words that follow, `after` may be empty).
    static double endOdds(const QString& previous, const QString& before, const QString& next, const QString& after);

private:
    Weights m_weights;
};
