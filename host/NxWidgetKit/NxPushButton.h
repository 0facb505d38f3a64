#pragma once

#include "NxSkinColor.h"

#include <QColor>
#include <QPushButton>

// Heights of the kit's push buttons, in pixels.
enum NButtonSizeKind
{
    NButtonSize24 = 24,
    NButtonSize32 = 32
};

// A push button in the kit's look: primary buttons are filled with the
// accent and carry a dialog's main action; secondary buttons are outlined
// and neutral, and show the accent while checked (a choice among several).
class NxPushButton : public QPushButton
{
    Q_OBJECT

public:
    enum Emphasis
    {
        Primary,
        Secondary
    };

    // `sizeKind` is an NButtonSizeKind; any other value gives the 32 px button.
    static NxPushButton* CreatePrimaryButton(QWidget* parent, int sizeKind = NButtonSize32);
    static NxPushButton* CreateSecondaryButton(QWidget* parent, int sizeKind = NButtonSize32);

    NxPushButton(QWidget* parent, Emphasis emphasis, int sizeKind);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Look
    {
        QColor fill;
        QColor outline; // invalid: none
        NxSkinColor::NxColorType text = NxSkinColor::Text_Icon_Primary;
        NxSkinColor::NxColorType ring = NxSkinColor::VarneloX_Primary;
    };
    Look look() const;

    Emphasis m_emphasis;
    int m_height;
};
