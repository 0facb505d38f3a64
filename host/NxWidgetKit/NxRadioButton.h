#pragma once

#include "NxToggleButton.h"

#include <QRadioButton>

// A radio button in the kit's look: an accent ring with a dot, and its text.
// Grouping is Qt's (auto-exclusive siblings, or a QButtonGroup).
class NxRadioButton : public NxToggleButton<QRadioButton, NxControlPainter::RadioMark>
{
    Q_OBJECT

public:
    // "creatRadioButton" is the host kit's own spelling; callers depend on it.
    static NxRadioButton* creatRadioButton(QWidget* parent);

    explicit NxRadioButton(QWidget* parent = nullptr);
};
