#pragma once

#include <QString>

// The voice number the audition plays for a classic vocalist; the fallback
// vocalist's for an identifier it does not know. Identifiers compare
// case-sensitively.
int vocalistVoiceNumber(const QString& identifier);

constexpr int FallbackVocalistVoice = 259;
// The vocalist whose voice FallbackVocalistVoice is.
inline const QString FallbackVocalist = QStringLiteral("Aijia");
