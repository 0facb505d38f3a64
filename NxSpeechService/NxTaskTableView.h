#pragma once

#include "NxTaskTableDelegate.h"

#include <QPointer>
#include <QTableView>

#include <functional>

class NxSpeechServiceNoTaskTip;
class NxTaskTableHeader;

// What both task tables share: a plain list whose rows the delegate paints
// entirely, the empty-list tip over the viewport while there are no tasks,
// and the wiring between the delegate's buttons and the task controller.
class NxTaskTableView : public QTableView
{
    Q_OBJECT

public:
    ~NxTaskTableView() override;

    NxSpeechServiceNoTaskTip* noTaskTip() const { return m_noTaskTip; }

protected:
    explicit NxTaskTableView(QWidget* parent);

    // Sets the model, the delegate for every cell and the header, then the
    // columns (252, 80, stretching, 120) and the view's plain look.
    void install(QAbstractItemModel* model, NxTaskTableDelegate* delegate, NxTaskTableHeader* header);

    // Both controllers speak the same signals and slots.
    template <typename Controller>
    void connectController(Controller* controller, NxTaskTableDelegate* delegate)
    {
        QPointer<Controller> guarded(controller);
        m_taskCount = [guarded] { return guarded ? guarded->taskCount() : 0; };
        connect(controller, &Controller::sigDataChanged, this, &NxTaskTableView::slotDataChanged);
        connect(controller, &Controller::sigTaskStateChanged, delegate, &NxTaskTableDelegate::stopLoading);
        connect(controller, &Controller::sigTaskCountChanged, this, &NxTaskTableView::slotTaskCountChanged);
        connect(delegate, &NxTaskTableDelegate::sigRemoveItem, controller, &Controller::slotRemoveTask);
        connect(delegate, &NxTaskTableDelegate::sigRefreshItem, controller, &Controller::slotRefreshTask);
        connect(delegate, &NxTaskTableDelegate::sigFindMatterLocation, controller,
                &Controller::sigFindMatterLocation);
        // A controller may already hold tasks when its table is built.
        slotTaskCountChanged();
    }

    bool viewportEvent(QEvent* event) override;
    // Keys on the current row: Up, Down, Home, End, Page Up and Page Down
    // move it as in any table; Delete and Return press its buttons.
    void keyPressEvent(QKeyEvent* event) override;
    // The current row's focus mark, over the delegate's painting.
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    // Home and End go to the first and the last row: a row is what the keys move.
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private slots:
    void slotDataChanged(QModelIndex modelIndex);
    void slotTaskCountChanged();

private:
    void applySkin();
    // Give rows the height the delegate asks for; fitRow says whether the
    // row's height changed.
    bool fitRow(int row);
    void fitRows(int first, int last);
    void fitAllRows();

    NxSpeechServiceNoTaskTip* m_noTaskTip = nullptr;
    std::function<int()> m_taskCount;
};
