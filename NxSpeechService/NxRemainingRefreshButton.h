#pragma once

#include "NxWidget.h"

class NxLoadingWidget2;
class NxToolButton;
class QTimer;

// The refresh button of a balance line. While a refresh is under way a
// spinner takes the button's place, until the balance arrives or the
// request is given up after 30 seconds.
class NxRemainingRefreshButton : public NxWidget
{
    Q_OBJECT

public:
    explicit NxRemainingRefreshButton(QWidget* parent);

    bool isRefreshing() const { return m_refreshing; }
    // The balance arrived: back to the button.
    void stopRefreshing();

signals:
    void clicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void slotRefresh();
    void slotTimeout();

private:
    NxToolButton* m_button = nullptr;
    NxLoadingWidget2* m_spinner = nullptr;
    QTimer* m_timer = nullptr;
    bool m_refreshing = false;
};
