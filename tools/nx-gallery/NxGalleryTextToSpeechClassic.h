#pragma once

#include <QString>

// The classic text-to-speech parameter dialog as opened and with a choice made.
void renderTextToSpeechClassic(const QString& folder, const QString& skin);
