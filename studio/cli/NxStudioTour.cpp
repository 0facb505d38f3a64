#include "NxStudioCommands.h"

#include "NxDataHome.h"
#include "NxStudioConsole.h"
#include "NxStudioProgress.h"
#include "NxStudioSession.h"
#include "NxStudioVoices.h"

#include <QCommandLineParser>
#include <QFile>

namespace
{

const char* const Help = R"(Usage: nx-studio tour

What nx-studio runs without a display: it transcribes a LibriVox reading that
the pocketsphinx-testdata package ships, speaks a sentence, and shows where
the results are. Exits with 0 when both worked.

Options:
  -h, --help  shows this help)";

const QString Command = QStringLiteral("tour");
// A read sentence from "Sense and Sensibility", seven seconds long.
const QString Recording =
    QStringLiteral("/usr/share/pocketsphinx/test/data/librivox/sense_and_sensibility_01_austen_64kb-0870.wav");
const QString Sentence = QStringLiteral("Hello! This voice-over was made by the studio, without any network.");

void say(const QString& line)
{
    NxStudioConsole::result(line);
}

// The subtitle file's cues, indented under its path.
void showSubtitles(const QString& file)
{
    QFile srt(file);
    if (!srt.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    for (const QString& line : QString::fromUtf8(srt.readAll()).trimmed().split(QLatin1Char('\n')))
        say(QStringLiteral("     | ") + line);
}

bool showTranscription(NxStudioSession& session)
{
    say(QStringLiteral("1. Speech to text: a LibriVox reading shipped by pocketsphinx-testdata"));
    say(QStringLiteral("   ") + Recording);
    const NxStudioSession::Outcome outcome = session.transcribe({Recording}, QStringLiteral("en-US")).value(0);
    if (!outcome.succeeded()) {
        say(QStringLiteral("   failed: ") + outcome.failure);
        return false;
    }
    say(QStringLiteral("   subtitles: ") + outcome.file);
    showSubtitles(outcome.file);
    return true;
}

bool showSpeech(NxStudioSession& session)
{
    say(QStringLiteral("2. Text to speech: \"") + Sentence + QLatin1Char('"'));
    QList<NxTextToSpeechVoiceInfo> voices;
    const NxTextToSpeechVoiceInfo* voice =
        NxStudioVoices::catalogue(voices) ? NxStudioVoices::pick(voices, std::nullopt) : nullptr;
    if (!voice) {
        say(QStringLiteral("   failed: the voice catalogue has no en-US voice"));
        return false;
    }
    const NxStudioSession::Outcome outcome = session.speak(Sentence, NxStudioVoices::param(*voice, 0, 0));
    if (!outcome.succeeded()) {
        say(QStringLiteral("   failed: ") + outcome.failure);
        return false;
    }
    say(QStringLiteral("   voice-over (") + voice->showName + QStringLiteral(", ") + voice->languageCode
        + QStringLiteral("): ") + outcome.file);
    return true;
}

} // namespace

int NxStudioCommands::tour(const QStringList& arguments)
{
    QCommandLineParser parser;
    if (const std::optional<int> done = parse(parser, Command, Help, arguments))
        return *done;
    const QStringList stray = parser.positionalArguments();
    if (!stray.isEmpty())
        return NxStudioConsole::usageError(Command, QStringLiteral("unexpected ") + stray.first());
    if (!QFile::exists(Recording)) {
        NxStudioConsole::err(QStringLiteral("nx-studio tour: ") + Recording
                             + QStringLiteral(" is missing; the package pocketsphinx-testdata has it"));
        return NxStudioConsole::Failed;
    }

    say(QStringLiteral("nx-studio: no display here, so this is a short tour of the studio without its window."));
    say(QString());
    NxStudioProgress progress(NxStudioConsole::errIsTerminal());
    NxStudioSession session(progress);
    const bool transcribed = showTranscription(session);
    say(QString());
    const bool spoken = showSpeech(session);
    say(QString());
    say(QStringLiteral("Everything the studio keeps is in ") + NxDataHome::path() + QLatin1Char('.'));
    say(QStringLiteral("On a desktop, 'nx-studio' opens the editor; 'nx-studio --help' lists the subcommands."));
    return transcribed && spoken ? 0 : NxStudioConsole::Failed;
}
