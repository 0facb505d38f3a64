#pragma once

#include <QObject>
#include <QString>

#include <functional>

class NxFramelessDialog;
class QWidget;

// The first child of `parent` of type T whose `caption` reads `text`; null when none does.
template <typename T, typename Caption = QString (T::*)() const>
T* childCaptioned(const QObject* parent, const QString& text, Caption caption = &T::text)
{
    for (T* child : parent->findChildren<T*>())
        if ((child->*caption)() == text)
            return child;
    return nullptr;
}

// Runs `act` on the modal window as soon as one is up; the watch ends with `context`.
void whenModal(QObject* context, const std::function<void(QWidget*)>& act);

// Closes `dialog` as a user would: "close" clicks the title bar's close, "Escape"
// presses it, "Return" presses Return (which must leave the dialog open) and then
// Escape; anything else clicks the push button of that caption.
void dismissDialog(NxFramelessDialog* dialog, const QString& how);
