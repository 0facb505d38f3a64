#pragma once

#include <functional>

class QWidget;

// Keeps a shown modal parameter dialog reachable while the host window it
// was opened for is minimised or hidden: a modal dialog left alone on the
// desktop blocks the whole host, and the user may not find it again. The
// watch brings the host window back and the dialog above it.
namespace NxHostWindowWatch
{
// Period of the watch, in milliseconds.
inline constexpr int Interval = 50;

// True while `host`'s window is on screen and not minimised.
bool isHostWindowShown(const QWidget* host);
// When `dialog` is shown and `host`'s window is not: restores the host window
// (keeping it maximised if it was) and raises and activates the dialog.
// A null host is left alone.
void check(QWidget* host, QWidget* dialog);
// Runs check(host(), dialog) every Interval ms for as long as `dialog` lives,
// on a timer the dialog owns. `host` is asked each time, so the dialog can
// change the widget it watches.
void start(QWidget* dialog, std::function<QWidget*()> host);
}
