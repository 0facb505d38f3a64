#include "NxStudioCommands.h"

#include "NxStudioCliProject.h"
#include "NxStudioConsole.h"
#include "NxStudioEngine.h"
#include "NxStudioFreeName.h"
#include "NxStudioProgress.h"
#include "NxStudioSession.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QRegularExpression>

namespace
{

const char* const Help = R"(Usage: nx-studio transcribe FILE... [--language CODE] [--out DIR] [--project P.nxproj]

Transcribes each audio or video FILE into SubRip subtitles (.srt) through the
same voice-text services and speech engine as the editor. Prints the path of
each subtitle file on stdout; progress and failures go to stderr. Exits with
0 when every file was transcribed, 1 when one failed, 2 on bad arguments.

Options:
  --language CODE  the spoken language, such as en-US (the default); the
                   offline engine has a model for English only
  --out DIR        copies the subtitle files into DIR (made when missing,
                   checked before anything runs), named after the FILEs; an
                   existing file is never replaced: the copy takes a number
  --project P.nxproj
                   also puts each FILE in the project P (made when missing,
                   checked before anything runs) with its subtitles as
                   subtitle clips under it, as the editor does after speech
                   to text: at the FILE's first clip on the timeline, or
                   with a new clip of it after the last one
  -h, --help       shows this help)";

const QString Command = QStringLiteral("transcribe");
const QString DefaultLanguage = QStringLiteral("en-US");

// "en-US", "cmn-TW": a language and a region, as the services name them.
bool isLanguageCode(const QString& code)
{
    static const QRegularExpression shape(QStringLiteral("^[a-z]{2,3}-[A-Z]{2}$"));
    return shape.match(code).hasMatch();
}

// Why `path` cannot be transcribed before anything runs; empty when it can be tried.
QString unreadable(const QString& path)
{
    const QFileInfo file(path);
    if (!file.exists())
        return path + QStringLiteral(": no such file");
    if (!file.isFile() || !file.isReadable())
        return path + QStringLiteral(": not a readable file");
    return QString();
}

} // namespace

int NxStudioCommands::transcribe(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption language(QStringLiteral("language"), QString(), QStringLiteral("CODE"), DefaultLanguage);
    const QCommandLineOption out(QStringLiteral("out"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption projectOption(QStringLiteral("project"), QString(), QStringLiteral("P.nxproj"));
    parser.addOptions({language, out, projectOption});
    if (const std::optional<int> done = parse(parser, Command, Help, arguments))
        return *done;

    const QStringList files = parser.positionalArguments();
    if (files.isEmpty())
        return NxStudioConsole::usageError(Command, QStringLiteral("no FILE to transcribe"));
    for (const QString& file : files) {
        const QString problem = unreadable(file);
        if (!problem.isEmpty())
            return NxStudioConsole::usageError(Command, problem);
    }
    if (!isLanguageCode(parser.value(language)))
        return NxStudioConsole::usageError(Command, QStringLiteral("--language takes a code such as en-US, not ")
                                                        + parser.value(language));
    // Refused at once rather than failed after the files were read.
    const QString refusal = NxStudioEngine::refusal(parser.value(language));
    if (!refusal.isEmpty())
        return NxStudioConsole::usageError(Command, refusal);
    // Checked before anything runs: a folder that takes no file would leave the work unused.
    const QString outDir = parser.value(out);
    if (parser.isSet(out)) {
        const QString problem = NxStudioFreeName::unwritableFolder(outDir);
        if (!problem.isEmpty())
            return NxStudioConsole::usageError(Command, QStringLiteral("--out: ") + problem);
    }

    NxStudioCliProject project(parser.value(projectOption));
    if (parser.isSet(projectOption)) {
        const QString problem = project.open();
        if (!problem.isEmpty())
            return NxStudioConsole::usageError(Command, QStringLiteral("--project: ") + problem);
    }

    NxStudioProgress progress(NxStudioConsole::errIsTerminal());
    NxStudioSession session(progress);
    const QVector<NxStudioSession::Outcome> outcomes = session.transcribe(files, parser.value(language));

    int exitCode = 0;
    for (int item = 0; item < outcomes.size(); ++item) {
        const NxStudioSession::Outcome& outcome = outcomes.at(item);
        if (!outcome.succeeded()) {
            exitCode = NxStudioConsole::Failed;
            continue;
        }
        QString error;
        if (parser.isSet(projectOption) && !project.placeTranscript(files.at(item), outcome.file, &error)) {
            NxStudioConsole::err(QStringLiteral("nx-studio transcribe: ") + error);
            exitCode = NxStudioConsole::Failed;
        }
        if (!parser.isSet(out)) {
            NxStudioConsole::result(outcome.file);
            continue;
        }
        const QString copy = NxStudioFreeName::copy(outcome.file, outDir, QFileInfo(files.at(item)).completeBaseName(),
                                                    QStringLiteral(".srt"), &error);
        if (copy.isEmpty()) {
            NxStudioConsole::err(QStringLiteral("nx-studio transcribe: ") + error);
            exitCode = NxStudioConsole::Failed;
            continue;
        }
        NxStudioConsole::result(copy);
    }
    QString error;
    if (parser.isSet(projectOption) && !project.save(&error)) {
        NxStudioConsole::err(QStringLiteral("nx-studio transcribe: the project could not be saved: ") + error);
        exitCode = NxStudioConsole::Failed;
    }
    return exitCode;
}
