#include "NxGallerySpeechToTextParam.h"

#include "NxSpeechToTextParamDialog.h"

#include <QCoreApplication>
#include <QHash>
#include <QTranslator>

#include <cstdio>

namespace
{
// A German translation long enough to wrap the check box.
class GermanTranslator : public QTranslator
{
public:
    QString translate(const char*, const char* source, const char*, int) const override
    {
        static const QHash<QString, QString> texts = {
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
        return texts.value(QString::fromUtf8(source));
    }
};

void save(QWidget* widget, const QString& folder, const QString& name, const QString& skin)
{
    widget->show();
    for (int round = 0; round < 3; ++round)
        QCoreApplication::processEvents();
    const QString path = QStringLiteral("%1/%2-%3.png").arg(folder, name, skin);
    widget->grab().save(path);
    std::printf("%s\n", qPrintable(path));
    std::fflush(stdout);
}
}

void renderSpeechToTextParam(const QString& folder, const QString& skin)
{
    {
        NxSpeechToTextParamDialog dialog(nullptr);
        save(&dialog, folder, QStringLiteral("stt-param"), skin);
    }
    {
        NxSpeechToTextParamDialog dialog(nullptr);
        dialog.setTimelineRatioState(false, false);
        dialog.setCheckState(true, false);
        save(&dialog, folder, QStringLiteral("stt-param-clip-only"), skin);
    }
    GermanTranslator german;
    QCoreApplication::installTranslator(&german);
    {
        NxSpeechToTextParamDialog dialog(nullptr);
        save(&dialog, folder, QStringLiteral("stt-param-german"), skin);
    }
    QCoreApplication::removeTranslator(&german);
}
