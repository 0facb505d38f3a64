#pragma once

#include <QObject>
#include <QString>

// The colour roles widgets ask the current skin for. A role names what a
// colour is for, never the colour itself, so one widget paints right in
// every skin.
class NxSkinColor
{
    Q_GADGET

public:
    enum NxColorType
    {
        // Window, panel and raised-control backgrounds, darkest to lightest
        // in the dark skin (NxWidget::SetBGColorType takes these).
        Varnelo_Background_Surface1,
        Varnelo_Background_Surface2,
        Varnelo_Background_Surface3,

        // Text and monochrome icons, from most to least emphasis.
        Text_Icon_Primary,
        Text_Icon_Secondary,
        Text_Icon_Tertiary,
        Text_Icon_Quaternary,
        // Text and glyphs laid on the accent or on a picture's backdrop.
        Text_Icon_OnAccent,

        // The brand accent and its interaction shades.
        VarneloX_Primary,
        VarneloX_Primary_Hover,
        VarneloX_Primary_Pressed,

        Alert_Danger,
        Alert_Danger_Pressed,
        Alert_Warning,
        Alert_Success,

        Component_Control_Stroke,
        Component_Divider_Secondary,

        // Translucent overlays laid over a surface for interaction states.
        State_Hover,
        State_Pressed,
        State_Disabled,

        // Backdrops of the stock user pictures.
        Avatar_Male,
        Avatar_Female,

        ColorTypeCount
    };
    Q_ENUM(NxColorType)

    // The role's name as written in code, e.g. "Text_Icon_Primary"; empty
    // for a value outside the enum.
    static QString Name(NxColorType type);
    // The role with that name; ColorTypeCount when there is none.
    static NxColorType FromName(const QString& name);
};
