#pragma once

#include <QStringList>
#include <QVector>
#include <QWidget>

// A slider over a few named steps (slow, normal, fast...): a band with the
// groove, one dot per step and the handle, and under it each step's label.
// A click or a drag snaps to the nearest step; Left/Down and Right/Up move
// one step, Home and End go to the ends.
//
//   |  o----o----O----o----o  |  band: sliderHeight
//   |                         |  vSpace
//   | slow  ...  normal  fast |  labels: labelHeight, labelFontSize
class NxPropertyNonLineSliderEx : public QWidget
{
    Q_OBJECT

public:
    static NxPropertyNonLineSliderEx* CreatePropertyNonLineSliderEx(const QStringList& labels, QWidget* parent);

    NxPropertyNonLineSliderEx(const QStringList& labels, QWidget* parent);

    void setSliderHeight(int height);
    void setVSpace(int space);
    void setLabelHeight(int height);
    void setLabelFontSize(int pixelSize);

    // The words under the steps; new words keep the step when there still is one.
    void setLabels(const QStringList& labels);
    QStringList labels() const { return m_labels; }

    // An index outside the steps is ignored.
    void setCurIndex(int index);
    int getCurIndex() const;

    QSize sizeHint() const override;

signals:
    // Every change of step, by the user or by setCurIndex.
    void sigIndexChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Every place the slider paints or is hit, from its current size.
    struct Shape
    {
        QVector<qreal> stepX;
        qreal bandCentreY = 0;
        qreal handleRadius = 0;
        qreal dotRadius = 0;
        qreal grooveThickness = 0;
        QRect labelBand;
    };
    Shape shape() const;
    int nearestStep(int x) const;
    QRect labelRect(const Shape& shape, int step) const;
    QFont labelFont() const;
    void paintBand(QPainter& painter, const Shape& shape);
    void paintLabels(QPainter& painter, const Shape& shape);
    void changeGeometry(int& field, int value);

    QStringList m_labels;
    int m_index = 0;
    int m_sliderHeight;
    int m_vSpace;
    int m_labelHeight;
    int m_labelFontSize;
    bool m_dragging = false;
};
