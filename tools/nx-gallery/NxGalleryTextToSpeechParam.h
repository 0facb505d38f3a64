#pragma once

#include <QString>

// The voice-list text-to-speech parameter dialog as opened with a grid of
// voices, during a preview, for a language without voices, and in a long
// translation that breaks the check box's text.
void renderTextToSpeechParam(const QString& folder, const QString& skin);
