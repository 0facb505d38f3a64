#include "NxRadioButton.h"

NxRadioButton* NxRadioButton::creatRadioButton(QWidget* parent)
{
    return new NxRadioButton(parent);
}

NxRadioButton::NxRadioButton(QWidget* parent)
    : NxToggleButton(parent)
{
}
