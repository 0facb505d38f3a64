#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

// The buttons a message box can have, by the code it returns for each.
enum NStandardButton {
    NoButton = 0, // the box was closed without a button
    Ok = 1,
    Confirm = 2,  // the confirming button of every box
    Cancel = 3,
    No = 4,
};

enum NMessageType { Information = 0, Question = 1, Warning = 2, Error = 3 };

// Everything a message box shows. Buttons appear left to right in `buttons`;
// the two role fields name the box's confirming and cancelling buttons, and
// `buttonTexts` gives their captions in that order (other buttons keep
// their standard captions).
struct NMessageBoxParams
{
    QWidget* parent = nullptr;
    int width = 420;
    int height = 0; // 0: as tall as the content needs
    QString title;
    QString text;
    QList<int> buttons{Ok};
    QStringList buttonTexts;
    int acceptButton = Confirm;
    int rejectButton = Cancel;
    QString checkBoxText; // no check box when empty
    bool checkBoxChecked = false;
    int messageType = Information;
};
