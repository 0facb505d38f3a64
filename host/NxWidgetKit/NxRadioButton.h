#pragma once

#include <QRadioButton>

// A radio button in the kit's look: an accent ring with a dot, and its text.
// Grouping is Qt's (auto-exclusive siblings, or a QButtonGroup).
class NxRadioButton : public QRadioButton
{
    Q_OBJECT

public:
    static NxRadioButton* creatRadioButton(QWidget* parent);

    explicit NxRadioButton(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
};
