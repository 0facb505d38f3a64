#include "NxStudioAppearance.h"

#include "NxAppSettings.h"
#include "NxConfig.h"
#include "NxSingleton.h"
#include "NxSkinPalette.h"
#include "NxSkinStyle.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>

namespace
{
using C = NxSkinColor;

const QString Section = QStringLiteral("Studio");
const QString SkinKey = QStringLiteral("Skin");

NGeneralSettings* general()
{
    return NxAppSettings::GetInstance()->GetSettings()->GetGeneralSetting();
}

QColor role(C::NxColorType type)
{
    return NxSingleton<NxSkinStyle>::instance()->GetColor(type);
}

// The skin's inks are translucent; standard widgets want them laid on their surface.
QColor over(C::NxColorType ink, C::NxColorType surface)
{
    const QColor top = role(ink);
    const QColor bottom = role(surface);
    const qreal a = top.alphaF();
    return QColor::fromRgbF(top.redF() * a + bottom.redF() * (1 - a), top.greenF() * a + bottom.greenF() * (1 - a),
                            top.blueF() * a + bottom.blueF() * (1 - a));
}
}

namespace NxStudioAppearance
{
QVector<Language> languages()
{
    return {
        {1, QStringLiteral("English (US)")},
        {19, QStringLiteral("English (UK)")},
        {2, QStringLiteral("Deutsch")},
        {3, QStringLiteral("Español")},
        {4, QStringLiteral("Français")},
        {5, QStringLiteral("Italiano")},
        {6, QStringLiteral("Português (Brasil)")},
        {7, QStringLiteral("日本語")},
        {8, QStringLiteral("廣東話")},
        {10, QStringLiteral("Русский")},
        {11, QStringLiteral("Nederlands")},
        {12, QStringLiteral("العربية")},
        {13, QStringLiteral("한국어")},
        {14, QStringLiteral("Polski")},
        {15, QStringLiteral("Română")},
        {16, QStringLiteral("Bahasa Indonesia")},
        {17, QStringLiteral("Svenska")},
    };
}

int language()
{
    return general()->GetLanguage();
}

void setLanguage(int number)
{
    general()->SetLanguage(number);
}

int skin()
{
    bool ok = false;
    const int kind = NxConfig::Instance().GetAppValue(Section, SkinKey, false, NxSkinPalette::DarkSkin).toInt(&ok);
    return ok && NxSkinPalette::IsValidSkin(kind) ? kind : int(NxSkinPalette::DarkSkin);
}

void setSkin(int kind)
{
    if (!NxSkinPalette::IsValidSkin(kind))
        return;
    NxConfig::Instance().SetAppValue(Section, SkinKey, kind, false);
    NxSingleton<NxSkinStyle>::instance()->SetSkinKind(kind);
    applyPalette();
}

void restore()
{
    // One style in both skins, whatever the desktop's, so the palette decides the look.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    NxSingleton<NxSkinStyle>::instance()->SetSkinKind(skin());
    applyPalette();
}

void applyPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, role(C::Varnelo_Background_Surface1));
    palette.setColor(QPalette::Base, role(C::Varnelo_Background_Surface2));
    palette.setColor(QPalette::AlternateBase, role(C::Varnelo_Background_Surface3));
    palette.setColor(QPalette::Button, role(C::Varnelo_Background_Surface3));
    palette.setColor(QPalette::ToolTipBase, role(C::Varnelo_Background_Surface3));
    palette.setColor(QPalette::WindowText, over(C::Text_Icon_Primary, C::Varnelo_Background_Surface1));
    palette.setColor(QPalette::Text, over(C::Text_Icon_Primary, C::Varnelo_Background_Surface2));
    palette.setColor(QPalette::ButtonText, over(C::Text_Icon_Primary, C::Varnelo_Background_Surface3));
    palette.setColor(QPalette::ToolTipText, over(C::Text_Icon_Primary, C::Varnelo_Background_Surface3));
    palette.setColor(QPalette::PlaceholderText, over(C::Text_Icon_Tertiary, C::Varnelo_Background_Surface2));
    palette.setColor(QPalette::BrightText, role(C::Alert_Danger));
    palette.setColor(QPalette::Highlight, role(C::VarneloX_Primary));
    palette.setColor(QPalette::HighlightedText, role(C::Text_Icon_OnAccent));
    palette.setColor(QPalette::Link, role(C::VarneloX_Primary));
    palette.setColor(QPalette::Light, role(C::Varnelo_Background_Surface3));
    palette.setColor(QPalette::Midlight, role(C::Varnelo_Background_Surface3));
    palette.setColor(QPalette::Mid, over(C::Component_Control_Stroke, C::Varnelo_Background_Surface1));
    palette.setColor(QPalette::Dark, over(C::Component_Control_Stroke, C::Varnelo_Background_Surface1));
    palette.setColor(QPalette::Shadow, role(C::Varnelo_Background_Surface1));
    for (QPalette::ColorRole text : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, text, over(C::Text_Icon_Quaternary, C::Varnelo_Background_Surface1));
    QApplication::setPalette(palette);
}
}
