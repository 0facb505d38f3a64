#pragma once

#include "NxDialogDriver.h"

#include <QTest>
#include <QWidget>

#include <functional>

// Runs `act` on the next modal window, which must be a T:
//   whenModalOf<QInputDialog>(this, [](QInputDialog* input) { … });
template <typename T>
void whenModalOf(QObject* context, const std::function<void(T*)>& act)
{
    whenModal(context, [act](QWidget* modal) {
        T* window = qobject_cast<T*>(modal);
        QVERIFY2(window, modal->metaObject()->className());
        act(window);
    });
}
