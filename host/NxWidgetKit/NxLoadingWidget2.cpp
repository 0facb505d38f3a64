#include "NxLoadingWidget2.h"

#include "NxLoadingHelper.h"

#include <QPainter>

NxLoadingWidget2::NxLoadingWidget2(QWidget* parent)
    : QWidget(parent)
    , m_spinner(new NxLoadingHelper(this))
{
    connect(m_spinner, &NxLoadingHelper::sigUpdate, this, qOverload<>(&QWidget::update));
}

void NxLoadingWidget2::SetVisibleAndEnable(bool on)
{
    setVisible(on);
    setEnabled(on);
    if (on)
        m_spinner->start();
    else
        m_spinner->stop();
}

bool NxLoadingWidget2::isSpinning() const
{
    return m_spinner->isRuning();
}

void NxLoadingWidget2::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    m_spinner->draw(painter, rect().adjusted(2, 2, -2, -2));
}
