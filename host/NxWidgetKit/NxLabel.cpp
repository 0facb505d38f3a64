#include "NxLabel.h"

#include "NxSingleton.h"
#include "NxSkinStyle.h"


namespace
{
constexpr int FontPixelSize = 13;
}

NxLabel* NxLabel::CreateLabel(QWidget* parent, const QString& text)
{
    auto* label = new NxLabel(parent);
    label->setText(text);
    return label;
}

NxLabel::NxLabel(QWidget* parent)
    : QLabel(parent)
{
    QFont labelFont = font();
    labelFont.setPixelSize(FontPixelSize);
    setFont(labelFont);
    applySkin();
    connect(NxSingleton<NxSkinStyle>::instance(), &NxSkinStyle::SkinKindChanged, this, &NxLabel::applySkin);
}

void NxLabel::applySkin()
{
    const NxSkinStyle* skin = NxSingleton<NxSkinStyle>::instance();
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, skin->GetColor(NxSkinColor::Text_Icon_Secondary));
    colours.setColor(QPalette::Link, skin->GetColor(NxSkinColor::VarneloX_Primary));
    setPalette(colours);
}
