#include "NxGalleryTextToSpeechClassic.h"

#include "NxGalleryOutput.h"

#include "NxPushButton.h"
#include "NxRadioButton.h"
#include "NxTextToSpeechParamDlg.h"

#include <QAbstractButton>
#include <QButtonGroup>

namespace
{
// Emily, the low tone and the fast rate, clicked as a user would.
void chooseSomething(NxTextToSpeechParamDlg& dialog)
{
    for (auto* button : dialog.findChildren<NxPushButton*>(QStringLiteral("NxTextToSpeech_tone_btn")))
        if (button->property("id").toString() == QLatin1String("Emily"))
            button->click();
    const QList<NxRadioButton*> radios = dialog.findChildren<NxRadioButton*>();
    radios.first()->click();
    radios.last()->click();
}
}

void renderTextToSpeechClassic(const QString& folder, const QString& skin)
{
    {
        NxTextToSpeechParamDlg dialog(nullptr);
        writePage(&dialog, folder, QStringLiteral("tts-classic"), skin);
        chooseSomething(dialog);
        writePage(&dialog, folder, QStringLiteral("tts-classic-chosen"), skin);
        // The vocalists reached with Tab, at the chosen one, and a row down.
        QWidget* chosen = dialog.findChild<QButtonGroup*>()->checkedButton();
        focusByKeyboard(chosen, {Qt::Key_Up});
        writePage(&dialog, folder, QStringLiteral("tts-classic-keyboard"), skin);
    }
}
