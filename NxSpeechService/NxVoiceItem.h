#pragma once

#include "NxWidget.h"

#include <QColor>
#include <QImage>
#include <QMap>
#include <QString>

// One voice of the voice grid: the avatar of the voice's gender, its name
// and a speaker icon, which shows the speaking animation while the voice is
// previewed. A press selects it (through the grid), a double-click also asks
// for a preview.
class NxVoiceItem : public NxWidget
{
    Q_OBJECT

public:
    NxVoiceItem(bool male, QString showName, int id, QString code, QWidget* parent);

    bool isMale() const { return m_male; }
    QString showName() const { return m_showName; }
    QString code() const { return m_code; }
    int id() const { return m_id; }

    bool isSelected() const { return m_selected; }
    void setSelected(bool selected);

    // The animation frame shown instead of the speaker icon; a null image
    // brings the icon back.
    void setFrame(const QImage& frame);
    // The speaking animation shows: the voice's preview plays.
    bool isSpeaking() const { return !m_frame.isNull(); }

    // The grid's keyboard focus rests on this tile.
    void setFocusMarked(bool marked);
    // What the keyboard does to the tile, as the mouse does it: a press
    // chooses it; a double-click, which presses first, also previews it.
    void choose();
    void preview();

signals:
    void sigDoubleClicked();
    void sigClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Background colours by look; the keys index m_colors.
    enum Look { Normal = 0, Hover = 1, Pressed = 2, Disabled = 3 };

    void loadImages();
    void loadColors();

    bool m_male;
    bool m_selected = false;
    QString m_showName;
    QString m_code;
    int m_id;
    QImage m_avatar;
    QImage m_voiceIcon;
    QImage m_frame;
    QMap<int, QColor> m_colors;
    bool m_pressed = false;
    bool m_hovered = false;
    bool m_focusMarked = false;
};
