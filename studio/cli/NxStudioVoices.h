#pragma once

#include "NxTextToSpeechRecords.h"
#include "TextToSpeechTaskParam.h"

#include <QList>

#include <optional>

// The voice catalogue as the voice-list dialog has it, from the task model's
// voice query, and the task parameters that speak with one of its voices.
namespace NxStudioVoices
{
// False when the query cannot answer.
bool catalogue(QList<NxTextToSpeechVoiceInfo>& voices);
// The voice with `id`, or the first American English one when `id` is unset;
// null when there is none.
const NxTextToSpeechVoiceInfo* pick(const QList<NxTextToSpeechVoiceInfo>& voices, std::optional<int> id);
// `speed` and `pitch` are the sliders' steps, -2 to 2; results stay off the timeline.
TextToSpeechTaskParam param(const NxTextToSpeechVoiceInfo& voice, int speed, int pitch);
}
