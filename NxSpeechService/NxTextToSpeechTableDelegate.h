#pragma once

#include "NxTaskTableDelegate.h"

namespace NxTextToSpeech
{
struct Task;
}

// Paints the text-to-speech table's rows and header from the task records,
// and turns presses on the painted buttons into delete, retry and purchase
// requests.
class NxTextToSpeechTableDelegate : public NxTaskTableDelegate
{
    Q_OBJECT

public:
    explicit NxTextToSpeechTableDelegate(QObject* parent);
    ~NxTextToSpeechTableDelegate() override;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

    static QString failureText(const NxTextToSpeech::Task& task);

protected:
    QString headerTitle(int logicalIndex) const override;
    RowKeys rowKeys(const QModelIndex& index) const override;

private:
    static ButtonAction statusButtonOf(const NxTextToSpeech::Task& task);
    void paintStatus(QPainter* painter, const Positions& pos, const QModelIndex& index,
                     const NxTextToSpeech::Task& task) const;
    void paintProgress(QPainter* painter, const Positions& pos, const NxTextToSpeech::Task& task) const;
};
