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
    // A style sheet rather than the palette: item views re-resolve the
    // palettes of the widgets laid over their viewport.
    const NxSkinStyle* skin = NxSingleton<NxSkinStyle>::instance();
    setStyleSheet(QStringLiteral("QLabel{color:%1;}")
                      .arg(skin->GetColor(NxSkinColor::Text_Icon_Secondary).name(QColor::HexArgb)));
    QPalette colours = palette();
    colours.setColor(QPalette::Link, skin->GetColor(NxSkinColor::VarneloX_Primary));
    setPalette(colours);
}
