#include "NxSkinPalette.h"

#include <array>
#include <cstddef>

namespace {

using C = NxSkinColor;

struct Entry
{
    C::NxColorType type;
    QRgb argb;
};

using Table = std::array<Entry, C::ColorTypeCount>;

// Neutral ink for the dark skin is white, for the light skin a blue-tinted
// near-black; emphasis is carried by opacity so it reads on every surface.
constexpr QRgb white(int alpha) { return qRgba(0xFF, 0xFF, 0xFF, alpha); }
constexpr QRgb ink(int alpha) { return qRgba(0x16, 0x18, 0x1D, alpha); }

constexpr Table kDark = {{
    {C::Varnelo_Background_Surface1, qRgb(0x1E, 0x1F, 0x22)},
    {C::Varnelo_Background_Surface2, qRgb(0x2B, 0x2D, 0x31)},
    {C::Varnelo_Background_Surface3, qRgb(0x38, 0x3A, 0x40)},
    {C::Text_Icon_Primary, white(235)},
    {C::Text_Icon_Secondary, white(168)},
    {C::Text_Icon_Tertiary, white(117)},
    {C::Text_Icon_Quaternary, white(77)},
    {C::Text_Icon_OnAccent, white(240)},
    {C::VarneloX_Primary, qRgb(0x2F, 0xB8, 0xFF)},
    {C::VarneloX_Primary_Hover, qRgb(0x6B, 0xCE, 0xFF)},
    {C::VarneloX_Primary_Pressed, qRgb(0x1B, 0x8F, 0xD0)},
    {C::Alert_Danger, qRgb(0xFF, 0x5C, 0x47)},
    {C::Alert_Danger_Pressed, qRgb(0xD6, 0x44, 0x31)},
    {C::Alert_Warning, qRgb(0xFF, 0xB5, 0x47)},
    {C::Alert_Success, qRgb(0x3D, 0xD6, 0x8C)},
    {C::Component_Control_Stroke, white(36)},
    {C::Component_Divider_Secondary, white(20)},
    {C::State_Hover, white(18)},
    {C::State_Pressed, white(31)},
    {C::State_Disabled, white(71)},
    {C::Avatar_Male, qRgb(0x2F, 0x7F, 0xB8)},
    {C::Avatar_Female, qRgb(0x8E, 0x63, 0xD6)},
}};

constexpr Table kLight = {{
    {C::Varnelo_Background_Surface1, qRgb(0xEC, 0xEE, 0xF1)},
    {C::Varnelo_Background_Surface2, qRgb(0xF7, 0xF8, 0xFA)},
    {C::Varnelo_Background_Surface3, qRgb(0xFF, 0xFF, 0xFF)},
    {C::Text_Icon_Primary, ink(230)},
    {C::Text_Icon_Secondary, ink(163)},
    {C::Text_Icon_Tertiary, ink(117)},
    {C::Text_Icon_Quaternary, ink(77)},
    {C::Text_Icon_OnAccent, white(250)},
    {C::VarneloX_Primary, qRgb(0x0A, 0x8F, 0xD8)},
    {C::VarneloX_Primary_Hover, qRgb(0x2C, 0xA9, 0xEE)},
    {C::VarneloX_Primary_Pressed, qRgb(0x07, 0x6F, 0xAB)},
    {C::Alert_Danger, qRgb(0xE5, 0x48, 0x3A)},
    {C::Alert_Danger_Pressed, qRgb(0xBE, 0x35, 0x28)},
    {C::Alert_Warning, qRgb(0xD9, 0x8E, 0x04)},
    {C::Alert_Success, qRgb(0x1D, 0xA8, 0x66)},
    {C::Component_Control_Stroke, ink(41)},
    {C::Component_Divider_Secondary, ink(20)},
    {C::State_Hover, ink(13)},
    {C::State_Pressed, ink(26)},
    {C::State_Disabled, ink(71)},
    {C::Avatar_Male, qRgb(0x4A, 0x9F, 0xDB)},
    {C::Avatar_Female, qRgb(0xA3, 0x7E, 0xE6)},
}};

// Rows are looked up by position; a row out of place would quietly paint one
// role with another's colour, so the order is checked when compiling.
constexpr bool inEnumOrder(const Table& table)
{
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (static_cast<std::size_t>(table[i].type) != i)
            return false;
    }
    return true;
}
static_assert(inEnumOrder(kDark), "dark skin rows must follow NxColorType order");
static_assert(inEnumOrder(kLight), "light skin rows must follow NxColorType order");

const Table* tableFor(int kind)
{
    switch (kind) {
    case NxSkinPalette::DarkSkin:
        return &kDark;
    case NxSkinPalette::LightSkin:
        return &kLight;
    default:
        return nullptr;
    }
}

} // namespace

bool NxSkinPalette::IsValidSkin(int kind)
{
    return tableFor(kind) != nullptr;
}

QString NxSkinPalette::SkinName(int kind)
{
    switch (kind) {
    case DarkSkin:
        return QStringLiteral("dark");
    case LightSkin:
        return QStringLiteral("light");
    default:
        return QString();
    }
}

QColor NxSkinPalette::Color(int kind, NxSkinColor::NxColorType type)
{
    const Table* table = tableFor(kind);
    if (!table || type < 0 || type >= NxSkinColor::ColorTypeCount)
        return QColor();
    return QColor::fromRgba((*table)[type].argb);
}
