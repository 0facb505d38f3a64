#pragma once

#include <QHeaderView>

class NxSpeechToTextTableDelegate;

// The speech-to-text table's header; its sections are painted by the row
// delegate so header and rows share one look.
class NxSpeechToTextTableHeader : public QHeaderView
{
    Q_OBJECT

public:
    NxSpeechToTextTableHeader(Qt::Orientation orientation, QWidget* parent);
    ~NxSpeechToTextTableHeader() override;

    void setDelegate(NxSpeechToTextTableDelegate* delegate);

signals:
    void sigEnter();

protected:
    void enterEvent(QEvent* event) override;
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    QString m_text;
    NxSpeechToTextTableDelegate* m_delegate = nullptr;
};
