#pragma once

#include <QString>

// What the user chose in the speech-to-text parameter dialog.
struct NxSpeechToTextTaskParam
{
    QString language;          // spoken language code, such as "en-US"; empty when none was chosen
    bool isClip = true;        // the selected clip rather than the whole timeline
    bool attachResult = false; // match the subtitles to the timeline
};
