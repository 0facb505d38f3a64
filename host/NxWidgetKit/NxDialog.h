#pragma once

#include <QDialog>

// Base of the host's dialogs. Enter and Return do not close a kit dialog:
// its buttons say what they do, and a stray key press should not.
class NxDialog : public QDialog
{
    Q_OBJECT

public:
    explicit NxDialog(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
