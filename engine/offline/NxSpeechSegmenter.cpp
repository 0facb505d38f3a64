#include "NxSpeechSegmenter.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace
{
// Frames quieter than this (about -60 dBFS) are silence whatever the recording.
constexpr double AbsoluteFloor = 30.0;
// Speech sits at least this far above the recording's noise floor.
constexpr double MinimumMargin = 8.0;

double percentile(std::vector<double>& values, double fraction)
{
    const size_t index = std::min(values.size() - 1, size_t(fraction * double(values.size())));
    std::nth_element(values.begin(), values.begin() + std::ptrdiff_t(index), values.end());
    return values[index];
}
} // namespace

NxSpeechSegmenter::NxSpeechSegmenter()
    : NxSpeechSegmenter(Settings())
{
}

NxSpeechSegmenter::NxSpeechSegmenter(const Settings& settings)
    : m_settings(settings)
{
}

std::vector<double> NxSpeechSegmenter::frameLevels(const int16_t* samples, int64_t count) const
{
    const int64_t frame = std::max<int64_t>(1, std::llround(m_settings.frameSeconds * m_settings.sampleRate));
    std::vector<double> levels;
    levels.reserve(size_t(count / frame + 1));
    for (int64_t begin = 0; begin < count; begin += frame) {
        const int64_t end = std::min(count, begin + frame);
        double energy = 0.0;
        for (int64_t i = begin; i < end; ++i)
            energy += double(samples[i]) * samples[i];
        levels.push_back(10.0 * std::log10(energy / double(end - begin) + 1.0));
    }
    return levels;
}

double NxSpeechSegmenter::speechThreshold(std::vector<double> levels) const
{
    const double floor = percentile(levels, 0.1);
    const double loud = percentile(levels, 0.95);
    // Without quiet parts to tell apart (steady noise, speech over music)
    // everything audible goes to the recogniser.
    if (loud - floor < 1.5 * MinimumMargin)
        return AbsoluteFloor;
    // A quarter of the way from the floor to the loud parts keeps weak
    // consonants while dropping breath and room noise.
    return std::max({AbsoluteFloor, floor + MinimumMargin, floor + 0.25 * (loud - floor)});
}

void NxSpeechSegmenter::splitLong(std::vector<std::pair<int64_t, int64_t>>& runs,
                                  const std::vector<double>& levels) const
{
    const int64_t longest = std::max<int64_t>(2, std::llround(m_settings.longestSegment / m_settings.frameSeconds));
    const int64_t window = std::max<int64_t>(1, std::llround(0.1 / m_settings.frameSeconds));
    std::vector<std::pair<int64_t, int64_t>> result;
    for (auto [begin, end] : runs) {
        while (end - begin > longest) {
            // The quietest tenth of a second in the run's second half: a
            // breath between words more often than not.
            int64_t cut = begin + longest;
            double quietest = 1e300;
            for (int64_t at = begin + longest / 2; at + window <= begin + longest; ++at) {
                double sum = 0.0;
                for (int64_t i = at; i < at + window; ++i)
                    sum += levels[size_t(i)];
                if (sum < quietest) {
                    quietest = sum;
                    cut = at + window / 2;
                }
            }
            result.emplace_back(begin, cut);
            begin = cut;
        }
        result.emplace_back(begin, end);
    }
    runs = std::move(result);
}

std::vector<NxSpeechSegment> NxSpeechSegmenter::segment(const int16_t* samples, int64_t count) const
{
    if (!samples || count <= 0)
        return {};
    const std::vector<double> levels = frameLevels(samples, count);
    const double threshold = speechThreshold(levels);
    const double frameSeconds = m_settings.frameSeconds;
    const int64_t frames = int64_t(levels.size());

    // Runs of loud frames, joined across short pauses.
    std::vector<std::pair<int64_t, int64_t>> runs;
    const int64_t bridged = std::llround(m_settings.bridgedPause / frameSeconds);
    for (int64_t i = 0; i < frames; ++i) {
        if (levels[size_t(i)] <= threshold)
            continue;
        int64_t end = i + 1;
        while (end < frames && levels[size_t(end)] > threshold)
            ++end;
        if (!runs.empty() && i - runs.back().second <= bridged)
            runs.back().second = end;
        else
            runs.emplace_back(i, end);
        i = end;
    }
    const int64_t shortest = std::llround(m_settings.shortestSound / frameSeconds);
    runs.erase(std::remove_if(runs.begin(), runs.end(),
                              [shortest](const auto& run) { return run.second - run.first < shortest; }),
               runs.end());
    splitLong(runs, levels);

    // Padding, never into the neighbours' padding: a shared pause is split.
    const int64_t frame = std::llround(frameSeconds * m_settings.sampleRate);
    const int64_t padding = std::llround(m_settings.padding * m_settings.sampleRate);
    std::vector<NxSpeechSegment> segments;
    for (size_t i = 0; i < runs.size(); ++i) {
        int64_t begin = runs[i].first * frame - padding;
        int64_t end = std::min(count, runs[i].second * frame) + padding;
        const int64_t lowest = i == 0 ? 0 : (runs[i - 1].second + runs[i].first) * frame / 2;
        const int64_t highest = i + 1 == runs.size() ? count : (runs[i].second + runs[i + 1].first) * frame / 2;
        segments.push_back({std::max(begin, lowest), std::min(end, highest)});
    }
    return segments;
}
