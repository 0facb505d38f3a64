#include "NxTextToSpeechVocalists.h"

#include <QHash>

namespace
{
// Built when the library loads; only read afterwards.
const QHash<QString, int> vocalistVoiceTable = {
    {QStringLiteral("Aijia"), 259},   {QStringLiteral("Aida"), 260},    {QStringLiteral("Aiqi"), 261},
    {QStringLiteral("Aijing"), 262},  {QStringLiteral("Aixia"), 263},   {QStringLiteral("Aimei"), 264},
    {QStringLiteral("Aishuo"), 265},  {QStringLiteral("Aiyu"), 266},    {QStringLiteral("Xiaobei"), 267},
    {QStringLiteral("Aitong"), 268},  {QStringLiteral("Luca"), 269},    {QStringLiteral("Emily"), 270},
    {QStringLiteral("Abby"), 271},    {QStringLiteral("Andy"), 272},    {QStringLiteral("Shanshan"), 273},
    {QStringLiteral("Xiaoze"), 274},  {QStringLiteral("Lydia"), 275},
};
}

int vocalistVoiceNumber(const QString& identifier)
{
    return vocalistVoiceTable.value(identifier, FallbackVocalistVoice);
}
