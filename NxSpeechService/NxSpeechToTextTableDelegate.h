#pragma once

#include "INxSkinEventHandler.h"

#include <QFont>
#include <QImage>
#include <QModelIndex>
#include <QStyledItemDelegate>

class NxLoadingHelper;

// Paints every cell and header section of the speech-to-text table from the
// task records, and turns presses on the painted buttons into row requests:
// delete, retry (or buy more time), reveal the subtitle file.
class NxSpeechToTextTableDelegate : public QStyledItemDelegate, public INxSkinEventHandler
{
    Q_OBJECT

public:
    explicit NxSpeechToTextTableDelegate(QObject* parent);
    ~NxSpeechToTextTableDelegate() override;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

    void paintHeaderSection(QPainter* painter, const QRect& rect, int logicalIndex);
    // The controller has reported: the retry spinner has done its job.
    void stopLoading();

    void OnSkinChanged(NxSkinChangeEvent* event) override;

signals:
    void sigFindMatterLocation(QString filePath);
    void sigRemoveItem(int row);
    void sigRefreshItem(int row);
    void sigMouseChange(int row);

private:
    enum Image {
        AudioIcon, CompletedIcon, FailedIcon,
        DeleteNormal, DeleteHover, DeletePressed,
        VideoIcon, SequenceIcon,
        RetryNormal, RetryHover, RetryPressed,
        PurchaseNormal, PurchaseHover, PurchasePressed,
        ImageCount
    };
    enum ButtonState { NoButtonState = 0, HoverState = 1, PressedState = 2 };

    void loadImages();
    const QImage& buttonImage(Image normal, const QModelIndex& index) const;
    void paintStatus(QPainter* painter, const QRect& cell, const QModelIndex& index, int status,
                     int failReason, int progress, int progressMax, const QString& failure) const;
    void paintProgress(QPainter* painter, const QRect& cell, int status, int progress, int progressMax) const;
    void handleButton(QEvent* event, QAbstractItemModel* model, const QModelIndex& index, const QRect& button,
                      bool retry, bool startsSpinner);
    void clearHover();
    void repaintLoadingCell();

    QFont m_font;
    QImage m_images[ImageCount];
    int m_buttonState = NoButtonState;
    QModelIndex m_hoveredIndex;
    QModelIndex m_loadingIndex;
    NxLoadingHelper* m_spinner = nullptr;
};
