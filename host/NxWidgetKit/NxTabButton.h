#pragma once

#include <QPushButton>

// A tab of a tab row: its text, and an accent line under it while checked.
class NxTabButton : public QPushButton
{
    Q_OBJECT

public:
    // `kind` 0 is the window's main tab row; other kinds are reserved.
    static NxTabButton* CreateTabButton(QWidget* parent, const QString& text, int kind);

    NxTabButton(QWidget* parent, const QString& text);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
