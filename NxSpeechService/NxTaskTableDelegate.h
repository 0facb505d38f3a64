#pragma once

#include "INxSkinEventHandler.h"
#include "NxSkinStyle.h"

#include <QFont>
#include <QImage>
#include <QModelIndex>
#include <QStringList>
#include <QStyledItemDelegate>
#include <QVector>

class NxLoadingHelper;

// What both task tables' delegates share: the skin's images, the geometry of
// a row, the cells both tabs paint alike (name, value, failure, completion,
// delete button), the state of the one button under the mouse with the
// requests it makes, the retry spinner and the header sections. A subclass
// says how tall a task's row is and paints its own status words and progress.
class NxTaskTableDelegate : public QStyledItemDelegate, public INxSkinEventHandler
{
    Q_OBJECT

public:
    // What pressing a painted button asks of the controller.
    enum ButtonAction { NoButton, RemoveTask, RetryTask, PurchaseAndRetry };

    ~NxTaskTableDelegate() override;

    virtual QString headerTitle(int logicalIndex) const = 0;

    // What a row offers besides its painted words, for the keyboard and
    // assistive technology: whether it holds a task, the action of its status
    // button now, and the file a double-click on its
    // name reveals once the task has made it (empty before).
    virtual bool hasTask(const QModelIndex& index) const = 0;
    virtual ButtonAction statusAction(const QModelIndex& index) const = 0;
    virtual QString finishedPath(const QModelIndex& index) const = 0;
    // Asks what pressing the button of `index`'s row asks, as the press does
    // once its pressed look is on screen.
    void pressButton(const QModelIndex& index, ButtonAction action);

    void paintHeaderSection(QPainter* painter, const QRect& rect, int logicalIndex);
    // A task report has arrived: the retry spinner has done its job.
    void stopLoading();

    void OnSkinChanged(NxSkinChangeEvent* event) override;

    // The keyboard's way to a row's buttons, doing just what the mouse does:
    // Delete presses the delete button; Return or Enter presses the retry or
    // cart button of a failed task, or reveals a finished task's file as a
    // double-click on its name does. False when the key means nothing there.
    bool pressKey(int key, QAbstractItemModel* model, int row);

signals:
    void sigFindMatterLocation(QString filePath);
    void sigRemoveItem(int row);
    void sigRefreshItem(int row);
    // Never emitted here; kept for the host, which lists it.
    void sigMouseChange(int row);

protected:
    // The columns of both tables, as their models number them.
    enum Column { NameColumn, ValueColumn, StatusColumn, OperationColumn };

    // Every place in a row's cells, from the cell's rectangle. Texts are
    // placed by their top-left corner. A tall row (56 px, else 32) has a
    // progress bar in its status column, and its other columns sit 12 px lower.
    //
    //   x+8    x+40        x+8        x+8 x+36                   right-28   x+8
    //  | [icon] File name | 00:12:34 | [icon] Status text        [button] | [del] |  y+6
    //  |                  |          |    Stage:  45%              60/120 |       |  tall: y+6
    //  |                  |          |    [=======-------- track -------] |       |  tall: y+38
    //                                    x+12                     right-8
    struct Positions
    {
        Positions(const QRect& cell, bool tallRow);

        QRect cell;
        QSize size;          // what the row asks of the view
        QRect typeIcon;      // name column
        QPoint nameText;
        QPoint valueText;    // duration or characters column
        QRect deleteButton;  // operation column
        QPoint statusText;   // status column: a word alone
        QRect statusIcon;    // or an icon and its text
        QPoint iconStatusText;
        QRect actionButton;  // retry, cart or the retry spinner
        QPoint progressText; // a tall row's stage and its count, ending at progressCountRight
        int progressCountRight;
        QRect progressTrack;
    };

    // The images of a row in the order they load, decoded once per skin;
    // OwnIcon is the tab's own type icon (audio or title).
    enum Image {
        CompletedIcon, AlertIcon,
        DeleteNormal, DeleteHover, DeletePressed,
        RetryNormal, RetryHover, RetryPressed,
        CartNormal, CartHover, CartPressed,
        VideoIcon, SequenceIcon, OwnIcon
    };
    // `ownIcon` is the ":/Resource/..." path of OwnIcon.
    NxTaskTableDelegate(QObject* parent, const QString& ownIcon);

    // The status column's button: a lack of balance offers the cart whatever
    // the status; any other failure but unrecognised content offers a retry.
    static ButtonAction statusButton(bool failed, bool outOfBalance, bool unrecognised);

    const QImage& image(Image which) const { return m_images.at(which); }
    static QColor colour(NxSkinColor::NxColorType role);

    // Cells both tabs paint alike.
    void paintNameCell(QPainter* painter, const Positions& pos, const QImage* icon, const QString& name) const;
    void paintValueCell(QPainter* painter, const Positions& pos, const QString& text) const;
    void paintDeleteCell(QPainter* painter, const Positions& pos, const QModelIndex& index) const;
    void paintStatusWord(QPainter* painter, const Positions& pos, const QString& text, const QColor& colour) const;
    // `iconDrop` lowers the tick from the alert icon's place.
    void paintCompletedCell(QPainter* painter, const Positions& pos, const QString& text, int iconDrop = 0) const;
    void paintFailedCell(QPainter* painter, const Positions& pos, const QModelIndex& index, const QString& failure,
                         ButtonAction button) const;
    // A retry puts the task back to waiting at once; the spinner keeps the
    // button's place until the manager reports.
    void paintPendingRetry(QPainter* painter, const Positions& pos, const QModelIndex& index) const;
    // The stage text over a track filled `filledWidth` pixels.
    void paintProgressCell(QPainter* painter, const Positions& pos, const QString& text, const QColor& trackColour,
                           int filledWidth) const;

    // A text laid out from its top-left corner as wide as the font advances it.
    QRect textRect(QPainter* painter, const QPoint& topLeft, const QString& text) const;
    void drawText(QPainter* painter, const QRect& rect, const QString& text, const QColor& colour) const;

    // Hover and press of the row's buttons, with the requests they make, and
    // a double-click on the name revealing the task's file.
    void handleMouse(QEvent* event, QAbstractItemModel* model, const QModelIndex& index, const Positions& pos,
                     ButtonAction statusAction, const QString& name, const QString& path);

    // The view's paint of background and selection, without the focus frame.
    void paintBase(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;

private:
    enum ButtonState { NoButtonState = 0, HoverState = 1, PressedState = 2 };

    void loadImages();
    // The normal, hover or pressed image of a button, as the mouse has it.
    const QImage& buttonImage(int normal, const QModelIndex& index) const;
    // The retry spinner runs in this cell.
    bool isBusy(const QModelIndex& index) const;
    // Status texts stop short of the cell's end, where the button sits.
    void drawStatusText(QPainter* painter, const QRect& cell, const QPoint& topLeft, const QString& text,
                        const QColor& colour) const;
    void handleButtonEvent(QEvent* event, QAbstractItemModel* model, const QModelIndex& index, const QRect& button,
                           ButtonAction action);
    // The press of a button, by the mouse or a key: pressed image, request, spinner.
    void pressButton(QAbstractItemModel* model, const QModelIndex& index, ButtonAction action);
    void revealOnDoubleClick(QEvent* event, const QRect& cell, const QString& name, const QString& path);
    void leaveOtherCell(const QModelIndex& index);
    void clearHover();
    void repaintLoadingCell();

    QFont m_font;
    QStringList m_imagePaths;
    QVector<QImage> m_images;
    int m_buttonState = NoButtonState;
    QModelIndex m_hoveredIndex;
    QModelIndex m_loadingIndex;
    NxLoadingHelper* m_spinner = nullptr;
};
