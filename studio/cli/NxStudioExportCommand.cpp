#include "NxStudioCommands.h"

#include "NxStudioConsole.h"
#include "NxStudioExport.h"
#include "NxStudioMediaBin.h"
#include "NxStudioProject.h"
#include "NxStudioTimeText.h"
#include "NxStudioTimeline.h"

#include <QCommandLineParser>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

#include <csignal>

namespace
{

const char* const Help = R"(Usage: nx-studio export PROJECT --out FILE [--burn-subtitles]

Exports the timeline of PROJECT as an MP4 video (H.264 and AAC): the picture
with its titles, every audio track mixed, and the subtitle clips as a
subtitle stream that players can turn on and off. Progress goes to stderr,
the path of the video to stdout. Exits with 0 when the video was written,
1 when the export failed, 2 on bad arguments; Ctrl+C stops it and leaves no
file.

Options:
  --out FILE          the video to write; an existing file is never replaced
  --burn-subtitles    draws the subtitles into the picture instead
  -h, --help          shows this help)";

const QString Command = QStringLiteral("export");
constexpr int BarWidth = 24;
constexpr int InterruptedExit = 130;

volatile std::sig_atomic_t interrupted = 0;

void onInterrupt(int)
{
    interrupted = 1;
}

// Redrawn in place on a terminal; elsewhere one line per tenth done, so a log reads as a history.
class ExportProgress
{
public:
    explicit ExportProgress(bool terminal) : m_terminal(terminal) {}

    void show(double fraction, qint64 remaining)
    {
        const int percent = int(fraction * 100);
        const QString left = remaining < 0 ? QString()
                                           : QStringLiteral(", about %1 left")
                                                 .arg(NxStudioTimeText::seconds((remaining + 999) / 1000));
        if (m_terminal) {
            const int done = int(fraction * BarWidth);
            const QString bar = QString(done, QLatin1Char('#')) + QString(BarWidth - done, QLatin1Char('-'));
            NxStudioConsole::errRaw(QStringLiteral("\rExporting [%1] %2%%3\x1b[K").arg(bar).arg(percent).arg(left).toUtf8());
            return;
        }
        if (percent / 10 == m_shownTenth)
            return;
        m_shownTenth = percent / 10;
        NxStudioConsole::err(QStringLiteral("Exporting: %1%%2").arg(percent).arg(left));
    }

    void end()
    {
        if (m_terminal)
            NxStudioConsole::errRaw("\n");
    }

private:
    bool m_terminal;
    int m_shownTenth = -1;
};

} // namespace

int NxStudioCommands::exportVideo(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption out(QStringLiteral("out"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption burn(QStringLiteral("burn-subtitles"));
    parser.addOptions({out, burn});
    if (const std::optional<int> done = parse(parser, Command, Help, arguments))
        return *done;
    const QStringList projects = parser.positionalArguments();
    if (projects.size() != 1)
        return NxStudioConsole::usageError(Command, QStringLiteral("name one PROJECT to export"));
    if (!parser.isSet(out))
        return NxStudioConsole::usageError(Command, QStringLiteral("--out FILE says where the video goes"));
    const QString destination = parser.value(out);
    if (QFileInfo::exists(destination) || QFileInfo(destination).isSymLink())
        return NxStudioConsole::usageError(Command, QStringLiteral("--out: %1 already exists; choose another name")
                                                        .arg(destination));
    if (!QFileInfo(projects.first()).isFile())
        return NxStudioConsole::usageError(Command, projects.first() + QStringLiteral(": no such project file"));

    NxStudioTimeline timeline;
    NxStudioMediaBin bin(NxStudioTimeline::FrameRate, nullptr);
    QString error;
    int skin = 0; // a video has no skin
    if (!NxStudioProject::load(projects.first(), bin, timeline, &skin, &error)) {
        NxStudioConsole::err(QStringLiteral("nx-studio export: ") + error);
        return NxStudioConsole::Failed;
    }

    NxStudioExport exporter;
    NxStudioExport::Options options;
    options.burnSubtitles = parser.isSet(burn);
    if (!exporter.start(timeline, destination, options)) {
        NxStudioConsole::err(QStringLiteral("nx-studio export: ") + exporter.errorString());
        return NxStudioConsole::Failed;
    }
    ExportProgress progress(NxStudioConsole::errIsTerminal());
    QObject::connect(&exporter, &NxStudioExport::progressed, [&progress](double fraction, qint64 remaining) {
        progress.show(fraction, remaining);
    });
    QEventLoop loop;
    NxStudioExport::Outcome outcome = NxStudioExport::Failed;
    QObject::connect(&exporter, &NxStudioExport::finished, &loop, [&](NxStudioExport::Outcome how) {
        outcome = how;
        loop.quit();
    });
    // Ctrl+C cancels, which removes what the export wrote.
    interrupted = 0;
    const auto previous = std::signal(SIGINT, onInterrupt);
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &exporter, [&exporter] {
        if (interrupted)
            exporter.cancel();
    });
    watch.start(100);
    loop.exec();
    std::signal(SIGINT, previous);
    progress.end();

    switch (outcome) {
    case NxStudioExport::Done:
        NxStudioConsole::result(QFileInfo(destination).absoluteFilePath());
        return 0;
    case NxStudioExport::Cancelled:
        NxStudioConsole::err(QStringLiteral("nx-studio export: stopped; no file was written"));
        return InterruptedExit;
    case NxStudioExport::Failed:
        break;
    }
    NxStudioConsole::err(QStringLiteral("nx-studio export: ") + exporter.errorString());
    return NxStudioConsole::Failed;
}
