// Renders nx-studio's main window with media in its bin, clips on every kind
// of track, subtitles and a selection, in both skins:
//   QT_QPA_PLATFORM=offscreen build/tools/nx-gallery/nx-gallery-studio <output folder>
// writes studio-dark.png and studio-light.png (the README's screenshots live in docs/),
// and studio-de.png, studio-ja.png and studio-ar.png in the dark skin.

#include "NxGalleryOutput.h"
#include "NxStudioAppearance.h"
#include "NxStudioClips.h"
#include "NxStudioMainWindow.h"
#include "NxStudioMediaBin.h"
#include "NxStudioMediaBinView.h"
#include "NxStudioMonitor.h"
#include "NxStudioTimeline.h"
#include "NxSkinPalette.h"
#include "NxTimelineClip.h"
#include "NxTranslations.h"

#include <QApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtMath>

#include <cstdio>

namespace
{
constexpr QSize WindowSize(1280, 800);
constexpr int SampleRate = 16000;

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A mono 16-bit WAV file of a quiet tone.
bool writeTone(const QString& path, double seconds)
{
    const qint32 samples = qint32(seconds * SampleRate);
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << qint32(36 + samples * 2);
    out.writeRawData("WAVEfmt ", 8);
    out << qint32(16) << qint16(1) << qint16(1) << qint32(SampleRate) << qint32(SampleRate * 2) << qint16(2)
        << qint16(16);
    out.writeRawData("data", 4);
    out << qint32(samples * 2);
    for (qint32 i = 0; i < samples; ++i)
        out << qint16(2000 * qSin(2 * M_PI * 220 * i / SampleRate));
    return writeFile(path, bytes);
}

// A YUV4MPEG2 stream at 25 frames per second, no sound: a sky over a
// field, with a sun that crosses the picture.
bool writeVideo(const QString& path, int seconds)
{
    constexpr int Width = 320, Height = 180;
    QByteArray bytes("YUV4MPEG2 W320 H180 F25:1 Ip A1:1 C420jpeg\n");
    for (int frame = 0; frame < seconds * 25; ++frame) {
        QByteArray luma(Width * Height, '\0'), blue(Width * Height / 4, '\0'), red(Width * Height / 4, '\0');
        const int sunX = 40 + frame * (Width - 80) / (seconds * 25), sunY = 50;
        for (int y = 0; y < Height; ++y)
            for (int x = 0; x < Width; ++x) {
                const bool sky = y < Height * 3 / 5, sun = (x - sunX) * (x - sunX) + (y - sunY) * (y - sunY) < 18 * 18;
                luma[y * Width + x] = char(sun ? 225 : sky ? 150 - y / 2 : 90 + (x + y) % 24);
                if (x % 2 == 0 && y % 2 == 0) {
                    const int at = y / 2 * Width / 2 + x / 2;
                    blue[at] = char(sun ? 60 : sky ? 170 : 90);
                    red[at] = char(sun ? 160 : sky ? 110 : 100);
                }
            }
        bytes += "FRAME\n" + luma + blue + red;
    }
    return writeFile(path, bytes);
}

const char* const Subtitles = "1\n00:00:00,400 --> 00:00:03,100\nand mister john dashwood had then leisure\n\n"
                              "2\n00:00:03,300 --> 00:00:06,900\nto consider how much there might be prudently\n\n"
                              "3\n00:00:07,000 --> 00:00:09,600\nin his power to do for them\n\n"
                              "4\n00:00:10,200 --> 00:00:12,400\nhe was not an ill disposed young man\n";

void waitForTheBin(const NxStudioMediaBin& bin)
{
    while (bin.readingCount() > 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
}

int idOf(const NxStudioMediaBin& bin, const QString& name)
{
    for (int row = 0; row < bin.rowCount(); ++row)
        if (bin.itemAt(row)->name == name)
            return bin.itemAt(row)->id;
    return -1;
}
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString folder = outputFolder(argc, argv);
    if (folder.isEmpty())
        return 2;
    // Keep the user's own data folder, settings and remembered layout out of it.
    QTemporaryDir home;
    qputenv("NXSPEECH_HOME", home.path().toLocal8Bit());
    QTemporaryDir media;
    const QDir files(media.path());
    if (!writeVideo(files.filePath("Street interview.y4m"), 12) || !writeTone(files.filePath("Narration.wav"), 5)
        || !writeTone(files.filePath("Theme music.wav"), 16)
        || !writeFile(files.filePath("Clip_Street interview.srt"), Subtitles)) {
        std::fprintf(stderr, "cannot write the sample media\n");
        return 1;
    }

    NxStudioAppearance::restore();
    NxStudioMainWindow window;
    window.resize(WindowSize);
    window.importFiles({files.filePath("Street interview.y4m"), files.filePath("Narration.wav"),
                        files.filePath("Theme music.wav"), files.filePath("Clip_Street interview.srt")});
    waitForTheBin(*window.bin());

    NxStudioTimeline& timeline = *window.timeline();
    const qint64 second = NxStudioTimeline::FrameRate.num;
    window.addToTimeline({idOf(*window.bin(), "Street interview.y4m")}, 1 * second);
    window.addToTimeline({idOf(*window.bin(), "Theme music.wav")}, 0);
    window.addToTimeline({idOf(*window.bin(), "Clip_Street interview.srt")}, 1 * second);
    timeline.addClips(NxStudioClips::title(QStringLiteral("A walk through the old town"), 13 * second, timeline),
                      QStringLiteral("Add title"));
    window.addToTimeline({idOf(*window.bin(), "Narration.wav")}, 13 * second);
    QList<NxTimelineClip*> subtitles;
    for (NxTimelineClip* clip : timeline.clips())
        if (clip->type() == INxClip::Subtitle && subtitles.size() < 2)
            subtitles.append(clip);
    timeline.setSelection(subtitles);
    timeline.setPlayhead(6 * second + 10);
    window.binView()->setCurrentIndex(window.bin()->index(3));
    window.show();
    // The monitor's picture at that playhead, rendered off the GUI thread.
    while (window.monitor()->shownPosition() != timeline.playhead())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);

    for (int skin : {int(NxSkinPalette::DarkSkin), int(NxSkinPalette::LightSkin)}) {
        NxStudioAppearance::setSkin(skin);
        window.statusBar()->showMessage(QStringLiteral("4 subtitles placed on the timeline."));
        writePage(&window, folder, QStringLiteral("studio"), NxSkinPalette::SkinName(skin));
    }
    // The dark skin in other interface languages, one of them written right to left.
    NxStudioAppearance::setSkin(NxSkinPalette::DarkSkin);
    for (const QString& language : {QStringLiteral("de"), QStringLiteral("ja"), QStringLiteral("ar")}) {
        NxTranslations::use(language);
        // The windows hear of the language by posted events.
        settleEvents();
        window.statusBar()->showMessage(
            QCoreApplication::translate("NxStudioSpeech", "%n subtitle(s) placed on the timeline.", "", 4));
        writePage(&window, folder, QStringLiteral("studio"), language);
    }
    return 0;
}
