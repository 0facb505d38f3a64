#pragma once

#include "INxSkinEventHandler.h"

#include <QFont>
#include <QImage>
#include <QModelIndex>
#include <QStringList>
#include <QStyledItemDelegate>
#include <QVector>

class NxLoadingHelper;

// What both task tables' delegates share: the skin's images, the state of
// the one button under the mouse, the retry spinner, the header sections
// and the text layout of a cell. A subclass paints its own rows.
class NxTaskTableDelegate : public QStyledItemDelegate, public INxSkinEventHandler
{
    Q_OBJECT

public:
    ~NxTaskTableDelegate() override;

    void paintHeaderSection(QPainter* painter, const QRect& rect, int logicalIndex);
    // A task report has arrived: the retry spinner has done its job.
    void stopLoading();

    void OnSkinChanged(NxSkinChangeEvent* event) override;

signals:
    void sigFindMatterLocation(QString filePath);
    void sigRemoveItem(int row);
    void sigRefreshItem(int row);
    void sigMouseChange(int row);

protected:
    // The images every delegate loads first, in this order.
    enum SharedImage {
        CompletedIcon, AlertIcon,
        DeleteNormal, DeleteHover, DeletePressed,
        RetryNormal, RetryHover, RetryPressed,
        CartNormal, CartHover, CartPressed,
        SharedImageCount
    };
    enum ButtonAction { RemoveTask, RetryTask, PurchaseAndRetry };

    // `ownImages` are ":/Resource/..." paths, reachable as image(SharedImageCount + i).
    NxTaskTableDelegate(QObject* parent, const QStringList& ownImages);

    virtual QString headerTitle(int logicalIndex) const = 0;

    const QFont& font() const { return m_font; }
    const QImage& image(int which) const { return m_images.at(which); }
    // The normal, hover or pressed image of a button, as the mouse has it.
    const QImage& buttonImage(int normal, const QModelIndex& index) const;
    // The retry spinner runs in this cell.
    bool isBusy(const QModelIndex& index) const;
    void drawSpinner(QPainter* painter, const QRect& rect) const;

    // A text laid out from its top-left corner as wide as the font advances it.
    QRect textRect(QPainter* painter, const QPoint& topLeft, const QString& text) const;
    void drawText(QPainter* painter, const QRect& rect, const QString& text, const QColor& colour) const;
    // Status texts stop 48 px short of the cell's end, where the button sits.
    void drawStatusText(QPainter* painter, const QRect& cell, const QPoint& topLeft, const QString& text,
                        const QColor& colour) const;
    // A progress track and the part of it filled.
    void drawProgressBar(QPainter* painter, const QRect& track, const QColor& trackColour, int filledWidth) const;

    // Mouse handling over a painted button; `button` is in view coordinates.
    void handleButtonEvent(QEvent* event, QAbstractItemModel* model, const QModelIndex& index, const QRect& button,
                           ButtonAction action);
    // Leave a button: the hovered cell repaints in its normal look.
    void leaveOtherCell(const QModelIndex& index);
    // A double-click on a name reveals the task's file, within the text plus 40 px.
    void revealOnDoubleClick(QEvent* event, const QRect& cell, const QString& name, const QString& path);

    // The view's paint of background and selection, without the focus frame.
    void paintBase(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;

private:
    enum ButtonState { NoButtonState = 0, HoverState = 1, PressedState = 2 };

    void loadImages();
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
