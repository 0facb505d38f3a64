#pragma once

#include "NxSynthesisVoice.h"
#include "NxTextToSpeechRecords.h"

#include <QList>
#include <QString>
#include <QStringList>

// One voice of the catalogue with what its synthesiser needs to speak it.
struct NxCatalogueVoice
{
    NxTextToSpeechVoiceInfo info;
    NxSynthesisVoice synthesis;
    QString sample; // a short sentence in the voice's language, for previews
};

// The fixed set of offline voices: ids, codes and names per language code,
// and beside them the classic dialog's vocalists, whose code is their
// identifier ("Aida") and whose id their number (259 to 275). English
// voices speak with Flite's voices, each with a pitch, pace and liveliness
// of its own; the other languages with an espeak-ng language voice and a
// variant. Built on first use without touching either library; safe to
// read from any thread.
class NxVoiceCatalogue
{
public:
    static const NxVoiceCatalogue& instance();

    // The voice list offered per language; the vocalists are not in it.
    const QList<NxCatalogueVoice>& voices() const { return m_voices; }
    const QList<NxCatalogueVoice>& vocalists() const { return m_vocalists; }
    QList<NxTextToSpeechVoiceInfo> voiceInfos() const;
    // Language codes in catalogue order, each once.
    QStringList languages() const;
    QList<NxTextToSpeechVoiceInfo> voicesOfLanguage(const QString& languageCode) const;

    // Voices and vocalists alike; null when unknown.
    const NxCatalogueVoice* byId(int id) const;
    const NxCatalogueVoice* byCode(const QString& code) const;

private:
    NxVoiceCatalogue();
    template <typename Predicate>
    const NxCatalogueVoice* find(Predicate matches) const;

    QList<NxCatalogueVoice> m_voices;
    QList<NxCatalogueVoice> m_vocalists;
};
