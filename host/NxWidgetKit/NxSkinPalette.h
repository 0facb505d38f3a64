#pragma once

#include "NxSkinColor.h"

#include <QColor>
#include <QString>

// Every skin's colours, one table per skin. Both the widget kit and the
// build-time icon baker read them, so icons always match the widgets.
class NxSkinPalette
{
public:
    enum SkinKind
    {
        DarkSkin = 0,
        LightSkin = 1,
        SkinKindCount
    };

    static bool IsValidSkin(int kind);
    // Folder-safe name of the skin ("dark", "light"); empty when unknown.
    static QString SkinName(int kind);
    // Invalid QColor for an unknown skin or role.
    static QColor Color(int kind, NxSkinColor::NxColorType type);
};
