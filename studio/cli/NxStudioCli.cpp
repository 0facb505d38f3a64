#include "NxStudioCli.h"

#include "INxBaseLog.h"
#include "NxStudioCommands.h"
#include "NxStudioConsole.h"

#include <QCommandLineParser>

namespace
{

const char* const Usage = R"(Usage: nx-studio [FILE...] [PROJECT.nxproj]
       nx-studio transcribe FILE... [--language CODE] [--out DIR] [--project P.nxproj]
       nx-studio speak TEXT [--voice ID] [--speed -2..2] [--pitch -2..2] [--out FILE|DIR/]
                       [--project P.nxproj [--at SECONDS]]
       nx-studio speak --text-file FILE [options]
       nx-studio voices [--language CODE]
       nx-studio export PROJECT --out FILE [--burn-subtitles]
       nx-studio tour

Without a subcommand, nx-studio opens the editor with the FILEs in its media
bin, and the project named, if any. Without a display it runs the tour instead: it transcribes a recording,
speaks a sentence and shows where the results are.

The subcommands run the same voice-text services as the editor, on the
engine the configuration chooses (this computer unless it names a speech
server; stderr says which), and never show a window. 'nx-studio COMMAND
--help' tells more.

Progress, failures and the log's errors go to stderr; --verbose, with any
subcommand, shows the log's other entries there too (all of them are in
NxSpeech.log in the data folder).)";

struct Command
{
    const char* name;
    int (*run)(const QStringList& arguments);
};

const Command Commands[] = {
    {"transcribe", &NxStudioCommands::transcribe},
    {"speak", &NxStudioCommands::speak},
    {"voices", &NxStudioCommands::voices},
    {"tour", &NxStudioCommands::tour},
    {"export", &NxStudioCommands::exportVideo},
};

const Command* commandNamed(const QString& name)
{
    for (const Command& command : Commands) {
        if (name == QLatin1String(command.name))
            return &command;
    }
    return nullptr;
}

bool isOption(const QString& argument)
{
    return argument.startsWith(QLatin1Char('-'));
}

int dispatch(const QStringList& arguments)
{
    if (arguments.isEmpty())
        return NxStudioCommands::tour({});
    const QString& first = arguments.first();
    if (const Command* command = commandNamed(first))
        return command->run(arguments.mid(1));
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        NxStudioConsole::out(QString::fromUtf8(Usage));
        return 0;
    }
    NxStudioConsole::err(isOption(first)
                             ? QStringLiteral("nx-studio: unknown option ") + first
                             : QStringLiteral("nx-studio: no display to open the editor on; "
                                              "'nx-studio transcribe FILE...' transcribes files without one"));
    NxStudioConsole::err(QStringLiteral("Try 'nx-studio --help'."));
    return NxStudioConsole::BadArguments;
}

} // namespace

bool NxStudioCli::handles(const QStringList& arguments, bool display)
{
    return !display
           || (!arguments.isEmpty() && (commandNamed(arguments.first()) || isOption(arguments.first())));
}

int NxStudioCli::run(const QStringList& given)
{
    // An option of every subcommand, taken out before any of them reads its own.
    QStringList arguments = given;
    const int optionsEnd = arguments.contains(QStringLiteral("--")) ? arguments.indexOf(QStringLiteral("--"))
                                                                    : arguments.size();
    const bool verbose = arguments.mid(0, optionsEnd).contains(QStringLiteral("--verbose"));
    if (verbose) {
        arguments.removeAt(arguments.indexOf(QStringLiteral("--verbose")));
        GetGlobalLogInstance()->setMirrorsInfo(true);
    }
    const int exitCode = dispatch(arguments);
    // A result that never reached stdout is a failed run, whatever the tasks did.
    const QString lost = NxStudioConsole::outFailure();
    if (lost.isEmpty())
        return exitCode;
    NxStudioConsole::err(QStringLiteral("nx-studio: the results could not be written to stdout: ") + lost);
    return exitCode == 0 ? NxStudioConsole::Failed : exitCode;
}

std::optional<int> NxStudioCommands::parse(QCommandLineParser& parser, const QString& command, const char* help,
                                           const QStringList& arguments)
{
    const QCommandLineOption helpOption(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOption(helpOption);
    // The parser reads the first entry as the program's name.
    if (!parser.parse(QStringList{QStringLiteral("nx-studio")} + arguments))
        return NxStudioConsole::usageError(command, parser.errorText());
    if (parser.isSet(helpOption)) {
        NxStudioConsole::out(QString::fromUtf8(help));
        return 0;
    }
    return std::nullopt;
}
