#pragma once

#include <QString>

// The choices a text-to-speech parameter dialog returns: language, voice,
// pitch and speed steps with their display words, and whether the results
// go onto the timeline.
// No Nx prefix: the host declares the record under this name.
struct TextToSpeechTaskParam
{
    bool attachResult = false;
    QString languageCode;  // such as "en-US"; empty when none
    QString languageName;  // English name, untranslated
    int voiceId = -1;      // the voice catalogue's id; -1 when none
    QString voiceCode;     // what the task manager receives
    int intonation = 0;    // pitch step
    int speed = 0;         // speed step
    QString voiceName;
    QString intonationName;
    QString speedName;
};
