#pragma once

#include "NxTextToSpeechRecords.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// One voice of the catalogue with what espeak-ng needs to speak it.
struct NxCatalogueVoice
{
    NxTextToSpeechVoiceInfo info;
    QByteArray espeakVoice; // espeak-ng voice name with its variant: "en-us+m3"
    QString sample;         // a short sentence in the voice's language, for previews
};

// The fixed set of offline voices: ids, codes and names per language code,
// each backed by an espeak-ng language voice and a variant. Built on first
// use without touching espeak-ng; safe to read from any thread.
class NxVoiceCatalogue
{
public:
    static const NxVoiceCatalogue& instance();

    const QList<NxCatalogueVoice>& voices() const { return m_voices; }
    QList<NxTextToSpeechVoiceInfo> voiceInfos() const;
    // Language codes in catalogue order, each once.
    QStringList languages() const;
    QList<NxTextToSpeechVoiceInfo> voicesOfLanguage(const QString& languageCode) const;

    // Null when unknown.
    const NxCatalogueVoice* byId(int id) const;
    const NxCatalogueVoice* byCode(const QString& code) const;

private:
    NxVoiceCatalogue();

    QList<NxCatalogueVoice> m_voices;
};
