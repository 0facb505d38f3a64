#include "NxStudioCommands.h"

#include "NxCheckedFile.h"
#include "NxStudioCliProject.h"
#include "NxStudioConsole.h"
#include "NxStudioFreeName.h"
#include "NxStudioProgress.h"
#include "NxStudioSession.h"
#include "NxStudioVoices.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QTextCodec>

namespace
{

const char* const Help = R"(Usage: nx-studio speak TEXT [--voice ID] [--speed -2..2] [--pitch -2..2] [--out FILE|DIR/]
                        [--project P.nxproj [--at SECONDS]]
       nx-studio speak --text-file FILE [options]

Speaks TEXT as the voice-over of a title clip, through the same voice-text
services and speech engine as the editor, and prints the MP3's path on
stdout. Exits with 0 when the voice-over was written, 1 when it failed, 2 on
bad arguments.

Options:
  --text-file FILE  speaks the UTF-8 text in FILE ('-': stdin) instead of a
                    TEXT: a text of several lines, or too long for one
                    argument (a title's voice-over takes up to 1500
                    characters)
  --voice ID        a voice that 'nx-studio voices' lists (by default the
                    first en-US voice)
  --speed STEP      -2 (slow) to 2 (fast); 0 by default
  --pitch STEP      -2 (low) to 2 (high); 0 by default
  --out FILE        copies the MP3 to FILE (its folder made when missing);
                    when FILE exists, the copy takes a numbered name beside it
  --out DIR/        copies the MP3 into DIR under its own name; an existing
                    folder needs no slash. --out is checked before anything
                    runs; a device such as /dev/null is refused
  --project P.nxproj
                    also puts a title saying TEXT in the project P (made
                    when missing, else opened and saved again), with the
                    voice-over under it, as the editor places them
  --at SECONDS      where on P's timeline the title starts; 0 by default
  -h, --help        shows this help)";

const QString Command = QStringLiteral("speak");
constexpr int LowestStep = -2;
constexpr int HighestStep = 2;
constexpr double MaxStartSeconds = 24 * 3600; // a day of timeline

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

// Where --out puts the voice-over: a folder, and a name there, or none for
// the voice-over's own.
struct Destination
{
    QString folder;
    QString name;
};

// Nothing, with *problem set, when `out` cannot take the voice-over.
std::optional<Destination> destinationOf(const QString& out, QString* problem)
{
    const QFileInfo info(out);
    const bool folder = out.endsWith(QLatin1Char('/')) || info.isDir();
    if (out.isEmpty())
        *problem = QStringLiteral("give a file or a folder");
    else if (!folder && NxCheckedFile::isSpecialFile(out))
        *problem = out + QStringLiteral(" is not a regular file; give a file or a folder");
    else
        *problem = NxStudioFreeName::unwritableFolder(folder ? out : info.absolutePath());
    if (!problem->isEmpty())
        return std::nullopt;
    return folder ? Destination{out, QString()} : Destination{info.absolutePath(), info.fileName()};
}

// The text of --text-file: FILE's, or stdin's for "-"; empty, with *problem
// set, when it holds no UTF-8 text.
QString textOfFile(const QString& path, QString* problem)
{
    const bool stdIn = path == QLatin1String("-");
    const QString name = stdIn ? QStringLiteral("stdin") : path;
    QFile file(path);
    const bool opened = stdIn ? file.open(stdin, QIODevice::ReadOnly) : file.open(QIODevice::ReadOnly);
    const QByteArray bytes = opened ? file.readAll() : QByteArray();
    if (!opened || file.error() != QFileDevice::NoError) {
        *problem = QStringLiteral("cannot read ") + name + QStringLiteral(": ") + file.errorString();
        return QString();
    }
    QTextCodec::ConverterState state;
    const QString text = QTextCodec::codecForName("UTF-8")->toUnicode(bytes.constData(), bytes.size(), &state);
    if (state.invalidChars > 0 || state.remainingChars > 0) {
        *problem = name + QStringLiteral(" is not UTF-8 text");
        return QString();
    }
    if (text.trimmed().isEmpty())
        *problem = name + QStringLiteral(" holds no text");
    return text.trimmed();
}

QString copyTo(const QString& mp3, const Destination& destination, QString* error)
{
    const QFileInfo info(destination.name.isEmpty() ? mp3 : destination.name);
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    return NxStudioFreeName::copy(mp3, destination.folder, info.fileName().chopped(suffix.size()), suffix, error);
}

} // namespace

int NxStudioCommands::speak(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption voice(QStringLiteral("voice"), QString(), QStringLiteral("ID"));
    const QCommandLineOption speed(QStringLiteral("speed"), QString(), QStringLiteral("STEP"));
    const QCommandLineOption pitch(QStringLiteral("pitch"), QString(), QStringLiteral("STEP"));
    const QCommandLineOption out(QStringLiteral("out"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption textFile(QStringLiteral("text-file"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption projectOption(QStringLiteral("project"), QString(), QStringLiteral("P.nxproj"));
    const QCommandLineOption at(QStringLiteral("at"), QString(), QStringLiteral("SECONDS"), QStringLiteral("0"));
    parser.addOptions({voice, speed, pitch, out, textFile, projectOption, at});
    if (const std::optional<int> done = parse(parser, Command, Help, arguments))
        return *done;

    const QStringList texts = parser.positionalArguments();
    if (texts.size() > 1)
        return NxStudioConsole::usageError(Command, QStringLiteral("give the TEXT as one argument, in quotes"));
    if (!texts.isEmpty() && parser.isSet(textFile))
        return NxStudioConsole::usageError(Command, QStringLiteral("give a TEXT or --text-file, not both"));
    if (texts.isEmpty() && !parser.isSet(textFile))
        return NxStudioConsole::usageError(Command, QStringLiteral("no TEXT to speak"));
    QString problem;
    const QString text = parser.isSet(textFile) ? textOfFile(parser.value(textFile), &problem) : texts.first().trimmed();
    if (!problem.isEmpty())
        return NxStudioConsole::usageError(Command, QStringLiteral("--text-file: ") + problem);
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
    // Checked before anything runs: a destination that takes no file would leave the work unused.
    std::optional<Destination> destination;
    if (parser.isSet(out)) {
        destination = destinationOf(parser.value(out), &problem);
        if (!destination)
            return NxStudioConsole::usageError(Command, QStringLiteral("--out: ") + problem);
    }

    bool seconds = false;
    const double start = parser.value(at).toDouble(&seconds);
    if (!seconds || start < 0 || start > MaxStartSeconds)
        return NxStudioConsole::usageError(Command, QStringLiteral("--at takes the seconds from the timeline's start, not ")
                                                        + parser.value(at));
    if (parser.isSet(at) && !parser.isSet(projectOption))
        return NxStudioConsole::usageError(Command, QStringLiteral("--at places the title in a --project"));
    NxStudioCliProject project(parser.value(projectOption));
    if (parser.isSet(projectOption)) {
        problem = project.open();
        if (!problem.isEmpty())
            return NxStudioConsole::usageError(Command, QStringLiteral("--project: ") + problem);
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
    QString error;
    const QString file = destination ? copyTo(outcome.file, *destination, &error) : outcome.file;
    if (file.isEmpty()) {
        NxStudioConsole::err(QStringLiteral("nx-studio speak: ") + error);
        return NxStudioConsole::Failed;
    }
    NxStudioConsole::result(file);
    if (parser.isSet(projectOption)
        && (!project.placeVoiceOver(text, file, project.timeline().framesOf(qRound64(start * 1000)), &error)
            || !project.save(&error))) {
        NxStudioConsole::err(QStringLiteral("nx-studio speak: the project could not take the voice-over: ") + error);
        return NxStudioConsole::Failed;
    }
    return 0;
}
