#pragma once

class NxCheckBox;
class QCheckBox;
class QWidget;

// The parameter panels' "matched to the timeline" check box, which sits on
// one row with the OK and Cancel buttons.

// The box, checked, in the panels' 12 px font; its text is the panel's own.
NxCheckBox* createMatchCheckBox(QWidget* parent);

// A long translation is broken at the last space of its first 60 characters
// onto a second line and the box grows from 16 to 32 px. Call it after
// setting the box's text.
void wrapCheckBoxText(QCheckBox* box);
