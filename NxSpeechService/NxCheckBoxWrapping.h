#pragma once

class QCheckBox;

// A parameter panel's check box sits on one row with the OK and Cancel
// buttons: a long translation is broken at the last space of its first 60
// characters onto a second line and the box grows from 16 to 32 px. Call it
// after setting the box's text.
void wrapCheckBoxText(QCheckBox* box);
