#include "NxDialog.h"

#include <QKeyEvent>

NxDialog::NxDialog(QWidget* parent, Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
}

void NxDialog::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        // Closing is the title bar's and the buttons' business.
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}
