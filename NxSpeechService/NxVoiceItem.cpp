#include "NxVoiceItem.h"

#include "NxControlPainter.h"
#include "NxSingleton.h"
#include "NxSkinStyle.h"
#include "NxVoiceAccessible.h"
#include "StringOperation.h"

#include <QPainter>
#include <QStyle>

namespace
{
// A tile, 136 x 40:
//   +----------------------------------------+
//   |  [avatar]  Name of the voice  [speaker] |
//   +----------------------------------------+
// the avatar at (8, 8), the name from x 40, the speaker 32 px left of the
// right edge; both pictures 24 x 24.
constexpr QSize TileSize(136, 40);
constexpr qreal CornerRadius = 4;
constexpr QRect AvatarRect(8, 8, 24, 24);
constexpr int NameLeft = 40;
constexpr int IconFromRight = 32;
constexpr int IconTop = 8;
constexpr QSize IconSize(24, 24);
constexpr int NamePixelSize = 12;
constexpr int NameGap = 4; // between a long name's ellipsis and the speaker

const QString MaleAvatar = QStringLiteral(":/Resource/male.png");
const QString FemaleAvatar = QStringLiteral(":/Resource/female.png");
const QString VoiceIcon = QStringLiteral(":/Resource/icon24_voice.png");
}

NxVoiceItem::NxVoiceItem(bool male, QString showName, int id, QString code, QWidget* parent)
    : NxWidget(parent)
    , m_male(male)
    , m_showName(std::move(showName))
    , m_code(std::move(code))
    , m_id(id)
{
    setFixedSize(TileSize);
    loadImages();
    loadColors();
}

void NxVoiceItem::loadImages()
{
    const NxSkinStyle* skin = NxSingleton<NxSkinStyle>::instance();
    m_avatar = QImage(skin->FormatResourceFile(m_male ? MaleAvatar : FemaleAvatar));
    m_voiceIcon = QImage(skin->FormatResourceFile(VoiceIcon));
}

void NxVoiceItem::loadColors()
{
    const NxSkinStyle* skin = NxSingleton<NxSkinStyle>::instance();
    m_colors.insert(Normal, skin->GetColor(NxSkinColor::Varnelo_Background_Surface2));
    m_colors.insert(Hover, skin->GetColor(NxSkinColor::State_Hover));
    m_colors.insert(Pressed, skin->GetColor(NxSkinColor::State_Pressed));
    m_colors.insert(Disabled, skin->GetColor(NxSkinColor::State_Disabled));
}

void NxVoiceItem::setSelected(bool selected)
{
    const bool changed = selected != m_selected;
    m_selected = selected;
    update();
    if (changed)
        NxVoiceItemAccessible::notifyChosen(this);
}

void NxVoiceItem::setFrame(const QImage& frame)
{
    const bool wasSpeaking = isSpeaking();
    m_frame = frame;
    update();
    if (isSpeaking() != wasSpeaking)
        NxVoiceItemAccessible::notifySpeaking(this);
}

void NxVoiceItem::setFocusMarked(bool marked)
{
    m_focusMarked = marked;
    update();
}

void NxVoiceItem::choose()
{
    emit sigClicked();
}

void NxVoiceItem::preview()
{
    emit sigClicked();
    emit sigDoubleClicked();
}

void NxVoiceItem::mousePressEvent(QMouseEvent*)
{
    m_pressed = true;
    update();
    // The choice follows the press, as in a list; the release only restores the look.
    emit sigClicked();
}

void NxVoiceItem::mouseReleaseEvent(QMouseEvent*)
{
    m_pressed = false;
    update();
}

// Not passed on: the base would take it for a second press.
void NxVoiceItem::mouseDoubleClickEvent(QMouseEvent*)
{
    emit sigDoubleClicked();
}

void NxVoiceItem::enterEvent(QEvent*)
{
    m_hovered = true;
    update();
}

void NxVoiceItem::leaveEvent(QEvent*)
{
    m_hovered = false;
    update();
}

void NxVoiceItem::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);

    // Look: selection wins over hover and press; a press shows only under the mouse.
    const bool emphasised = m_selected || m_hovered;
    const int look = m_selected || (m_hovered && m_pressed) ? Pressed : m_hovered ? Hover : Normal;
    const QColor text = NxSingleton<NxSkinStyle>::instance()->GetColor(
        emphasised ? NxSkinColor::Text_Icon_Primary : NxSkinColor::Text_Icon_Secondary);

    // Background
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_colors.value(look));
    painter.drawRoundedRect(rect(), CornerRadius, CornerRadius, Qt::AbsoluteSize);

    // Avatar and name; a long name is cut short before the speaker. A right-to-left
    // interface reads the tile from its right edge.
    const auto visual = [this](const QRect& place) { return QStyle::visualRect(layoutDirection(), rect(), place); };
    const QRect iconRect(QPoint(rect().right() - IconFromRight, IconTop), IconSize);
    painter.drawImage(visual(AvatarRect), m_avatar);
    QFont font = painter.font();
    font.setPixelSize(NamePixelSize);
    painter.setFont(font);
    painter.setPen(text);
    const QString name =
        StringOperation::GetElidedString(font, iconRect.left() - NameGap - NameLeft, m_showName, Qt::ElideRight);
    painter.drawText(visual(rect().adjusted(NameLeft, 0, 0, 0)), Qt::AlignLeft | Qt::AlignVCenter, name);

    // Speaker, or the speaking animation's current frame
    painter.drawImage(visual(iconRect), m_frame.isNull() ? m_voiceIcon : m_frame);

    if (m_focusMarked)
        NxControlPainter::PaintFocusRing(painter, rect(), CornerRadius);
}
