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

    QString headerTitle(int logicalIndex) const override;
    bool hasTask(const QModelIndex& index) const override;
    ButtonAction statusAction(const QModelIndex& index) const override;
    QString finishedPath(const QModelIndex& index) const override;

    // The words painted in the characters and status columns; a converting
    // task's status shows its stage and, apart, its characters done.
    static QString charactersText(const NxTextToSpeech::Task& task);
    static QString statusText(const NxTextToSpeech::Task& task);
    static QString progressCount(const NxTextToSpeech::Task& task);

private:
    static ButtonAction statusButtonOf(const NxTextToSpeech::Task& task);
    void paintStatus(QPainter* painter, const Positions& pos, const QModelIndex& index,
                     const NxTextToSpeech::Task& task) const;
    void paintProgress(QPainter* painter, const Positions& pos, const NxTextToSpeech::Task& task,
                       const QString& text) const;
};
