#pragma once

#include <QWidget>

class QLabel;
class QToolButton;

// The title bar of a frameless kit window: the title and the window
// buttons; dragging it moves the window.
class NxTopLevelWindowTitleBar : public QWidget
{
    Q_OBJECT

public:
    // Buttons, combined as flags: SetButtons(CloseButton | MinimizeButton).
    enum Button { MinimizeButton = 4, MaximizeButton = 8, CloseButton = 32 };

    explicit NxTopLevelWindowTitleBar(QWidget* window);

    void SetButtons(int buttons);
    // "SetResizeble" is the host kit's own spelling; callers depend on it.
    void SetResizeble(bool resizable);
    void SetTitle(const QString& title, bool centred);
    QString title() const;

    QToolButton* button(Button which) const;

signals:
    void sigClose();
    void sigMinimize();
    void sigMaximize();

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void applySkin();
    // The buttons show symbols; readers say these names instead.
    void nameButtons();

    QWidget* m_window;
    QLabel* m_title = nullptr;
    QToolButton* m_minimize = nullptr;
    QToolButton* m_maximize = nullptr;
    QToolButton* m_close = nullptr;
    bool m_resizable = true;
    QPoint m_dragOffset;
    bool m_dragging = false;
};
