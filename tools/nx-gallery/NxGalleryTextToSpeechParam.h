#pragma once

#include <QString>

// The voice-list text-to-speech parameter dialog as opened with a grid of
// voices, during a preview and for a language without voices.
void renderTextToSpeechParam(const QString& folder, const QString& skin);
