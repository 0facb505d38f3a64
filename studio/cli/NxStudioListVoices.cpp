#include "NxStudioCommands.h"

#include "NxStudioConsole.h"
#include "NxStudioVoices.h"

#include <QCommandLineParser>

namespace
{

const char* const Help = R"(Usage: nx-studio voices [--language CODE]

Lists the voices that 'nx-studio speak --voice ID' and the editor's
text-to-speech offer, one a line: id, language, name, male or female,
separated by tabs.

Options:
  --language CODE  only the voices of this language, such as de-DE
  -h, --help       shows this help)";

const QString Command = QStringLiteral("voices");

} // namespace

int NxStudioCommands::voices(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption language(QStringLiteral("language"), QString(), QStringLiteral("CODE"));
    parser.addOption(language);
    if (const std::optional<int> done = parse(parser, Command, Help, arguments))
        return *done;
    const QStringList stray = parser.positionalArguments();
    if (!stray.isEmpty())
        return NxStudioConsole::usageError(Command, QStringLiteral("unexpected ") + stray.first());

    QList<NxTextToSpeechVoiceInfo> voices;
    if (!NxStudioVoices::catalogue(voices)) {
        NxStudioConsole::err(QStringLiteral("nx-studio voices: the voice catalogue cannot be read"));
        return NxStudioConsole::Failed;
    }
    QStringList languages;
    for (const NxTextToSpeechVoiceInfo& voice : qAsConst(voices)) {
        if (!languages.contains(voice.languageCode))
            languages.append(voice.languageCode);
    }
    const QString wanted = parser.value(language);
    if (parser.isSet(language) && !languages.contains(wanted))
        return NxStudioConsole::usageError(Command, QStringLiteral("no voices for ") + wanted
                                                        + QStringLiteral("; there are voices for ")
                                                        + languages.join(QStringLiteral(", ")));

    for (const NxTextToSpeechVoiceInfo& voice : qAsConst(voices)) {
        if (!parser.isSet(language) || voice.languageCode == wanted)
            NxStudioConsole::out(QStringLiteral("%1\t%2\t%3\t%4")
                                     .arg(QString::number(voice.id), voice.languageCode, voice.showName,
                                          voice.male ? QStringLiteral("male") : QStringLiteral("female")));
    }
    return 0;
}
