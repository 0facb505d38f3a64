#include "NxWidget.h"

#include "NxSingleton.h"
#include "NxSkinStyle.h"

#include <QEvent>
#include <QPainter>

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
