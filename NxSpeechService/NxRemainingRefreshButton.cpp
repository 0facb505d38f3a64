#include "NxRemainingRefreshButton.h"

#include "NxLoadingWidget2.h"
#include "NxToolButton.h"

#include <QTimer>

namespace
{
constexpr int RefreshTimeoutMs = 30000;
}

NxRemainingRefreshButton::NxRemainingRefreshButton(QWidget* parent)
    : NxWidget(parent)
{
    m_button = NxToolButton::CreateToolButton(this, QStringLiteral("NxRemainingRefreshButton_btn"));
    connect(m_button, &QToolButton::clicked, this, &NxRemainingRefreshButton::slotRefresh);

    m_spinner = new NxLoadingWidget2(this);
    m_spinner->SetVisibleAndEnable(false);

    m_timer = new QTimer(this);
    m_timer->setInterval(RefreshTimeoutMs);
    connect(m_timer, &QTimer::timeout, this, &NxRemainingRefreshButton::slotTimeout);
}

void NxRemainingRefreshButton::resizeEvent(QResizeEvent* event)
{
    NxWidget::resizeEvent(event);
    m_button->setGeometry(rect());
    m_spinner->setGeometry(rect());
}

void NxRemainingRefreshButton::slotRefresh()
{
    emit clicked();
    if (m_refreshing)
        return;
    m_button->hide();
    m_timer->start();
    m_spinner->SetVisibleAndEnable(true);
    m_refreshing = true;
    update();
}

void NxRemainingRefreshButton::slotTimeout()
{
    stopRefreshing();
}

void NxRemainingRefreshButton::stopRefreshing()
{
    if (!m_refreshing)
        return;
    m_button->show();
    m_timer->stop();
    m_spinner->SetVisibleAndEnable(false);
    m_refreshing = false;
    update();
}
