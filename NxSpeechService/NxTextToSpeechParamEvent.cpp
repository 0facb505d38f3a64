#include "NxTextToSpeechParamEvent.h"

#include <QHash>

namespace
{
const QHash<QString, QString>& toneColors()
{
    static const QHash<QString, QString> table{
        {QStringLiteral("Aida"), QStringLiteral("standard_male_voice")},
        {QStringLiteral("Aijia"), QStringLiteral("standard_female_voice")},
        {QStringLiteral("Aitong"), QStringLiteral("cute_child_voice")},
        {QStringLiteral("Xiaobei"), QStringLiteral("female_voice")},
        {QStringLiteral("Andy"), QStringLiteral("american_male_voice")},
        {QStringLiteral("Abby"), QStringLiteral("american_female_voice")},
        {QStringLiteral("Aixia"), QStringLiteral("kind_female_voice")},
        {QStringLiteral("Aimei"), QStringLiteral("sweet_female_voice")},
        {QStringLiteral("Aiqi"), QStringLiteral("gentle_female_voice")},
        {QStringLiteral("Aijing"), QStringLiteral("intellectual_female_voice")},
        {QStringLiteral("Luca"), QStringLiteral("british_male_voice")},
        {QStringLiteral("Emily"), QStringLiteral("british_female_voice.")},
        {QStringLiteral("Lydia"), QStringLiteral("billingual_female_voice")},
        {QStringLiteral("Shanshan"), QStringLiteral("cantonese_female_voice")},
        {QStringLiteral("Aishuo"), QStringLiteral("natural_male_voice")},
        {QStringLiteral("Aiyu"), QStringLiteral("natural_female_voice")},
    };
    return table;
}

const QHash<int, QString>& tones()
{
    static const QHash<int, QString> table{
        {-1, QStringLiteral("lowering")},
        {0, QStringLiteral("normal")},
        {1, QStringLiteral("resounding")},
    };
    return table;
}

const QHash<int, QString>& speeds()
{
    static const QHash<int, QString> table{
        {-2, QStringLiteral("slow")},
        {0, QStringLiteral("normal")},
        {2, QStringLiteral("fast")},
    };
    return table;
}
}

NxTextToSpeechParamEvent::NxTextToSpeechParamEvent()
    : NxTrackEvent(QStringLiteral("title_audio_params_setting"))
{
}

void NxTextToSpeechParamEvent::setParams(const QString& voiceCode, int intonation, int speed)
{
    m_toneColor = toneColors().value(voiceCode, voiceCode);
    m_tone = tones().value(intonation, QString::number(intonation));
    m_speed = speeds().value(speed, QString::number(speed));
}

void NxTextToSpeechParamEvent::sendEvent()
{
    setProperty(QStringLiteral("tone_color"), m_toneColor);
    setProperty(QStringLiteral("tone"), m_tone);
    setProperty(QStringLiteral("speed"), m_speed);
    NxTrackEvent::sendEvent();
}
