#pragma once

#include "NxRemainingWidget.h"
#include "NxWidget.h"

#include <QPointer>

class QTableView;

// What both task tabs share: the task table above the balance line, the
// question before deleting an unfinished task, and the balance line's
// refresh and purchase actions passed to the controller.
class NxTaskPage : public NxWidget
{
    Q_OBJECT

public:
    ~NxTaskPage() override;

    NxRemainingWidget* remainingLine() const { return m_remaining; }

signals:
    void sigProgress(int progress);

protected:
    explicit NxTaskPage(QWidget* parent);

    // Lays the table out above a balance line of `remainingKind`.
    void build(QTableView* table, int remainingKind);

    template <typename Controller>
    void connectController(Controller* controller)
    {
        QPointer<Controller> guarded(controller);
        connect(m_remaining, &NxRemainingWidget::sigRefresh, this, [guarded] {
            if (guarded)
                guarded->refresh();
        });
        connect(m_remaining, &NxRemainingWidget::sigLinkClicked, this, [this, guarded] {
            if (!guarded)
                return;
            bool success = false;
            emit guarded->sigPurchaseRefresh(m_remaining->remaining(), success, true);
            if (success && guarded)
                guarded->refresh();
        });
        connect(controller, &Controller::sigAskDelete, this, &NxTaskPage::slotAskDelete);
        connect(controller, &Controller::sigLastTimeChanged, this, &NxTaskPage::slotLastTimeChanged);
        connect(controller, &Controller::sigProgress, this, &NxTaskPage::sigProgress);
    }

private slots:
    void slotAskDelete(bool& ret, bool& noTip);
    void slotLastTimeChanged(int remaining);

private:
    NxRemainingWidget* m_remaining = nullptr;
};
