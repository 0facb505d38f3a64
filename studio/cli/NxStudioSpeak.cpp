#include "NxStudioCommands.h"

#include "NxStudioConsole.h"
#include "NxStudioFreeName.h"
#include "NxStudioProgress.h"
#include "NxStudioSession.h"
#include "NxStudioVoices.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

namespace
{

const char* const Help = R"(Usage: nx-studio speak TEXT [--voice ID] [--speed -2..2] [--pitch -2..2] [--out FILE]

Speaks TEXT as the voice-over of a title clip, through the same voice-text
services and speech engine as the editor, and prints the MP3's path on
stdout. Exits with 0 when the voice-over was written, 1 when it failed, 2 on
bad arguments.

Options:
  --voice ID    a voice that 'nx-studio voices' lists (by default the first
                en-US voice)
  --speed STEP  -2 (slow) to 2 (fast); 0 by default
  --pitch STEP  -2 (low) to 2 (high); 0 by default
  --out FILE    copies the MP3 to FILE (its folder made when missing); when
                FILE exists, the copy takes a numbered name beside it
  -h, --help    shows this help)";

const QString Command = QStringLiteral("speak");
constexpr int LowestStep = -2;
constexpr int HighestStep = 2;

// The step of `option`, 0 when it is not given; nothing when it is not a step.
std::optional<int> stepOf(const QCommandLineParser& parser, const QCommandLineOption& option)
{
    if (!parser.isSet(option))
        return 0;
    bool number = false;
    const int step = parser.value(option).toInt(&number);
    if (!number || step < LowestStep || step > HighestStep)
        return std::nullopt;
    return step;
}

// Why `file` cannot take the voice-over; empty when it can.
QString unwritable(const QString& file)
{
    const QFileInfo info(file);
    if (info.isDir())
        return QStringLiteral("--out: ") + file + QStringLiteral(" is a folder; give a file name");
    if (!QDir().mkpath(info.absolutePath()))
        return QStringLiteral("--out: cannot make the folder ") + info.absolutePath();
    return QString();
}

QString copyTo(const QString& mp3, const QString& file)
{
    const QFileInfo info(file);
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    return NxStudioFreeName::copy(mp3, info.absolutePath(), info.fileName().chopped(suffix.size()), suffix);
}

} // namespace

int NxStudioCommands::speak(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption voice(QStringLiteral("voice"), QString(), QStringLiteral("ID"));
    const QCommandLineOption speed(QStringLiteral("speed"), QString(), QStringLiteral("STEP"));
    const QCommandLineOption pitch(QStringLiteral("pitch"), QString(), QStringLiteral("STEP"));
    const QCommandLineOption out(QStringLiteral("out"), QString(), QStringLiteral("FILE"));
    parser.addOptions({voice, speed, pitch, out});
    if (const std::optional<int> done = parse(parser, Command, Help, arguments))
        return *done;

    const QStringList texts = parser.positionalArguments();
    if (texts.isEmpty())
        return NxStudioConsole::usageError(Command, QStringLiteral("no TEXT to speak"));
    if (texts.size() > 1)
        return NxStudioConsole::usageError(Command, QStringLiteral("give the TEXT as one argument, in quotes"));
    const QString text = texts.first().trimmed();
    if (text.isEmpty())
        return NxStudioConsole::usageError(Command, QStringLiteral("the TEXT is empty"));
    const std::optional<int> speedStep = stepOf(parser, speed);
    const std::optional<int> pitchStep = stepOf(parser, pitch);
    if (!speedStep || !pitchStep)
        return NxStudioConsole::usageError(Command,
                                           QStringLiteral("--speed and --pitch take a whole number from -2 to 2"));
    std::optional<int> voiceId;
    if (parser.isSet(voice)) {
        bool number = false;
        voiceId = parser.value(voice).toInt(&number);
        if (!number)
            return NxStudioConsole::usageError(Command, QStringLiteral("--voice takes a voice's number, not ")
                                                            + parser.value(voice));
    }
    const QString outFile = parser.value(out);
    if (parser.isSet(out)) {
        const QString problem = unwritable(outFile);
        if (!problem.isEmpty())
            return NxStudioConsole::usageError(Command, problem);
    }

    QList<NxTextToSpeechVoiceInfo> voices;
    if (!NxStudioVoices::catalogue(voices)) {
        NxStudioConsole::err(QStringLiteral("nx-studio speak: the voice catalogue cannot be read"));
        return NxStudioConsole::Failed;
    }
    const NxTextToSpeechVoiceInfo* chosen = NxStudioVoices::pick(voices, voiceId);
    if (!chosen && voiceId)
        return NxStudioConsole::usageError(Command, QStringLiteral("no voice ") + parser.value(voice)
                                                        + QStringLiteral("; 'nx-studio voices' lists them"));
    if (!chosen) {
        NxStudioConsole::err(
            QStringLiteral("nx-studio speak: the catalogue has no en-US voice; choose one with --voice"));
        return NxStudioConsole::Failed;
    }

    NxStudioProgress progress(NxStudioConsole::errIsTerminal());
    NxStudioSession session(progress);
    const NxStudioSession::Outcome outcome =
        session.speak(text, NxStudioVoices::param(*chosen, *speedStep, *pitchStep));
    if (!outcome.succeeded())
        return NxStudioConsole::Failed;
    if (!parser.isSet(out)) {
        NxStudioConsole::out(outcome.file);
        return 0;
    }
    const QString copy = copyTo(outcome.file, outFile);
    if (copy.isEmpty()) {
        NxStudioConsole::err(QStringLiteral("nx-studio speak: cannot copy ") + outcome.file + QStringLiteral(" to ")
                             + outFile);
        return NxStudioConsole::Failed;
    }
    NxStudioConsole::out(copy);
    return 0;
}
