#include "NxStudioMediaBinDelegate.h"

#include "NxSingleton.h"
#include "NxSkinStyle.h"
#include "NxStudioMediaBin.h"
#include "NxStudioTimeText.h"

#include <QPainter>
#include <QStyle>

namespace
{
using C = NxSkinColor;

constexpr int RowHeight = 36;
constexpr int Margin = 8;
constexpr int IconSize = 24;
constexpr int TextGap = 8;
constexpr int TextPixelSize = 13;

// By NxStudioMediaBin::Kind: Reading, Video, Audio, Subtitles.
const char* const IconPaths[] = {
    ":/Resource/icon24_allclip.png",
    ":/Resource/icon24_videotype-normal.png",
    ":/Resource/icon24_music-normal.png",
    ":/Resource/icon24_titles-old-normal.png",
};

NxSkinStyle* skin()
{
    return NxSingleton<NxSkinStyle>::instance();
}
}

NxStudioMediaBinDelegate::NxStudioMediaBinDelegate(QObject* parent)
    : QStyledItemDelegate(parent)
{
    loadIcons();
    connect(skin(), &NxSkinStyle::SkinKindChanged, this, &NxStudioMediaBinDelegate::loadIcons);
}

void NxStudioMediaBinDelegate::loadIcons()
{
    m_icons.clear();
    for (const char* path : IconPaths)
        m_icons.append(QImage(skin()->FormatResourceFile(QString::fromLatin1(path))));
}

QSize NxStudioMediaBinDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    return QSize(option.rect.width(), RowHeight);
}

void NxStudioMediaBinDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const
{
    const QRect row = option.rect;
    const int kind = index.data(NxStudioMediaBin::KindRole).toInt();
    painter->save();

    // Background: selection and hover as overlays on the bin's surface.
    if (option.state & QStyle::State_Selected) {
        QColor accent = skin()->GetColor(C::VarneloX_Primary);
        accent.setAlpha(70);
        painter->fillRect(row, accent);
    } else if (option.state & QStyle::State_MouseOver) {
        painter->fillRect(row, skin()->GetColor(C::State_Hover));
    }

    // Icon, then the name, then the length at the far end: from the right in a
    // right-to-left language. `start` lays out as from the left, `visual` mirrors.
    const QRect start(0, row.y(), row.width(), row.height());
    const auto visual = [&](const QRect& rect) {
        return QStyle::visualRect(option.direction, start, rect).translated(row.x(), 0);
    };
    const QRect icon(Margin, row.y() + (row.height() - IconSize) / 2, IconSize, IconSize);
    painter->drawImage(visual(icon), m_icons.value(kind));

    QFont font = option.font;
    font.setPixelSize(TextPixelSize);
    painter->setFont(font);
    const QFontMetrics metrics(font);
    const bool reading = kind == NxStudioMediaBin::Reading;
    const QString length = reading ? tr("Reading\u2026") : NxStudioTimeText::tenths(index.data(NxStudioMediaBin::SecondsRole).toDouble());
    const int lengthWidth = metrics.horizontalAdvance(length);
    const QRect lengthRect(start.right() - Margin - lengthWidth, row.y(), lengthWidth, row.height());
    painter->setPen(skin()->GetColor(C::Text_Icon_Tertiary));
    painter->drawText(visual(lengthRect), Qt::AlignVCenter | Qt::AlignRight, length);

    const QRect name(icon.right() + 1 + TextGap, row.y(), lengthRect.left() - TextGap - icon.right() - 1 - TextGap,
                     row.height());
    painter->setPen(skin()->GetColor(reading ? C::Text_Icon_Tertiary : C::Text_Icon_Primary));
    // A file name reads in the direction it is written in, next to the icon.
    painter->setLayoutDirection(Qt::LayoutDirectionAuto);
    painter->drawText(visual(name), Qt::AlignVCenter | QStyle::visualAlignment(option.direction, Qt::AlignLeft),
                      metrics.elidedText(index.data(Qt::DisplayRole).toString(), Qt::ElideMiddle, name.width()));
    painter->restore();
}
