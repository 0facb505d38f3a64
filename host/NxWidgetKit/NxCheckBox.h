#pragma once

#include <QCheckBox>

// A check box in the kit's look: an accent box with a tick, and its text,
// which may run over several lines ("\n"). The tick stays visible, dimmed,
// while the box is disabled.
class NxCheckBox : public QCheckBox
{
    Q_OBJECT

public:
    static NxCheckBox* CreateCheckBox(QWidget* parent);

    explicit NxCheckBox(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    // The whole box and text take the click, not only the mark.
    bool hitButton(const QPoint& pos) const override;
};
