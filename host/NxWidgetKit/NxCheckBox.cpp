#include "NxCheckBox.h"

NxCheckBox* NxCheckBox::CreateCheckBox(QWidget* parent)
{
    return new NxCheckBox(parent);
}

NxCheckBox::NxCheckBox(QWidget* parent)
    : NxToggleButton(parent)
{
}
