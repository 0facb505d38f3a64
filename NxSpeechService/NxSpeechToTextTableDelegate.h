#pragma once

#include "NxTaskTableDelegate.h"

// Paints the speech-to-text table's rows and header from the task records,
// and turns presses on the painted buttons into delete, retry and purchase
// requests and double-clicks on a name into revealing its subtitle file.
class NxSpeechToTextTableDelegate : public NxTaskTableDelegate
{
    Q_OBJECT

public:
    explicit NxSpeechToTextTableDelegate(QObject* parent);
    ~NxSpeechToTextTableDelegate() override;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

    QString headerTitle(int logicalIndex) const override;
    bool hasTask(const QModelIndex& index) const override;
    ButtonAction statusAction(const QModelIndex& index) const override;
    QString finishedPath(const QModelIndex& index) const override;

    // The words painted in the duration and status columns.
    static QString durationText(int seconds);
    static QString statusText(int status, int progress, int progressMax, const QString& failure);

private:
    static ButtonAction statusButtonOf(int status, int failReason);
    void paintStatus(QPainter* painter, const Positions& pos, const QModelIndex& index, int status, int failReason,
                     int progress, int progressMax, const QString& failure) const;
    void paintProgress(QPainter* painter, const Positions& pos, int status, int progress, int progressMax,
                       const QString& text) const;
};
