#pragma once

#include <QString>

// The speech-to-text parameter dialog as opened and with the timeline choice
// disabled.
void renderSpeechToTextParam(const QString& folder, const QString& skin);
