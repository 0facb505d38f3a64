#include "INxSpeechServicePresenter.h"
#include "NxSpeechServiceDialog.h"
#include "NxTextToSpeechParamDlg.h"

#include <QApplication>

#include <cstdio>

// Builds the service window and a parameter dialog through the exported
// classes alone; a missing header, symbol or library fails before main or here.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    NxSpeechServiceDialog dialog(nullptr);
    dialog.showTab(NxSpeechServiceDialog::TextToSpeech);
    NxTextToSpeechParamDlg parameters(&dialog);
    if (!dialog.presenter() || dialog.windowTitle().isEmpty() || parameters.windowTitle().isEmpty()) {
        std::fputs("a window has no title or the service window no presenter\n", stderr);
        return 1;
    }
    std::printf("%s\n", qPrintable(dialog.windowTitle()));
    return 0;
}
