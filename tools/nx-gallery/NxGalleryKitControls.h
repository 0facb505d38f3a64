#pragma once

#include <QString>

// Renders the widget kit's form controls in every state they can show, for
// the current skin, as kit-*-<skinName>.png files in `folder`.
void renderKitControls(const QString& folder, const QString& skinName);
