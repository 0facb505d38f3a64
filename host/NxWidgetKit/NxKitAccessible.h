#pragma once

// Reader interfaces for the kit's controls whose looks Qt's own interfaces
// read wrongly or not at all: push, tab and tool buttons (names of icon-only
// buttons, tabs as tabs, a click for press), the ungrouped radio button and
// the step slider (its step's word as the value). Check boxes, grouped radio
// buttons and the combo box keep Qt's interfaces, which read them right.
namespace NxKitAccessible
{
// Registers the kit's factory with QAccessible; once per process, however
// often it is called. The kit calls it when an application starts.
void install();
}
