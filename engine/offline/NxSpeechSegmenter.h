#pragma once

#include <cstdint>
#include <utility>
#include <vector>

// A stretch of a track worth recognising, in samples [begin, end).
struct NxSpeechSegment
{
    int64_t begin = 0;
    int64_t end = 0;
};

// Finds the speech in a 16 kHz mono track by its loudness, so the recogniser
// sees whole phrases with a little silence around them and never long quiet
// stretches. The recogniser's own silence removal is off: it shifts the word
// times it reports, while these segments keep their place on the track.
class NxSpeechSegmenter
{
public:
    struct Settings
    {
        int sampleRate = 16000;
        double frameSeconds = 0.01;
        double bridgedPause = 0.3;  // shorter quiet stays inside a segment
        double shortestSound = 0.1; // shorter sounds are clicks, not speech
        double padding = 0.25;      // silence kept either side of a segment
        double longestSegment = 15; // longer speech is cut at its quietest point
    };

    NxSpeechSegmenter();
    explicit NxSpeechSegmenter(const Settings& settings);

    std::vector<NxSpeechSegment> segment(const int16_t* samples, int64_t count) const;

private:
    std::vector<double> frameLevels(const int16_t* samples, int64_t count) const;
    double speechThreshold(std::vector<double> levels) const;
    void splitLong(std::vector<std::pair<int64_t, int64_t>>& runs, const std::vector<double>& levels) const;

    Settings m_settings;
};
