#pragma once

#include "NxTextToSpeechRecords.h"

#include <QByteArray>
#include <QList>
#include <QString>

// "voice_list.json": the last voice catalogue the text-to-speech query gave,
// the fallback when the query fails. An object whose members are the voices'
// 1-based positions ("1", "2", ...), each holding "id", "code",
// "languageCode", "male" and "showName".
namespace NxVoiceListCache
{
// The cache in the host's voice-list folder.
QString filePath();

// Replaces the file as a whole: a failed or interrupted write leaves the old
// cache in place. False when it cannot be written.
bool write(const QString& path, const QList<NxTextToSpeechVoiceInfo>& voices);

// The voices of a cache's content, in the order the object yields its
// members (by member name as text: "10" before "2"). A member that is no
// object, is empty or lacks one of the five keys is skipped; a wrong type
// reads as 0, an empty text or false. Content that is no JSON object gives
// no voices.
QList<NxTextToSpeechVoiceInfo> parse(const QByteArray& content);

// Reads the file into `voices`. False, with `voices` untouched, when the file
// cannot be opened; a file too large to be a cache reads as no voices.
bool read(const QString& path, QList<NxTextToSpeechVoiceInfo>& voices);
}
