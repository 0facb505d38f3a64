#include "NxWidget.h"

#include "NxSingleton.h"
#include "NxSkinStyle.h"

#include <QEvent>
#include <QPainter>
#include <QVariant>

namespace
{
// The background type numbers widgets may name in their property.
constexpr int RaisedSurfaceType = 5;
}

NxWidget::NxWidget(QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
    connect(NxSingleton<NxSkinStyle>::instance(), &NxSkinStyle::SkinKindChanged, this,
            qOverload<>(&QWidget::update));
}

void NxWidget::SetBGColorType(const NxSkinColor::NxColorType& type)
{
    m_hasBackground = true;
    m_background = type;
    update();
}

bool NxWidget::event(QEvent* event)
{
    if (event->type() == QEvent::DynamicPropertyChange
        && static_cast<QDynamicPropertyChangeEvent*>(event)->propertyName() == BGColorTypeProperty) {
        m_hasBackground = property(BGColorTypeProperty).toInt() == RaisedSurfaceType;
        m_background = NxSkinColor::Varnelo_Background_Surface2;
        update();
    }
    return QWidget::event(event);
}

void NxWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        RetranslateUi();
        TranslateText();
    }
    QWidget::changeEvent(event);
}

void NxWidget::paintEvent(QPaintEvent* event)
{
    if (m_hasBackground) {
        QPainter painter(this);
        painter.fillRect(rect(), NxSingleton<NxSkinStyle>::instance()->GetColor(m_background));
    }
    QWidget::paintEvent(event);
}
