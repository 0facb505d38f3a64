#pragma once

#include "NxToggleButton.h"

#include <QCheckBox>

// A check box in the kit's look: an accent box with a tick, and its text.
// The tick stays visible, dimmed, while the box is disabled.
class NxCheckBox : public NxToggleButton<QCheckBox, NxControlPainter::CheckMark>
{
    Q_OBJECT

public:
    static NxCheckBox* CreateCheckBox(QWidget* parent);

    explicit NxCheckBox(QWidget* parent = nullptr);
};
