#pragma once

#include <QString>

#include <functional>

class NMessageDialog;
class QObject;

// Acts on the next message box once it is the active modal window (a modal
// window under it is passed over). The watch polls until then and ends with
// `context`.
void whenMessageBoxOpens(QObject* context, const std::function<void(NMessageDialog*)>& act);
// Clicks the box's button captioned `caption`, or presses Escape when it has none.
void answerBox(NMessageDialog* box, const QString& caption);
