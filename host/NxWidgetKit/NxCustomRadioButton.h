#pragma once

#include <QString>
#include <QWidget>

// A radio button that belongs to no group: a click checks it (never
// unchecks it), and whoever shows several of them keeps them exclusive by
// listening to sigStateChanged.
class NxCustomRadioButton : public QWidget
{
    Q_OBJECT

public:
    static NxCustomRadioButton* createCustomRadioButton(QWidget* parent);

    explicit NxCustomRadioButton(QWidget* parent = nullptr);

    void setDisplayText(const QString& text);
    QString displayText() const;

    // Emits sigStateChanged only when the state really changes.
    void setChecked(bool checked);
    bool isChecked() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void sigStateChanged(bool checked);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setPressed(bool pressed);

    QString m_text;
    bool m_checked = false;
    bool m_pressed = false;
};
