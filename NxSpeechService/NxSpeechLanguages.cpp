#include "NxSpeechLanguages.h"

#include "NxAppSettings.h"
#include "NxComboBox.h"

#include <QSignalBlocker>

namespace
{
struct Language
{
    int id;
    const char* code;
    const char* name;
};

// In the order the combo lists them: English (UK) beside English (US),
// Cantonese before Mandarin.
constexpr Language Languages[] = {
    {1, "en-US", QT_TRANSLATE_NOOP("QObject", "English (US)")},
    {19, "en-GB", QT_TRANSLATE_NOOP("QObject", "English (UK)")},
    {2, "de-DE", QT_TRANSLATE_NOOP("QObject", "German (Germany)")},
    {3, "es-ES", QT_TRANSLATE_NOOP("QObject", "Spanish (Spain)")},
    {4, "fr-FR", QT_TRANSLATE_NOOP("QObject", "French (France)")},
    {5, "it-IT", QT_TRANSLATE_NOOP("QObject", "Italian (Italy)")},
    {6, "pt-BR", QT_TRANSLATE_NOOP("QObject", "Portuguese (Brazil)")},
    {7, "ja-JP", QT_TRANSLATE_NOOP("QObject", "Japanese (Japan)")},
    {9, "yue-HK", QT_TRANSLATE_NOOP("QObject", "Chinese (Cantonese)")},
    {8, "cmn-TW", QT_TRANSLATE_NOOP("QObject", "Chinese (Mandarin, TW)")},
    {10, "ru-RU", QT_TRANSLATE_NOOP("QObject", "Russian (Russia)")},
    {11, "nl-NL", QT_TRANSLATE_NOOP("QObject", "Dutch (Netherlands)")},
    {12, "ar-XA", QT_TRANSLATE_NOOP("QObject", "Arabic (United Arab Emirates)")},
    {13, "ko-KR", QT_TRANSLATE_NOOP("QObject", "Korean (Korea)")},
    {14, "pl-PL", QT_TRANSLATE_NOOP("QObject", "Polish (Poland)")},
    {15, "ro-RO", QT_TRANSLATE_NOOP("QObject", "Romanian (Romania)")},
    {16, "id-ID", QT_TRANSLATE_NOOP("QObject", "Indonesian (Indonesia)")},
    {17, "sv-SE", QT_TRANSLATE_NOOP("QObject", "Swedish (Sweden)")},
};

// The host numbers Cantonese 8, which is Mandarin's id here.
constexpr int HostCantonese = 8;
constexpr int CantoneseId = 9;

template <typename Field>
QMap<int, QString> tableOf(Field field)
{
    QMap<int, QString> table;
    for (const Language& language : Languages)
        table.insert(language.id, QString::fromLatin1(language.*field));
    return table;
}

QList<int> voiceRange(int first, int last)
{
    QList<int> ids;
    for (int id = first; id <= last; ++id)
        ids.append(id);
    return ids;
}
}

const QMap<int, QString> languageCodeTable = tableOf(&Language::code);
const QMap<int, QString> languageNameTable = tableOf(&Language::name);
const QMap<QString, QList<int>> languageVoiceTable = {
    {QStringLiteral("en-US"), voiceRange(70, 79)},  {QStringLiteral("en-GB"), voiceRange(57, 61)},
    {QStringLiteral("de-DE"), voiceRange(112, 117)}, {QStringLiteral("es-ES"), {226, 228}},
    {QStringLiteral("fr-FR"), voiceRange(103, 107)}, {QStringLiteral("it-IT"), voiceRange(144, 147)},
    {QStringLiteral("pt-BR"), {203, 277}},           {QStringLiteral("ja-JP"), voiceRange(152, 155)},
    {QStringLiteral("cmn-TW"), voiceRange(179, 181)}, {QStringLiteral("yue-HK"), voiceRange(12, 15)},
    {QStringLiteral("ru-RU"), voiceRange(219, 223)}, {QStringLiteral("nl-NL"), voiceRange(31, 35)},
    {QStringLiteral("ar-XA"), {5, 6, 7}},            {QStringLiteral("ko-KR"), voiceRange(162, 165)},
    {QStringLiteral("pl-PL"), voiceRange(197, 201)}, {QStringLiteral("ro-RO"), {213}},
    {QStringLiteral("id-ID"), voiceRange(136, 139)}, {QStringLiteral("sv-SE"), {230}},
};

void fillLanguageCombo(NxComboBox* combo)
{
    if (!combo)
        return;
    const QSignalBlocker blocker(combo);
    for (const Language& language : Languages)
        combo->addItem(QObject::tr(language.name), language.id);
    combo->setCurrentIndex(-1);

    int interfaceLanguage = NxAppSettings::GetInstance()->GetSettings()->GetGeneralSetting()->GetLanguage();
    if (interfaceLanguage == HostCantonese)
        interfaceLanguage = CantoneseId;
    combo->setCurrentIndex(combo->findData(interfaceLanguage)); // -1 keeps it empty
}

void retranslateLanguageCombo(NxComboBox* combo)
{
    if (!combo)
        return;
    for (int index = 0; index < combo->count(); ++index) {
        const QString name = languageNameTable.value(combo->itemData(index).toInt());
        combo->setItemText(index, QObject::tr(name.toLatin1().constData()));
    }
}
