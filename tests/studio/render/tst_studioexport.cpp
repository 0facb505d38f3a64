#include "NxDataColumns.h"
#include "NxDialogDriver.h"
#include "NxMediaFile.h"
#include "NxModalOf.h"
#include "NxStudioClips.h"
#include "NxStudioExport.h"
#include "NxStudioExportDialog.h"
#include "NxStudioTimeline.h"
#include "NxTestFiles.h"
#include "NxTestMedia.h"
#include "NxTimelineClip.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <cmath>

namespace
{
constexpr int Timeout = 120000;
constexpr NxRational Rate = NxStudioTimeline::FrameRate;

QByteArray run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(Timeout) || process.exitCode() != 0)
        qWarning() << program << arguments << process.readAllStandardError();
    return process.readAllStandardOutput();
}

QString probe(const QString& file, const QStringList& what)
{
    return QString::fromUtf8(run("ffprobe", QStringList{"-v", "error"} + what + QStringList{"-of", "csv=p=0", file}))
        .trimmed();
}

// Root-mean-square level of the sound between `from` and `to` seconds.
double level(const QString& file, double from, double to)
{
    const QByteArray samples = run("ffmpeg", {"-v", "error", "-i", file, "-ss", QString::number(from), "-to",
                                              QString::number(to), "-ac", "1", "-f", "s16le", "-"});
    double sum = 0;
    const int count = samples.size() / 2;
    for (int i = 0; i < count; ++i) {
        const double sample = qFromLittleEndian<qint16>(samples.constData() + 2 * i);
        sum += sample * sample;
    }
    return count ? std::sqrt(sum / count) : 0.0;
}

QImage frameAt(const QString& file, double seconds)
{
    return QImage::fromData(run("ffmpeg", {"-v", "error", "-ss", QString::number(seconds), "-i", file, "-frames:v",
                                           "1", "-f", "image2pipe", "-c:v", "png", "-"}));
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}
}

// The export of a timeline as an MP4 file, judged by what a player finds in
// it: streams, subtitle cues, sound and picture where the clips put them.
class StudioExportTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // Four seconds of picture without sound, and a one-second tone for the voice-over.
        QVERIFY(NxTestMedia::video(m_dir.filePath("picture.mp4"), QSize(320, 240), 4, false));
        QVERIFY(NxTestMedia::tone(m_dir.filePath("voice.wav"), 1, 440));
        makeTimeline(m_dir.path());
    }

    // The voice-over is heard at its time, and only then.
    void softSubtitlesAreAStreamWithOneCuePerClip()
    {
        const QString file = exported(false);
        QCOMPARE(probe(file, {"-show_entries", "stream=codec_name"}).split('\n'),
                 (QStringList{"h264", "aac", "mov_text"}));
        QVERIFY2(qAbs(probe(file, {"-show_entries", "format=duration"}).toDouble() - 4.0) < 0.1, qPrintable(file));
        // The muxer marks the gaps between cues with empty samples (two bytes): only the cues count.
        QStringList cues;
        for (const QString& packet : probe(file, {"-select_streams", "s", "-show_entries", "packet=pts_time,size"})
                                         .split('\n')) {
            if (packet.section(',', 1).toInt() > 2)
                cues.append(packet.section(',', 0, 0));
        }
        QCOMPARE(cues, (QStringList{"0.400000", "2.400000"}));
        const double voice = level(file, 2.2, 2.8);
        const double silence = level(file, 0.2, 1.8);
        QVERIFY2(voice > 1000 && voice > 20 * silence, qPrintable(QStringLiteral("%1 / %2").arg(voice).arg(silence)));
    }

    void burnedSubtitlesAreDrawnIntoThePicture()
    {
        const QString burned = exported(true);
        QCOMPARE(probe(burned, {"-show_entries", "stream=codec_name"}).split('\n'), (QStringList{"h264", "aac"}));
        const QImage with = frameAt(burned, 1.0);
        const QImage without = frameAt(exported(false), 1.0);
        QVERIFY(!with.isNull() && with.size() == without.size());
        // The lower quarter, where subtitles are drawn.
        const QRect area(0, with.height() * 3 / 4, with.width(), with.height() / 4);
        QVERIFY(with.copy(area) != without.copy(area));
    }

    void failuresSayWhyAndLeaveNoFile_data()
    {
        columns<QString, bool, QString>({"destination", "emptyTimeline", "error"});
        QTest::newRow("an empty timeline") << "empty.mp4" << true << "The timeline is empty";
        QTest::newRow("an existing file is never replaced") << "existing.mp4" << false << "already exists";
        QTest::newRow("a folder that does not exist") << "missing/out.mp4" << false << "Cannot write in";
    }
    void failuresSayWhyAndLeaveNoFile()
    {
        QFETCH(QString, destination); QFETCH(bool, emptyTimeline); QFETCH(QString, error);
        QTemporaryDir folder;
        QVERIFY(writeBytes(folder.filePath("existing.mp4"), "mine"));
        NxStudioTimeline empty;
        NxStudioExport exporter;
        QVERIFY(!exporter.start(emptyTimeline ? empty : m_timeline, folder.filePath(destination), {}));
        QVERIFY2(exporter.errorString().contains(error), qPrintable(exporter.errorString()));
        QCOMPARE(entries(folder.path()), QStringList{"existing.mp4"});
        QCOMPARE(bytesOf(folder.filePath("existing.mp4")), QByteArray("mine"));
    }

    void aFileMadeDuringTheExportIsNeverReplaced()
    {
        QTemporaryDir folder;
        NxStudioExport exporter;
        QSignalSpy finished(&exporter, &NxStudioExport::finished);
        QVERIFY(exporter.start(m_timeline, folder.filePath("out.mp4"), {}));
        QVERIFY(writeBytes(folder.filePath("out.mp4"), "mine"));
        QVERIFY(finished.wait(Timeout));
        QCOMPARE(finished.first().first().value<NxStudioExport::Outcome>(), NxStudioExport::Failed);
        QVERIFY2(exporter.errorString().contains("already exists"), qPrintable(exporter.errorString()));
        QCOMPARE(entries(folder.path()), QStringList{"out.mp4"});
        QCOMPARE(bytesOf(folder.filePath("out.mp4")), QByteArray("mine"));
    }

    void aReplacementTheUserChoseReplaces()
    {
        QTemporaryDir folder;
        QVERIFY(writeBytes(folder.filePath("out.mp4"), "mine"));
        NxStudioExport exporter;
        QSignalSpy finished(&exporter, &NxStudioExport::finished);
        NxStudioExport::Options options;
        options.replace = true;
        QVERIFY(exporter.start(m_timeline, folder.filePath("out.mp4"), options));
        QVERIFY(finished.wait(Timeout));
        QCOMPARE(finished.first().first().value<NxStudioExport::Outcome>(), NxStudioExport::Done);
        QCOMPARE(entries(folder.path()), QStringList{"out.mp4"});
        QCOMPARE(probe(folder.filePath("out.mp4"), {"-show_entries", "stream=codec_name"}).split('\n').first(), "h264");
    }

    // The file dialog asks before it hands back an existing file; a name typed by hand is never replaced.
    void theDialogReplacesNoFileNamedByHand()
    {
        QTemporaryDir folder;
        const QString existing = folder.filePath("existing.mp4");
        QVERIFY(writeBytes(existing, "mine"));
        NxStudioExportDialog dialog(&m_timeline);
        dialog.show();
        QPushButton* exportButton = childCaptioned<QPushButton>(&dialog, "Export");
        QVERIFY(exportButton);
        dialog.destinationEdit()->clear();
        QTest::keyClicks(dialog.destinationEdit(), existing);
        QString said;
        whenModalOf<QMessageBox>(this, [&said](QMessageBox* box) {
            said = box->text();
            box->accept();
        });
        QTest::mouseClick(exportButton, Qt::LeftButton);
        QVERIFY2(said.contains("already exists"), qPrintable(said));
        QCOMPARE(bytesOf(existing), QByteArray("mine"));

        dialog.destinationEdit()->clear();
        QTest::keyClicks(dialog.destinationEdit(), folder.filePath("burned.mp4"));
        QTest::mouseClick(dialog.burnBox(), Qt::LeftButton);
        QTest::mouseClick(exportButton, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.isVisible(), Timeout);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(probe(folder.filePath("burned.mp4"), {"-show_entries", "stream=codec_name"}).split('\n'),
                 (QStringList{"h264", "aac"}));
    }

    void cancelStopsAndLeavesNoFile()
    {
        QTemporaryDir folder;
        NxStudioExport exporter;
        QSignalSpy progressed(&exporter, &NxStudioExport::progressed);
        QSignalSpy finished(&exporter, &NxStudioExport::finished);
        QVERIFY(exporter.start(m_timeline, folder.filePath("out.mp4"), {}));
        QVERIFY(progressed.wait(Timeout));
        exporter.cancel();
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().first().value<NxStudioExport::Outcome>(), NxStudioExport::Cancelled);
        QCOMPARE(entries(folder.path()), QStringList());
    }

    // A file-size limit fails the export the way a full disk does: in a child
    // process, where the limit cannot reach the suite.
    void aFullDiskSaysSoAndLeavesNoFile()
    {
        QTemporaryDir folder;
        QProcess child;
        child.start("bash", {"-c", "trap '' XFSZ; ulimit -f 64; exec \"$0\" --export-child \"$1\" \"$2\"",
                             QCoreApplication::applicationFilePath(), m_dir.path(), folder.filePath("out.mp4")});
        QVERIFY(child.waitForFinished(Timeout));
        const QString said = QString::fromUtf8(child.readAllStandardOutput());
        QCOMPARE(child.exitCode(), 1);
        QVERIFY2(said.contains("Cannot write") && said.contains("Choose another folder"), qPrintable(said));
        QCOMPARE(entries(folder.path()), QStringList());
    }

public:
    // The export run by aFullDiskSaysSoAndLeavesNoFile's child: what it says goes to stdout.
    int exportInChild(const QString& media, const QString& destination)
    {
        makeTimeline(media);
        NxStudioExport exporter;
        QSignalSpy finished(&exporter, &NxStudioExport::finished);
        if (exporter.start(m_timeline, destination, {}))
            finished.wait(Timeout);
        printf("%s\n", qPrintable(exporter.errorString()));
        fflush(stdout); // a sanitizer's exit skips stdio's own flush
        return exporter.errorString().isEmpty() ? 0 : 1;
    }

private:
    // Picture from 0, the voice-over at 2 s, two subtitles.
    void makeTimeline(const QString& media)
    {
        m_picture = std::make_unique<NxMediaFile>(media + "/picture.mp4", 1, Rate, 100);
        m_voice = std::make_unique<NxMediaFile>(media + "/voice.wav", 3, Rate, 25);
        addMedia(m_picture.get(), INxClip::Video, 0);
        addMedia(m_voice.get(), INxClip::Audio, 50);
        m_timeline.addClips(NxStudioClips::fromCues({{400, 1600, "Hello there"}, {2400, 3600, "Second line"}}, 0,
                                                    m_timeline),
                            QStringLiteral("subtitles"));
    }

    void addMedia(NxMediaFile* media, int type, qint64 position)
    {
        NxStudioClips::Clips clips;
        clips.push_back(std::make_unique<NxTimelineClip>(media->displayName(), type, Rate, media,
                                                         NxTimelineClip::Placement{0, media->length(), position}));
        m_timeline.addClips(std::move(clips), QStringLiteral("media"));
    }

    // The timeline exported once per choice of subtitles.
    QString exported(bool burn)
    {
        const QString file = m_dir.filePath(burn ? "burned.mp4" : "soft.mp4");
        if (QFile::exists(file))
            return file;
        NxStudioExport exporter;
        QSignalSpy finished(&exporter, &NxStudioExport::finished);
        NxStudioExport::Options options;
        options.burnSubtitles = burn;
        if (!exporter.start(m_timeline, file, options) || !finished.wait(Timeout))
            qWarning() << "export did not run:" << exporter.errorString();
        else if (finished.first().first().value<NxStudioExport::Outcome>() != NxStudioExport::Done)
            qWarning() << "export failed:" << exporter.errorString();
        return file;
    }

    QTemporaryDir m_dir;
    std::unique_ptr<NxMediaFile> m_picture;
    std::unique_ptr<NxMediaFile> m_voice;
    NxStudioTimeline m_timeline;
};

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    StudioExportTest test;
    if (argc == 4 && qstrcmp(argv[1], "--export-child") == 0)
        return test.exportInChild(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    return QTest::qExec(&test, argc, argv);
}

#include "tst_studioexport.moc"
