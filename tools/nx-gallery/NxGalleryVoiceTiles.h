#pragma once

#include <QString>

// Renders the voice grid with tiles in every look (chosen, hovered, pressed,
// speaking) and a contact sheet of the speaking animation's frames, for the
// current skin, as voice-*-<skinName>.png files in `folder`.
void renderVoiceTiles(const QString& folder, const QString& skinName);
