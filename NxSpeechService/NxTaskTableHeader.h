#pragma once

#include <QHeaderView>

class NxTaskTableDelegate;

// A task table's header; its sections are painted by the row delegate so
// that header and rows share one look.
class NxTaskTableHeader : public QHeaderView
{
    Q_OBJECT

public:
    ~NxTaskTableHeader() override;

    void setDelegate(NxTaskTableDelegate* delegate);

signals:
    void sigEnter();

protected:
    NxTaskTableHeader(Qt::Orientation orientation, QWidget* parent);

    void enterEvent(QEvent* event) override;
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    // Stays empty on purpose: the host's header has the field; the delegate paints the sections.
    QString m_text;
    NxTaskTableDelegate* m_delegate = nullptr;
};
