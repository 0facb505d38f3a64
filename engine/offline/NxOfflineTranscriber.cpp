#include "NxOfflineTranscriber.h"

#include "NxAudioDecoder.h"
#include "NxSentenceMarker.h"
#include "NxSpeechSegmenter.h"

namespace
{
constexpr int Rate = NxAudioDecoder::SampleRate;
static_assert(Rate == NxSpeechRecognizer::SampleRate, "the track is decoded at the recogniser's rate");
} // namespace

NxOfflineTranscriber::NxOfflineTranscriber(int recognizers)
    : m_recognizers(recognizers)
{
}

NxTranscriber::Status NxOfflineTranscriber::transcribe(const std::vector<int16_t>& track,
                                                       const std::atomic<bool>& stop,
                                                       std::vector<NxRecognizedWord>& words, QString& errorText,
                                                       const Progress& progress)
{
    const std::vector<NxSpeechSegment> utterances = NxSpeechSegmenter().segment(track.data(), int64_t(track.size()));
    int64_t total = 0;
    for (const NxSpeechSegment& utterance : utterances)
        total += utterance.end - utterance.begin;
    const NxRecognizerPool::Status status =
        m_recognizers.recognize(track.data(), utterances, stop, words, errorText, [&](const std::vector<int64_t>& fed) {
            int64_t heard = 0;
            for (int64_t samples : fed)
                heard += samples;
            size_t open = 0;
            while (open < fed.size() && fed[open] >= utterances[open].end - utterances[open].begin)
                ++open;
            const int64_t reached =
                open < fed.size() ? utterances[open].begin + fed[open] : utterances.back().end;
            if (progress)
                progress(double(heard) / double(total), double(reached) / Rate);
        });
    switch (status) {
    case NxRecognizerPool::Status::Ok:
        NxSentenceMarker().mark(words);
        return Status::Ok;
    case NxRecognizerPool::Status::Stopped:
        return Status::Stopped;
    default:
        return Status::Failed;
    }
}
