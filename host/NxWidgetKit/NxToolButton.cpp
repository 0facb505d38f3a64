#include "NxToolButton.h"

#include "NxControlPainter.h"
#include "NxSingleton.h"
#include "NxSkinStyle.h"

#include <QHash>
#include <QPainter>

namespace
{
// Which images each known button shows; unknown buttons show the refresh arrows.
QString imageBaseFor(const QString& identifier)
{
    static const QHash<QString, QString> bases{
        {QStringLiteral("NxRemainingRefreshButton_btn"), QStringLiteral("status-refresh")},
    };
    return bases.value(identifier, QStringLiteral("status-refresh"));
}
}

NxToolButton* NxToolButton::CreateToolButton(QWidget* parent, const QString& identifier)
{
    return new NxToolButton(parent, identifier);
}

NxToolButton::NxToolButton(QWidget* parent, const QString& identifier)
    : QToolButton(parent)
    , m_imageBase(imageBaseFor(identifier))
{
    setObjectName(identifier);
    setAutoRaise(true);
    setCursor(Qt::PointingHandCursor);
    // Reached with Tab and pressed with Space, never focused by a click.
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_Hover);
    loadImages();
    connect(NxSingleton<NxSkinStyle>::instance(), &NxSkinStyle::SkinKindChanged, this, [this] {
        loadImages();
        update();
    });
}

void NxToolButton::loadImages()
{
    const NxSkinStyle* skin = NxSingleton<NxSkinStyle>::instance();
    const auto load = [&](const char* state) {
        return QImage(skin->FormatResourceFile(QStringLiteral(":/Resource/%1-%2.png").arg(m_imageBase, QLatin1String(state))));
    };
    m_normal = load("normal");
    m_hover = load("hover");
    m_pressed = load("pressed");
}

void NxToolButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    const QImage& image = isDown() ? m_pressed : underMouse() ? m_hover : m_normal;
    const QSize size = image.size().scaled(this->size(), Qt::KeepAspectRatio);
    QRect target(QPoint(), size);
    target.moveCenter(rect().center());
    painter.drawImage(target, image);
    if (NxControlPainter::ShowsFocusRing(this))
        NxControlPainter::PaintFocusRing(painter, rect());
}
