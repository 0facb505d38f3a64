#include "INxTextToSpeechQuery.h"
#include "NxDataColumns.h"
#include "NxTestFiles.h"
#include "NxTestHome.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>
#include <vector>

#include <unistd.h>

namespace
{

const QString Studio = QStringLiteral(NXTEST_STUDIO);
const QString Data = QStringLiteral(NXTEST_POCKETSPHINX_DATA);
const QString Recording = Data + QStringLiteral("/librivox/sense_and_sensibility_01_austen_64kb-0870.wav");
// Transcription and synthesis of a few seconds, slower under a sanitizer.
constexpr int RunTimeout = 240000;
constexpr int ParallelRuns = 3;

struct Run
{
    int exitCode = -1;
    QString out, err;
    QStringList outLines() const { return out.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
};

// A machine without a display; the data folder `home`, else the suite's.
QProcessEnvironment headless(const QString& home = QString())
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* display : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(display));
    if (!home.isEmpty())
        environment.insert(QStringLiteral("NXSPEECH_HOME"), home);
    return environment;
}

// Started at once; `setUp` may point its standard streams elsewhere first.
std::unique_ptr<QProcess> start(const QString& program, const QStringList& arguments,
                                const QProcessEnvironment& environment = headless(),
                                const std::function<void(QProcess&)>& setUp = {})
{
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(environment);
    if (setUp)
        setUp(*process);
    process->start(program, arguments);
    return process;
}

Run finish(QProcess& process)
{
    if (!process.waitForFinished(RunTimeout) || process.exitStatus() != QProcess::NormalExit)
        return Run();
    return Run{process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
               QString::fromUtf8(process.readAllStandardError())};
}

Run launch(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment = headless(),
           const std::function<void(QProcess&)>& setUp = {})
{
    return finish(*start(program, arguments, environment, setUp));
}

// What FFmpeg finds in `file`: "codec_name=...", "duration=..." lines.
QString probe(const QString& file)
{
    QProcess ffprobe;
    ffprobe.start(QStringLiteral("ffprobe"), {"-v", "error", "-show_entries", "stream=codec_name:format=duration",
                                               "-of", "default=noprint_wrappers=1", file});
    ffprobe.waitForFinished(RunTimeout);
    return ffprobe.exitCode() == 0 ? QString::fromUtf8(ffprobe.readAllStandardOutput()) : QString();
}

// A link named by bytes that need not be text: "<folder>/<name>" -> `target`.
bool link(const QString& target, const QString& folder, const QByteArray& name)
{
    return ::symlink(QFile::encodeName(target).constData(), (QFile::encodeName(folder) + '/' + name).constData()) == 0;
}

// The files in data folder `home` besides its stores: results, their reservations and temporaries.
QStringList deliveredIn(const QString& home)
{
    QStringList files;
    QDirIterator it(home, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        if (!QStringList{"config.ini", "NxSpeech.log", "analytics.jsonl"}.contains(it.fileName()))
            files << file;
    }
    return files;
}

QList<NxTextToSpeechVoiceInfo> catalogue()
{
    QList<NxTextToSpeechVoiceInfo> voices;
    INxTextToSpeechQuery* query = INxTextToSpeechQuery::create();
    query->getVoiceList(voices);
    query->release();
    return voices;
}

} // namespace

// The nx-studio program as a user runs it, on the real engine: alone, side
// by side with others on one data folder, and with writes that fail.
class tst_StudioCli : public QObject
{
    Q_OBJECT

    NxTestHome m_home;
    QTemporaryDir m_files;

private slots:
    void initTestCase()
    {
        if (!QFile::exists(Recording))
            QSKIP("pocketsphinx-testdata is not installed");
        QVERIFY(writeBytes(m_files.filePath("silent.y4m"), silentVideo()));
        QVERIFY(writeBytes(m_files.filePath("text.txt"), "Hello from a file,\nin two lines.\n"));
        QVERIFY(writeBytes(m_files.filePath("latin1.txt"), "Caf\xe9 au lait."));
        // Whole, to the engine, which speaks no more than 1500 characters for a title.
        QVERIFY(writeBytes(m_files.filePath("long.txt"), QByteArray("word ").repeated(41 * 1024)));
    }

    void badArgumentsExitWithTwoAndStartNothing_data()
    {
        QTest::addColumn<QStringList>("arguments");
        const QString folder = m_files.path();
        QTest::newRow("unknown option") << QStringList{"--bogus"};
        QTest::newRow("files and no display") << QStringList{Recording};
        QTest::newRow("transcribe nothing") << QStringList{"transcribe"};
        QTest::newRow("transcribe a folder") << QStringList{"transcribe", folder};
        QTest::newRow("transcribe, unknown option") << QStringList{"transcribe", Recording, "--fast"};
        QTest::newRow("transcribe, language by name") << QStringList{"transcribe", Recording, "--language", "English"};
        QTest::newRow("speak nothing") << QStringList{"speak"};
        QTest::newRow("speak blanks") << QStringList{"speak", "  "};
        QTest::newRow("speak two texts") << QStringList{"speak", "one", "two"};
        QTest::newRow("speak too fast") << QStringList{"speak", "hi", "--speed", "3"};
        QTest::newRow("speak, pitch in words") << QStringList{"speak", "hi", "--pitch", "high"};
        QTest::newRow("speak, unknown voice") << QStringList{"speak", "hi", "--voice", "99999"};
        QTest::newRow("speak into a device") << QStringList{"speak", "hi", "--out", "/dev/null"};
        // Not even root makes a file there.
        QTest::newRow("transcribe where no file can be made") << QStringList{"transcribe", Recording, "--out", "/proc"};
        QTest::newRow("speak a TEXT and a text file")
            << QStringList{"speak", "hi", "--text-file", folder + "/text.txt"};
        QTest::newRow("speak a missing text file") << QStringList{"speak", "--text-file", folder + "/missing.txt"};
        QTest::newRow("speak a text file not in UTF-8") << QStringList{"speak", "--text-file", folder + "/latin1.txt"};
        QTest::newRow("voices of no language") << QStringList{"voices", "--language", "xx-XX"};
        QTest::newRow("voices, stray argument") << QStringList{"voices", "all"};
        QTest::newRow("transcribe into a damaged project")
            << QStringList{"transcribe", Recording, "--project", folder + "/text.txt"};
        QTest::newRow("speak --at without a project") << QStringList{"speak", "Hello.", "--at", "2"};
        QTest::newRow("speak --at before the start")
            << QStringList{"speak", "Hello.", "--project", folder + "/new.nxproj", "--at", "-1"};
        QTest::newRow("export no project") << QStringList{"export", "--out", folder + "/video.mp4"};
        QTest::newRow("export without --out") << QStringList{"export", folder + "/text.txt"};
        QTest::newRow("export a missing project") << QStringList{"export", folder + "/missing", "--out", folder + "/video.mp4"};
        // text.txt stays as it is: the check below compares it.
        QTest::newRow("export over an existing file") << QStringList{"export", folder + "/text.txt", "--out", folder + "/text.txt"};
    }
    void badArgumentsExitWithTwoAndStartNothing()
    {
        QFETCH(QStringList, arguments);
        const QTemporaryDir home;
        const Run run = launch(Studio, arguments, headless(home.path()));
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.out.isEmpty(), qPrintable(run.out));
        QVERIFY2(run.err.contains(QLatin1String("Try 'nx-studio")), qPrintable(run.err));
        QCOMPARE(deliveredIn(home.path()), QStringList());
        QCOMPARE(bytesOf(m_files.filePath("text.txt")), QByteArray("Hello from a file,\nin two lines.\n"));
        QVERIFY(!QFile::exists(m_files.filePath("video.mp4")));
    }

    void aLanguageThisComputerHasNoModelForIsRefusedAtOnce()
    {
        const QTemporaryDir home;
        const Run run = launch(Studio, {"transcribe", Recording, "--language", "de-DE"}, headless(home.path()));
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains("nx-studio transcribe: This computer transcribes English only; set a speech server "
                                  "for German (see README)\n"), qPrintable(run.err));
        QCOMPARE(deliveredIn(home.path()), QStringList());
    }

    void stderrShowsTheLogsInfoOnlyWhenVerbose_data()
    {
        columns<bool>({"verbose"});
        QTest::newRow("progress and errors only") << false;
        QTest::newRow("--verbose: every entry") << true;
    }
    void stderrShowsTheLogsInfoOnlyWhenVerbose()
    {
        QFETCH(bool, verbose);
        const QTemporaryDir home;
        QProcessEnvironment environment = headless(home.path());
        environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        const QStringList arguments{"voices", "--language", "ja-JP"};
        const Run run = launch(Studio, verbose ? arguments + QStringList{"--verbose"} : arguments, environment);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err.contains(" INFO "), verbose);
        QVERIFY2(!run.err.contains("XDG_RUNTIME_DIR"), qPrintable(run.err));
        QVERIFY(bytesOf(home.filePath("NxSpeech.log")).contains(" INFO ")); // the file keeps them all
    }

    void eachCommandHasHelp()
    {
        for (const QString& command : QStringList{"", "transcribe", "speak", "voices", "tour", "export"}) {
            const Run run = launch(Studio, command.isEmpty() ? QStringList{"--help"} : QStringList{command, "--help"});
            QCOMPARE(run.exitCode, 0);
            QVERIFY2(run.out.startsWith("Usage: nx-studio " + command), qPrintable(run.out));
        }
    }

    // A name already taken is the voice-over's check: both copy through the same free-name search.
    void transcriptionWritesSubtitlesWhereOutSays()
    {
        const QString out = m_files.filePath("subtitles");
        const Run run = launch(Studio, {"transcribe", Recording, "--out", out});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        const QStringList lines = run.outLines();
        QCOMPARE(lines.size(), 1);
        QCOMPARE(QFileInfo(lines.first()).absolutePath(), out);
        QVERIFY2(probe(lines.first()).contains("codec_name=subrip"), qPrintable(lines.first()));
        QCOMPARE(run.err.count("Speech engine: this computer\n"), 1);
        // Off a terminal, each stage is a line of its own.
        QVERIFY2(run.err.contains("0870.wav: transcribing\n") && run.err.contains("0870.wav: completed\n"),
                 qPrintable(run.err));
    }

    // The second run finds the recording's clip in the project and puts its cues under it again.
    void transcriptionGoesIntoAProject()
    {
        const QString project = m_files.filePath("film.nxproj");
        QStringList cues;
        for (int run = 1; run <= 2; ++run) {
            const Run done = launch(Studio, {"transcribe", Recording, "--project", project});
            QVERIFY2(done.exitCode == 0, qPrintable(done.err));
            const QJsonObject root = QJsonDocument::fromJson(bytesOf(project)).object();
            QCOMPARE(root.value("format").toInt(), 1);
            QCOMPARE(root.value("media").toArray().size(), 1);
            QCOMPARE(root.value("media").toArray().first().toObject().value("path").toString(), Recording);
            QStringList sounds;
            cues.clear();
            for (const QJsonValue& value : root.value("clips").toArray()) {
                const QJsonObject clip = value.toObject();
                const QString type = clip.value("type").toString();
                if (type == "audio")
                    sounds << QStringLiteral("media %1 at %2").arg(clip.value("media").toInt()).arg(clip.value("position").toInt());
                else if (type == "subtitle")
                    cues << clip.value("text").toString();
            }
            QCOMPARE(sounds, QStringList{"media 0 at 0"});
            QVERIFY2(cues.size() % run == 0 && cues.size() >= run, qPrintable(cues.join('|')));
            QVERIFY2(cues.join(' ').contains("the", Qt::CaseInsensitive), qPrintable(cues.join('|')));
        }

        // A spoken title one second in, then the project becomes a video
        // whose subtitle stream holds every cue.
        const Run spoken = launch(Studio, {"speak", "Welcome to the film.", "--project", project, "--at", "1"});
        QVERIFY2(spoken.exitCode == 0, qPrintable(spoken.err));
        QStringList placed;
        for (const QJsonValue& value : QJsonDocument::fromJson(bytesOf(project)).object().value("clips").toArray()) {
            const QJsonObject clip = value.toObject();
            if (clip.value("position").toInt() == 25)
                placed << clip.value("type").toString() + ' ' + clip.value("text").toString();
        }
        placed.sort();
        QCOMPARE(placed, QStringList({"audio ", "title Welcome to the film."}));
        const QString video = m_files.filePath("film.mp4");
        const Run exported = launch(Studio, {"export", project, "--out", video});
        QVERIFY2(exported.exitCode == 0, qPrintable(exported.err));
        QCOMPARE(exported.outLines(), QStringList{video});
        QVERIFY2(exported.err.contains("Exporting: 100%"), qPrintable(exported.err));
        const QString streams = probe(video);
        for (const char* codec : {"codec_name=h264", "codec_name=aac", "codec_name=mov_text"})
            QVERIFY2(streams.contains(codec), qPrintable(streams));
        QProcess packets;
        packets.start("ffprobe", {"-v", "error", "-select_streams", "s", "-count_packets", "-show_entries",
                                  "stream=nb_read_packets", "-of", "csv=p=0", video});
        QVERIFY(packets.waitForFinished(RunTimeout));
        QCOMPARE(packets.readAllStandardOutput().trimmed().toInt(), cues.size());
    }

    void aRunThatFailsSaysWhyAndDeliversNothing_data()
    {
        // config: the run's config.ini; stdOut: where its stdout goes; fileSize: bytes a file may grow to (EFBIG)
        columns<QStringList, QByteArray, QString, int, QStringList>({"arguments", "config", "stdOut", "fileSize", "said"});
        QTest::newRow("a file without sound: the window's text and the engine's reason")
            << QStringList{"transcribe", m_files.filePath("silent.y4m")} << QByteArray() << QString() << 0
            << QStringList{"silent.y4m: failed: Unrecognized file content. \u2014 \"silent.y4m\" has no sound: "
                           "choose a file with an audio track.\n"};
        QTest::newRow("a result that cannot reach stdout") << QStringList{"speak", "Hello."} << QByteArray() << "/dev/full" << 0
            << QStringList{"Title: completed\nnx-studio: the results could not be written to stdout: "};
        QTest::newRow("an unanswered purchase tip")
            << QStringList{"speak", "More than five characters."} << QByteArray("[SpeechAllowance]\nCharacters=5\n")
            << QString() << 0 << QStringList{"nx-studio: declined", "Title: failed: Not enough characters left \u2014 "};
        QTest::newRow("a text file longer than a title may be")
            << QStringList{"speak", "--text-file", m_files.filePath("long.txt")} << QByteArray() << QString() << 0
            << QStringList{"Title: failed: Only 1500 characters can be transcribed in a single task. \u2014 The text has "};
        QTest::newRow("subtitles on a full disk") << QStringList{"transcribe", Recording} << QByteArray() << QString() << 40
                                                  << QStringList{"failed: Unknow error \u2014 The time or characters used "
                                                                 "cannot be recorded", "(File too large). Free some space"};
        QTest::newRow("a voice-over on a full disk") << QStringList{"speak", "Hi."} << QByteArray() << QString() << 40
                                                     << QStringList{"Title: failed: Transcription  failure \u2014 Cannot write",
                                                                    ": File too large\n"};
        QTest::newRow("an export of a file that is no project")
            << QStringList{"export", m_files.filePath("latin1.txt"), "--out", m_files.filePath("video.mp4")} << QByteArray()
            << QString() << 0 << QStringList{"nx-studio export: "};
    }
    void aRunThatFailsSaysWhyAndDeliversNothing()
    {
        QFETCH(QStringList, arguments); QFETCH(QByteArray, config); QFETCH(QString, stdOut); QFETCH(int, fileSize);
        QFETCH(QStringList, said);
        const QTemporaryDir home;
        QVERIFY(config.isEmpty() || writeBytes(home.filePath("config.ini"), config));
        const auto output = [&](QProcess& process) {
            if (!stdOut.isEmpty())
                process.setStandardOutputFile(stdOut);
        };
        const Run run = launch("bash", QStringList{"-c", "trap '' XFSZ; exec prlimit --fsize=$0 -- \"$@\"",
                                                 fileSize ? QString::number(fileSize) : "unlimited", Studio} + arguments,
                               headless(home.path()), output);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.out.isEmpty(), qPrintable(run.out));
        for (const QString& text : said)
            QVERIFY2(run.err.contains(text), qPrintable(run.err));
        if (stdOut.isEmpty()) // the task failed, not the report of its result
            QCOMPARE(deliveredIn(home.path()), QStringList());
        QVERIFY(!QFile::exists(m_files.filePath("video.mp4")));
    }

    void speakingPutsTheVoiceOverWhereOutSays_data()
    {
        // name: the copy's, or empty for the voice-over's own; stdIn: the text file comes as --text-file -
        columns<QString, bool, QString, QString>({"out", "stdIn", "folder", "name"});
        const QString files = m_files.path();
        QVERIFY(writeBytes(m_files.filePath("voice.mp3"), "mine"));
        QVERIFY(link(files + "/missing.mp3", files, "dangling.mp3"));
        QVERIFY(QDir().mkpath(m_files.filePath("voices")));
        QTest::newRow("beside a file of that name") << files + "/voice.mp3" << false << files << "voice_01.mp3";
        QTest::newRow("beside a dangling link") << files + "/dangling.mp3" << false << files << "dangling_01.mp3";
        QTest::newRow("into a folder") << files + "/voices" << false << files + "/voices" << QString();
        QTest::newRow("into a new folder, by its slash, from stdin") << files + "/new/" << true << files + "/new" << QString();
    }
    void speakingPutsTheVoiceOverWhereOutSays()
    {
        QFETCH(QString, out); QFETCH(bool, stdIn); QFETCH(QString, folder); QFETCH(QString, name);
        const QList<NxTextToSpeechVoiceInfo> voices = catalogue();
        QVERIFY(!voices.isEmpty());
        const QStringList text = stdIn ? QStringList{"--text-file", "-"}
                                       : QStringList{"Hello from the studio, on the command line.", "--voice",
                                                     QString::number(voices.last().id), "--speed", "-1"};
        const Run run = launch(Studio, QStringList{"speak"} + text + QStringList{"--out", out}, headless(),
                               [&](QProcess& process) { process.setStandardInputFile(m_files.filePath("text.txt")); });
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        const QStringList lines = run.outLines();
        QCOMPARE(lines.size(), 1);
        const QFileInfo copy(lines.first());
        QCOMPARE(copy.absolutePath(), folder);
        if (!name.isEmpty())
            QCOMPARE(copy.fileName(), name);
        else
            QVERIFY2(copy.fileName().startsWith("Title") && copy.suffix() == "mp3", qPrintable(copy.fileName()));
        const QString probed = probe(copy.filePath());
        static const QRegularExpression duration(QStringLiteral("duration=([0-9.]+)"));
        QVERIFY2(probed.contains("codec_name=mp3") && duration.match(probed).captured(1).toDouble() > 1.0, qPrintable(probed));
        // What was there stays as it was.
        QCOMPARE(bytesOf(m_files.filePath("voice.mp3")), QByteArray("mine"));
        QVERIFY(QFileInfo(m_files.filePath("dangling.mp3")).isSymLink()
                && !QFileInfo::exists(m_files.filePath("dangling.mp3")));
    }

    void namesThatAreNotPlainTextReachTheirFiles()
    {
        // Byte 0xff is no UTF-8; ESC [31m would turn a terminal red.
        const QString odd = m_files.filePath("odd"), out = m_files.filePath("odd-out");
        QVERIFY(QDir().mkpath(odd));
        QVERIFY(link(Recording, odd, "\xff.wav") && link(Recording, odd, "red\x1b[31m.wav"));
        // A shell hands the names over as the bytes they are.
        const Run run = launch("sh", {"-c", R"(exec "$0" transcribe "$1"/*.wav --out "$2")", Studio, odd, out});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QStringList lines = run.outLines();
        lines.sort();
        QCOMPARE(lines, QStringList({out + "/red_[31m.srt", out + "/" + QChar(0xfffd) + ".srt"}));
        QVERIFY(QFile::exists(lines.first()) && QFile::exists(lines.last()));
        QVERIFY2(!run.err.contains(QChar(0x1b)) && run.err.contains("red\\x1b[31m.wav: completed\n")
                     && run.err.contains(QChar(0xfffd) + QStringLiteral(".wav: completed\n")),
                 qPrintable(run.err));
    }

    void aTerminalShowsNamesWithoutObeyingThem()
    {
        if (launch("script", {"-qec", "true", "/dev/null"}).exitCode != 0)
            QSKIP("no pseudo-terminal to run on");
        const QString file = m_files.filePath("quiet\x1b[31m.y4m");
        QVERIFY(QFile::exists(file) || QFile::copy(m_files.filePath("silent.y4m"), file));
        QProcessEnvironment environment = headless();
        environment.insert("NXTEST_STUDIO", Studio);
        environment.insert("NXTEST_FILE", file);
        // stderr on a terminal: progress bars redrawn in place.
        const Run run = launch("script", {"-qec", R"(exec "$NXTEST_STUDIO" transcribe "$NXTEST_FILE")", "/dev/null"},
                               environment);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.out.contains("\x1b[2K") && run.out.contains("quiet\\x1b[31m.y4m"), qPrintable(run.out));
        QVERIFY2(!run.out.contains("\x1b[31m"), qPrintable(run.out));
        // The reason on a line of its own, not in the bar, which keeps to one line.
        QVERIFY2(run.out.contains("quiet\\x1b[31m.y4m: \"quiet\\x1b[31m.y4m\" has no sound"), qPrintable(run.out));
    }

    void voicesListTheCatalogue()
    {
        for (const QString& language : QStringList{"", "de-DE"}) {
            const Run run = launch(Studio, language.isEmpty() ? QStringList{"voices"} : QStringList{"voices", "--language", language});
            QCOMPARE(run.exitCode, 0);
            QStringList expected, listed;
            for (const NxTextToSpeechVoiceInfo& voice : catalogue())
                if (language.isEmpty() || voice.languageCode == language)
                    expected.append(QString::number(voice.id) + '\t' + voice.languageCode + '\t' + voice.showName);
            for (const QString& line : run.outLines())
                listed.append(line.section('\t', 0, 2));
            QVERIFY(!expected.isEmpty());
            QCOMPARE(listed, expected);
        }
    }

    void withoutADisplayTheTourTranscribesAndSpeaks()
    {
        const Run run = launch(Studio, {});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        const QRegularExpression srt(QStringLiteral("subtitles: (.+\\.srt)$"), QRegularExpression::MultilineOption);
        const QRegularExpression mp3(QStringLiteral("voice-over .*: (.+\\.mp3)$"), QRegularExpression::MultilineOption);
        const QString subtitles = srt.match(run.out).captured(1);
        const QString voiceOver = mp3.match(run.out).captured(1);
        QVERIFY2(subtitles.startsWith(m_home.path()) && QFile::exists(subtitles), qPrintable(run.out));
        QVERIFY2(voiceOver.startsWith(m_home.path()) && probe(voiceOver).contains("codec_name=mp3"),
                 qPrintable(run.out));

        // The engine's MP3 heard again: FFmpeg's own lines ("[mp3float @ 0x…] …") stay off the terminal.
        const Run heard = launch(Studio, {"transcribe", voiceOver, "--out", m_files.path()}, headless());
        QVERIFY2(heard.exitCode == 0, qPrintable(heard.err));
        static const QRegularExpression ffmpegLine(QStringLiteral("\\[\\w+ @ 0x[0-9a-f]+\\]"));
        for (const QString& err : {run.err, heard.err})
            QVERIFY2(!err.contains(ffmpegLine), qPrintable(err));
    }

    void runsSideBySideDeliverEachTheirOwnResult()
    {
        // The voice-overs' names agree: the title's name and the texts' first 17 characters.
        const auto textOf = [](int run) { return QStringLiteral("Every run shares this opening, then says %1.").arg(run); };
        const auto copyOf = [](const QTemporaryDir& out, int run) { return out.filePath(QStringLiteral("run%1.mp3").arg(run)); };
        const QTemporaryDir home, out;
        std::vector<std::unique_ptr<QProcess>> speaking, transcribing;
        for (int i = 0; i < ParallelRuns; ++i) {
            speaking.push_back(start(Studio, {"speak", textOf(i), "--out", copyOf(out, i)}, headless(home.path())));
            transcribing.push_back(start(Studio, {"transcribe", Recording}, headless(home.path())));
        }
        const QString voiceOver = home.filePath("Voice-over");
        QSet<QString> subtitles;
        for (int i = 0; i < ParallelRuns; ++i) {
            const Run spoken = finish(*speaking.at(i)), heard = finish(*transcribing.at(i));
            QVERIFY2(spoken.exitCode == 0 && heard.exitCode == 0, qPrintable(spoken.err + heard.err));
            QCOMPARE(spoken.out.trimmed(), copyOf(out, i));
            // The copy is of the voice-over whose text file holds this run's text.
            QString own;
            for (const QString& kept : QDir(voiceOver).entryList({"*.kvtxt"}))
                if (bytesOf(voiceOver + '/' + kept) == textOf(i).toUtf8())
                    own = voiceOver + '/' + kept.chopped(6) + ".mp3";
            QVERIFY2(!own.isEmpty(), qPrintable(textOf(i)));
            QCOMPARE(bytesOf(copyOf(out, i)), bytesOf(own));
            QVERIFY2(!bytesOf(heard.out.trimmed()).isEmpty(), qPrintable(heard.out));
            subtitles.insert(heard.out.trimmed());
        }
        QCOMPARE(subtitles.size(), ParallelRuns);
        // No reservation or temporary left beside the results.
        QCOMPARE(QDir(voiceOver).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 2 * ParallelRuns);
        QCOMPARE(deliveredIn(home.filePath("Subtitles")).size(), ParallelRuns);
    }
};

QTEST_GUILESS_MAIN(tst_StudioCli)
#include "tst_studiocli.moc"
