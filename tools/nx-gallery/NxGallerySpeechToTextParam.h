#pragma once

#include <QString>

// The speech-to-text parameter dialog as opened, with the timeline choice
// disabled, and in a long translation that breaks the check box's text.
void renderSpeechToTextParam(const QString& folder, const QString& skin);
