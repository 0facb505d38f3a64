#include "NxGallerySpeechToTextParam.h"

#include "NxGalleryOutput.h"

#include "NxSpeechToTextParamDialog.h"

#include <QCoreApplication>
#include <QHash>

namespace
{
// A German translation long enough to wrap the check box.
QHash<QString, QString> germanTexts()
{
    return {
        {"Speech-to-Text parameter selection tip", "Parameter für die Spracherkennung"},
        {"Language of the audio to be transcribed:", "Sprache des zu transkribierenden Audios:"},
        {"Select the file to be converted: ", "Wählen Sie die zu konvertierende Datei: "},
        {"Clip selection", "Clipauswahl"},
        {"The entire timeline sequence", "Die gesamte Sequenz der Zeitleiste"},
        {"Transcriptions are automatically matched to the timeline",
         "Transkriptionen werden automatisch an der Zeitleiste ausgerichtet und eingefügt"},
        {"Cancel", "Abbrechen"},
        {"English (US)", "Englisch (USA)"},
    };
}

}

void renderSpeechToTextParam(const QString& folder, const QString& skin)
{
    {
        NxSpeechToTextParamDialog dialog(nullptr);
        writePage(&dialog, folder, QStringLiteral("stt-param"), skin);
    }
    {
        NxSpeechToTextParamDialog dialog(nullptr);
        dialog.setTimelineRatioState(false, false);
        dialog.setCheckState(true, false);
        writePage(&dialog, folder, QStringLiteral("stt-param-clip-only"), skin);
    }
    NxGalleryTranslator german(germanTexts());
    QCoreApplication::installTranslator(&german);
    {
        NxSpeechToTextParamDialog dialog(nullptr);
        writePage(&dialog, folder, QStringLiteral("stt-param-german"), skin);
    }
    QCoreApplication::removeTranslator(&german);
}
