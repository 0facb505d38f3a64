#include "NxVoiceCatalogue.h"

#include "INxBaseLog.h"

#include <initializer_list>
#include <iterator>

namespace
{

// A Flite voice with the character one catalogue voice gives it.
struct FliteVariant
{
    const char* voice;
    double pitch; // mean fundamental in Hz
    double durationStretch;
    double liveliness;
};

struct Language
{
    const char* code;
    const char* espeakVoice; // null for the English ones, which speak with Flite
    std::initializer_list<int> ids;
    // Alternating male and female, matching Variants.
    std::initializer_list<const char*> names;
    const char* sample;
    // Why espeak-ng speaks the language poorly; null when it speaks it well.
    const char* limitation;
    // One per id.
    std::initializer_list<FliteVariant> flite = {};
};

// Alternating male and female so that neighbouring voices of one language
// differ most; espeak-ng has seven male and five female variants. The codes
// keep them for the English voices too.
const char* const Variants[] = {"m1", "f1", "m3", "f2", "m2", "f3", "m4", "f4", "m7", "f5"};

// Flite has one female voice (slt) and three male ones (rms, awb, kal16).
// Across all English voices, the vocalists' included, no two of one Flite
// voice share a pitch (at least 5 % apart) unless their pace differs by 8 %
// or more; every female voice is at least a fifth higher than the male
// voices of her language.
const char* const EnglishSample = "Hello, this is how my voice sounds.";

const Language Languages[] = {
    {"en-US", nullptr, {70, 71, 72, 73, 74, 75, 76, 77, 78, 79},
     {"Ethan", "Olivia", "Noah", "Emma", "Liam", "Ava", "Mason", "Sophia", "Lucas", "Mia"}, EnglishSample, nullptr,
     {{"rms", 100, 1.00, 1.0}, {"slt", 170, 1.00, 1.0}, {"kal16", 107, 1.00, 1.1}, {"slt", 200, 1.00, 1.2},
      {"awb", 125, 0.92, 1.0}, {"slt", 160, 1.08, 0.8}, {"rms", 88, 1.08, 0.8}, {"slt", 248, 0.92, 1.3},
      {"kal16", 94, 0.92, 1.2}, {"slt", 224, 1.08, 1.0}}},
    // awb's Scottish English serves the British voices.
    {"en-GB", nullptr, {57, 58, 59, 60, 61}, {"Oliver", "Amelia", "Harry", "Isla", "George"}, EnglishSample, nullptr,
     {{"awb", 135, 1.00, 1.0}, {"slt", 180, 0.92, 0.9}, {"rms", 114, 0.92, 1.1}, {"slt", 212, 0.92, 1.1},
      {"awb", 118, 1.08, 0.9}}},
    {"de-DE", "de", {112, 113, 114, 115, 116, 117}, {"Lukas", "Hannah", "Felix", "Lena", "Jonas", "Marie"},
     "Hallo, so klingt meine Stimme.", nullptr},
    {"es-ES", "es", {226, 228}, {"Pablo", "Lucia"}, "Hola, así suena mi voz.", nullptr},
    // espeak-ng finds voices by file name: French is "fr".
    {"fr-FR", "fr", {103, 104, 105, 106, 107}, {"Louis", "Camille", "Hugo", "Chloe", "Jules"},
     "Bonjour, voici ma voix.", nullptr},
    {"it-IT", "it", {144, 145, 146, 147}, {"Marco", "Giulia", "Luca", "Sofia"}, "Ciao, questa è la mia voce.",
     nullptr},
    {"pt-BR", "pt-br", {203, 277}, {"Joao", "Ana"}, "Olá, esta é a minha voz.", nullptr},
    // Kana on purpose: espeak-ng's Japanese has no kanji readings.
    {"ja-JP", "ja", {152, 153, 154, 155}, {"Haruto", "Yui", "Sota", "Hina"}, "こんにちは、これはわたしのこえです。",
     "reads kana only (kanji come out as \"Chinese letter\") and sounds robotic"},
    // The plain "cmn" voice of espeak-ng 1.51 speaks its own tone digits in
    // English; the pinyin voice reads Chinese characters correctly.
    {"cmn-TW", "cmn-latn-pinyin", {179, 180, 181}, {"Wei", "Mei", "Jun"}, "你好，這是我的聲音。",
     "Mandarin with rough tones; Latin letters are read as pinyin"},
    {"yue-HK", "yue", {12, 13, 14, 15}, {"Ka Ho", "Wing Yan", "Chun Kit", "Mei Ling"}, "你好，呢個係我把聲。",
     "Cantonese with rough tones"},
    {"ru-RU", "ru", {219, 220, 221, 222, 223}, {"Ivan", "Anna", "Dmitri", "Olga", "Sergei"},
     "Здравствуйте, это мой голос.", nullptr},
    {"nl-NL", "nl", {31, 32, 33, 34, 35}, {"Daan", "Sanne", "Bram", "Lotte", "Sem"}, "Hallo, zo klinkt mijn stem.",
     nullptr},
    // Diacritised: espeak-ng reads only fully vowelled Arabic properly.
    {"ar-XA", "ar", {5, 6, 7}, {"Omar", "Layla", "Karim"}, "مَرْحَبًا، هَذَا صَوْتِي.",
     "only fully diacritised text is pronounced properly"},
    {"ko-KR", "ko", {162, 163, 164, 165}, {"Minjun", "Seoyeon", "Jiho", "Jiwoo"}, "안녕하세요, 제 목소리입니다.",
     "basic Korean rules; robotic, with frequent mispronunciations"},
    {"pl-PL", "pl", {197, 198, 199, 200, 201}, {"Jakub", "Zofia", "Kacper", "Maja", "Szymon"},
     "Dzień dobry, tak brzmi mój głos.", nullptr},
    {"ro-RO", "ro", {213}, {"Andrei"}, "Bună ziua, aceasta este vocea mea.", nullptr},
    {"id-ID", "id", {136, 137, 138, 139}, {"Budi", "Siti", "Agus", "Dewi"}, "Halo, ini suara saya.", nullptr},
    {"sv-SE", "sv", {230}, {"Lars"}, "Hej, så här låter min röst.", nullptr},
};

// The classic dialog's named voices: tasks name them by identifier, previews
// by number. Each has a voice of its own so that no two sound alike: the
// English ones a Flite variant, the Chinese ones an espeak-ng variant of
// Mandarin, whose pinyin voice reads Chinese characters right but English
// words only roughly.
struct Vocalist
{
    const char* identifier;
    int number;
    bool male;
    const char* mandarinVariant; // null for the English ones
    FliteVariant english;
};

const Vocalist Vocalists[] = {
    {"Aijia", 259, false, "f1", {}},       {"Aida", 260, true, "m1", {}},
    {"Aiqi", 261, false, "f2", {}},        {"Aijing", 262, false, "f3", {}},
    // Alicia: f4 sounds within 5 % of Aiqi's f2 in pitch and in timbre.
    {"Aixia", 263, false, "Alicia", {}},   {"Aimei", 264, false, "f5", {}},
    {"Aishuo", 265, true, "m3", {}},       {"Aiyu", 266, false, "linda", {}},
    {"Xiaobei", 267, false, "steph", {}},  {"Aitong", 268, false, "anika", {}},
    {"Luca", 269, true, nullptr, {"kal16", 122, 1.08, 1.0}},
    {"Emily", 270, false, nullptr, {"slt", 190, 1.08, 1.1}},
    {"Abby", 271, false, nullptr, {"slt", 236, 1.00, 1.2}},
    {"Andy", 272, true, nullptr, {"awb", 145, 0.92, 1.2}},
    {"Shanshan", 273, false, "Annie", {}}, {"Xiaoze", 274, true, "m7", {}},
    {"Lydia", 275, false, "aunty", {}},
};
const char* const MandarinCode = "zh-CN";
const char* const MandarinVoice = "cmn-latn-pinyin";
const char* const MandarinSample = "你好，这是我的声音。";

NxSynthesisVoice fliteVoice(const FliteVariant& variant)
{
    NxSynthesisVoice voice;
    voice.engine = NxSynthesisVoice::Engine::Flite;
    voice.name = variant.voice;
    voice.pitch = variant.pitch;
    voice.durationStretch = variant.durationStretch;
    voice.liveliness = variant.liveliness;
    return voice;
}

NxSynthesisVoice espeakVoice(const char* languageVoice, const char* variant)
{
    NxSynthesisVoice voice;
    voice.name = QByteArray(languageVoice) + '+' + variant;
    return voice;
}
}

const NxVoiceCatalogue& NxVoiceCatalogue::instance()
{
    static const NxVoiceCatalogue catalogue;
    return catalogue;
}

NxVoiceCatalogue::NxVoiceCatalogue()
{
    for (const Language& language : Languages) {
        Q_ASSERT(language.ids.size() == language.names.size() && language.ids.size() <= std::size(Variants));
        Q_ASSERT(language.espeakVoice ? language.flite.size() == 0 : language.flite.size() == language.ids.size());
        const auto* name = language.names.begin();
        const char* const* variant = Variants;
        const FliteVariant* flite = language.flite.begin();
        for (const int id : language.ids) {
            NxCatalogueVoice voice;
            voice.info.id = id;
            voice.info.showName = QString::fromLatin1(*name++);
            voice.info.languageCode = QString::fromLatin1(language.code);
            voice.info.code = voice.info.languageCode + QLatin1Char('-') + QString::fromLatin1(*variant);
            voice.info.male = **variant == 'm';
            voice.synthesis = language.espeakVoice ? espeakVoice(language.espeakVoice, *variant) : fliteVoice(*flite++);
            voice.sample = QString::fromUtf8(language.sample);
            m_voices.append(voice);
            ++variant;
        }
        if (language.limitation) {
            NX_LOG_INFO("voices of %s (espeak-ng \"%s\") speak it poorly: %s", language.code, language.espeakVoice,
                        language.limitation);
        }
    }
    for (const Vocalist& vocalist : Vocalists) {
        const bool english = !vocalist.mandarinVariant;
        NxCatalogueVoice voice;
        voice.info.id = vocalist.number;
        voice.info.showName = QString::fromLatin1(vocalist.identifier);
        voice.info.code = voice.info.showName;
        voice.info.languageCode = QString::fromLatin1(english ? "en-US" : MandarinCode);
        voice.info.male = vocalist.male;
        voice.synthesis = english ? fliteVoice(vocalist.english) : espeakVoice(MandarinVoice, vocalist.mandarinVariant);
        voice.sample = QString::fromUtf8(english ? EnglishSample : MandarinSample);
        m_vocalists.append(voice);
    }
}

QList<NxTextToSpeechVoiceInfo> NxVoiceCatalogue::voiceInfos() const
{
    QList<NxTextToSpeechVoiceInfo> infos;
    infos.reserve(m_voices.size());
    for (const NxCatalogueVoice& voice : m_voices)
        infos.append(voice.info);
    return infos;
}

QStringList NxVoiceCatalogue::languages() const
{
    QStringList codes;
    for (const NxCatalogueVoice& voice : m_voices) {
        if (!codes.contains(voice.info.languageCode))
            codes.append(voice.info.languageCode);
    }
    return codes;
}

QList<NxTextToSpeechVoiceInfo> NxVoiceCatalogue::voicesOfLanguage(const QString& languageCode) const
{
    QList<NxTextToSpeechVoiceInfo> infos;
    for (const NxCatalogueVoice& voice : m_voices) {
        if (voice.info.languageCode.compare(languageCode, Qt::CaseInsensitive) == 0)
            infos.append(voice.info);
    }
    return infos;
}

const NxCatalogueVoice* NxVoiceCatalogue::byId(int id) const
{
    return find([id](const NxCatalogueVoice& voice) { return voice.info.id == id; });
}

const NxCatalogueVoice* NxVoiceCatalogue::byCode(const QString& code) const
{
    return find([&code](const NxCatalogueVoice& voice) { return voice.info.code == code; });
}

template <typename Predicate>
const NxCatalogueVoice* NxVoiceCatalogue::find(Predicate matches) const
{
    for (const QList<NxCatalogueVoice>* list : {&m_voices, &m_vocalists}) {
        for (const NxCatalogueVoice& voice : *list) {
            if (matches(voice))
                return &voice;
        }
    }
    return nullptr;
}
