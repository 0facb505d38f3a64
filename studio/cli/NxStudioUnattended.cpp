#include "NxStudioUnattended.h"

#include "NxStudioConsole.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QStringList>

NxStudioUnattended::NxStudioUnattended(QObject* parent)
    : QObject(parent)
{
    qApp->installEventFilter(this);
}

NxStudioUnattended::~NxStudioUnattended()
{
    qApp->removeEventFilter(this);
}

bool NxStudioUnattended::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = event->type() == QEvent::Show ? qobject_cast<QDialog*>(watched) : nullptr;
    if (!box || !box->isModal())
        return false;
    QStringList words;
    for (const QLabel* label : box->findChildren<QLabel*>()) {
        if (!label->text().isEmpty())
            words.append(label->text().simplified());
    }
    NxStudioConsole::err(QStringLiteral("nx-studio: declined, as no one can answer: ") + words.join(QLatin1Char(' ')));
    // After the box's own loop has started; a box gone by then takes the call with it.
    QMetaObject::invokeMethod(box, &QDialog::reject, Qt::QueuedConnection);
    return false;
}
