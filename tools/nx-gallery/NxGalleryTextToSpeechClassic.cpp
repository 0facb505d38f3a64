#include "NxGalleryTextToSpeechClassic.h"

#include "NxPushButton.h"
#include "NxRadioButton.h"
#include "NxTextToSpeechParamDlg.h"

#include <QCoreApplication>
#include <QHash>
#include <QTranslator>

#include <cstdio>

namespace
{
class GermanTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }

    QString translate(const char*, const char* source, const char*, int) const override
    {
        static const QHash<QString, QString> texts = {
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
        save(&dialog, folder, QStringLiteral("tts-classic"), skin);
        chooseSomething(dialog);
        save(&dialog, folder, QStringLiteral("tts-classic-chosen"), skin);
    }
    GermanTranslator german;
    QCoreApplication::installTranslator(&german);
    {
        NxTextToSpeechParamDlg dialog(nullptr);
        chooseSomething(dialog);
        save(&dialog, folder, QStringLiteral("tts-classic-german"), skin);
    }
    QCoreApplication::removeTranslator(&german);
}
