#include "NxStudioAppearance.h"

#include "NxAppSettings.h"
#include "NxConfig.h"
#include "NxSingleton.h"
#include "NxSkinPalette.h"
#include "NxSkinStyle.h"
#include "NxTranslations.h"

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
namespace
{
// A number the store holds but no translation serves (an older editor's) reads as English.
void useLanguage(int number)
{
    for (const Language& known : languages())
        if (known.number == number && NxTranslations::use(known.code))
            return;
    NxTranslations::use(QStringLiteral("en_US"));
}
}

QVector<Language> languages()
{
    return {
        {1, QStringLiteral("en_US"), QStringLiteral("English (US)")},
        {19, QStringLiteral("en_GB"), QStringLiteral("English (UK)")},
        {2, QStringLiteral("de"), QStringLiteral("Deutsch")},
        {3, QStringLiteral("es"), QStringLiteral("Español")},
        {4, QStringLiteral("fr"), QStringLiteral("Français")},
        {5, QStringLiteral("it"), QStringLiteral("Italiano")},
        {6, QStringLiteral("pt_BR"), QStringLiteral("Português (Brasil)")},
        {7, QStringLiteral("ja"), QStringLiteral("日本語")},
        {8, QStringLiteral("zh_HK"), QStringLiteral("廣東話")},
        {10, QStringLiteral("ru"), QStringLiteral("Русский")},
        {11, QStringLiteral("nl"), QStringLiteral("Nederlands")},
        {12, QStringLiteral("ar"), QStringLiteral("العربية")},
        {13, QStringLiteral("ko"), QStringLiteral("한국어")},
        {14, QStringLiteral("pl"), QStringLiteral("Polski")},
        {15, QStringLiteral("ro"), QStringLiteral("Română")},
        {16, QStringLiteral("id"), QStringLiteral("Bahasa Indonesia")},
        {17, QStringLiteral("sv"), QStringLiteral("Svenska")},
    };
}

int language()
{
    return general()->GetLanguage();
}

void setLanguage(int number)
{
    general()->SetLanguage(number);
    useLanguage(number);
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
    useLanguage(language());
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
