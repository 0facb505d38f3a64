#pragma once

#include <QString>

// The classic text-to-speech parameter dialog as opened, with a choice made,
// and in a German translation whose longer words widen their controls.
void renderTextToSpeechClassic(const QString& folder, const QString& skin);
