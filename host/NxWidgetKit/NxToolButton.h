#pragma once

#include <QImage>
#include <QToolButton>

// A flat icon button painted from the skin's normal, hover and pressed
// images. Its identifier names the button and chooses its images.
class NxToolButton : public QToolButton
{
    Q_OBJECT

public:
    static NxToolButton* CreateToolButton(QWidget* parent, const QString& identifier);

    NxToolButton(QWidget* parent, const QString& identifier);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void loadImages();

    QString m_imageBase; // ":/Resource/<base>-normal.png" and its hover and pressed siblings
    QImage m_normal;
    QImage m_hover;
    QImage m_pressed;
};
