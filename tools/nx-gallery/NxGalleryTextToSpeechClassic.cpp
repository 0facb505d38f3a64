#include "NxGalleryTextToSpeechClassic.h"

#include "NxGalleryOutput.h"

#include "NxPushButton.h"
#include "NxRadioButton.h"
#include "NxTextToSpeechParamDlg.h"

#include <QCoreApplication>
#include <QHash>

namespace
{
// The German words of the page in a long language; the controls keep their
// designed sizes, so this page shows which words a translation must shorten.
QHash<QString, QString> germanTexts()
{
    return {
        {"ParamSettings", "Parametereinstellungen"},
        {"tone", "Stimme"},
        {"paramSettings", "Parameter"},
        {"intonation:", "Tonhöhe:"},
        {"speeakrate:", "Sprechtempo:"},
        {"lowTone", "Tief"},
        {"normalTone", "Normal"},
        {"HighTone", "Hoch"},
        {"lowSpeak", "Langsam"},
        {"normalSpeak", "Normal"},
        {"HighSpeak", "Schnell"},
        {"Confirm", "Bestätigen"},
        {"Try Listen", "Probehören"},
        {"tips: Support Chinese And English Tranfer", "Hinweis: Chinesischer und englischer Text werden unterstützt"},
        {"tips: only Support EnglishTransfer", "Hinweis: nur englischer Text wird unterstützt"},
    };
}


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
    }
    NxGalleryTranslator german(germanTexts());
    QCoreApplication::installTranslator(&german);
    {
        NxTextToSpeechParamDlg dialog(nullptr);
        chooseSomething(dialog);
        writePage(&dialog, folder, QStringLiteral("tts-classic-german"), skin);
    }
    QCoreApplication::removeTranslator(&german);
}
