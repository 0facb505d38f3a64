#include "NxStudioVoices.h"

#include "INxTextToSpeechQuery.h"

namespace
{
const QString DefaultLanguage = QStringLiteral("en-US");
}

bool NxStudioVoices::catalogue(QList<NxTextToSpeechVoiceInfo>& voices)
{
    INxTextToSpeechQuery* query = INxTextToSpeechQuery::create();
    if (!query)
        return false;
    const bool answered = query->getVoiceList(voices);
    query->release();
    return answered;
}

const NxTextToSpeechVoiceInfo* NxStudioVoices::pick(const QList<NxTextToSpeechVoiceInfo>& voices,
                                                    std::optional<int> id)
{
    for (const NxTextToSpeechVoiceInfo& voice : voices) {
        if (id ? voice.id == *id : voice.languageCode == DefaultLanguage)
            return &voice;
    }
    return nullptr;
}

TextToSpeechTaskParam NxStudioVoices::param(const NxTextToSpeechVoiceInfo& voice, int speed, int pitch)
{
    TextToSpeechTaskParam param;
    param.languageCode = voice.languageCode;
    param.voiceId = voice.id;
    param.voiceCode = voice.code;
    param.voiceName = voice.showName;
    param.speed = speed;
    param.intonation = pitch;
    return param;
}
