// Bakes the kit's images at build time: every manifest line names an output
// image, its SVG source and pixel size, and the colour role that stands in
// for the source's "currentColor". Sources may also name any role directly
// as "@Role". Each image is rendered for every skin at 1x and 2x, and a .qrc
// listing them is written beside them, so the running program needs no SVG
// support at all.
//
// "currentColor" is painted opaque and the finished image then takes the
// role's opacity as a whole, so strokes and fills may overlap without
// doubling up where a translucent ink (secondary text) would show seams.
//
// The frames manifest names looping animations drawn from one source: an
// element carrying data-pulse="<delay>" (a fraction of the loop) swells from
// faint to full and back once per loop, starting that much later. The still
// image of the same source shows every such element at full strength. Each
// set lands, with a .qrc listing it under ":/NxDataHome/", in the data
// folder's layout, where INxAppInfo installs it for the user:
//   Resources/<folder>/<skin>/<name>/<name><frame>.png         at <px>
//   Resources/<folder>/<skin>/<name>_2x/<name>_2x<frame>.png   at twice that
// with every frame number of a set written with the same number of digits.
//
//   nxkit_iconbake <manifest> <frames manifest> <svg folder> <output folder>

#include "NxSkinColor.h"
#include "NxSkinPalette.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>
#include <QTextStream>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cmath>
#include <cstdio>

namespace {

// A pulsing element never fades out completely, so the shape stays readable.
constexpr qreal PulseFloor = 0.25;

struct Job
{
    QString name;
    QString source;
    int size = 0;
    NxSkinColor::NxColorType ink = NxSkinColor::ColorTypeCount;
    int frames = 0;  // animations only
    QString folder;  // animations only: below Resources/
};

[[noreturn]] void fail(const QString& message)
{
    std::fprintf(stderr, "nxkit_iconbake: %s\n", qPrintable(message));
    std::exit(1);
}

// Manifest lines: "<name> <source> <px> <role>", or for animations
// "<name> <source> <px> <frames> <role> <folder>" (the folder may hold blanks).
QList<Job> readManifest(const QString& path, bool animations)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        fail(QStringLiteral("cannot read %1").arg(path));
    QList<Job> jobs;
    int lineNumber = 0;
    QTextStream in(&file);
    while (!in.atEnd()) {
        ++lineNumber;
        const QString line = in.readLine().section(QLatin1Char('#'), 0, 0).simplified();
        if (line.isEmpty())
            continue;
        const QStringList fields = line.split(QLatin1Char(' '));
        const int roleField = animations ? 4 : 3;
        Job job;
        bool sizeOk = false;
        bool framesOk = !animations;
        if (animations ? fields.size() > roleField + 1 : fields.size() == roleField + 1) {
            job.name = fields[0];
            job.source = fields[1];
            job.size = fields[2].toInt(&sizeOk);
            if (animations) {
                job.frames = fields[3].toInt(&framesOk);
                job.folder = line.section(QLatin1Char(' '), roleField + 1);
            }
            job.ink = NxSkinColor::FromName(fields[roleField]);
        }
        if (!sizeOk || job.size <= 0 || !framesOk || (animations && job.frames <= 0)
            || job.ink == NxSkinColor::ColorTypeCount)
            fail(QStringLiteral("%1:%2: expected '%3'")
                     .arg(path)
                     .arg(lineNumber)
                     .arg(animations ? QStringLiteral("<name> <source.svg> <size> <frames> <colour role> <folder>")
                                     : QStringLiteral("<name> <source.svg> <size> <colour role>")));
        jobs.append(job);
    }
    return jobs;
}

// The colour a paint value stands for, or an invalid colour when the value
// is a plain SVG paint to keep as written.
QColor roleColour(const QString& value, int skin, NxSkinColor::NxColorType ink, const QString& sourceName)
{
    if (value == QLatin1String("currentColor")) {
        QColor color = NxSkinPalette::Color(skin, ink);
        color.setAlpha(255);
        return color;
    }
    if (!value.startsWith(QLatin1Char('@')))
        return QColor();
    const QColor color = NxSkinPalette::Color(skin, NxSkinColor::FromName(value.mid(1)));
    if (!color.isValid())
        fail(QStringLiteral("%1: unknown colour role '%2'").arg(sourceName, value));
    return color;
}

// How strongly a pulsing element shows at `loopTime` (0 to 1), for a pulse
// starting `delay` into the loop: a smooth swell from the floor to full.
qreal pulse(qreal loopTime, qreal delay)
{
    const qreal phase = loopTime - delay - std::floor(loopTime - delay);
    return PulseFloor + (1 - PulseFloor) * (0.5 - 0.5 * std::cos(2 * M_PI * phase));
}

// QtSvg drops the alpha of a colour value, so a role's opacity is folded
// into the matching *-opacity attribute instead. A negative `loopTime`
// draws the still image; otherwise pulsing elements take their strength at
// that moment of the loop as their opacity.
QByteArray colourSvg(const QByteArray& svg, int skin, NxSkinColor::NxColorType ink, const QString& sourceName,
                     qreal loopTime = -1)
{
    static const QString kPulse = QStringLiteral("data-pulse");
    static const QHash<QString, QString> kOpacityOf = {
        {QStringLiteral("fill"), QStringLiteral("fill-opacity")},
        {QStringLiteral("stroke"), QStringLiteral("stroke-opacity")},
        {QStringLiteral("stop-color"), QStringLiteral("stop-opacity")},
    };

    QByteArray out;
    QXmlStreamReader reader(svg);
    reader.setNamespaceProcessing(false);
    QXmlStreamWriter writer(&out);
    while (reader.readNext() != QXmlStreamReader::EndDocument && !reader.hasError()) {
        if (reader.tokenType() != QXmlStreamReader::StartElement) {
            writer.writeCurrentToken(reader);
            continue;
        }
        const QXmlStreamAttributes attributes = reader.attributes();
        QHash<QString, QColor> roles; // paint attribute -> its role's colour
        for (const QXmlStreamAttribute& attribute : attributes) {
            const QString name = attribute.qualifiedName().toString();
            if (kOpacityOf.contains(name)) {
                const QColor color = roleColour(attribute.value().toString().trimmed(), skin, ink, sourceName);
                if (color.isValid())
                    roles.insert(name, color);
            }
        }
        writer.writeStartElement(reader.qualifiedName().toString());
        if (loopTime >= 0 && attributes.hasAttribute(kPulse)) {
            const qreal strength = pulse(loopTime, attributes.value(kPulse).toDouble());
            writer.writeAttribute(QStringLiteral("opacity"), QString::number(strength, 'g', 4));
        }
        for (const QXmlStreamAttribute& attribute : attributes) {
            const QString name = attribute.qualifiedName().toString();
            if (name == kPulse)
                continue;
            if (roles.contains(kOpacityOf.key(name)))
                continue; // rewritten with its paint below
            if (!roles.contains(name)) {
                writer.writeAttribute(name, attribute.value().toString());
                continue;
            }
            const QColor color = roles.value(name);
            const QStringRef given = attributes.value(kOpacityOf.value(name));
            const qreal opacity = (given.isEmpty() ? 1.0 : given.toDouble()) * color.alphaF();
            writer.writeAttribute(name, color.name(QColor::HexRgb));
            writer.writeAttribute(kOpacityOf.value(name), QString::number(opacity, 'g', 4));
        }
    }
    if (reader.hasError())
        fail(QStringLiteral("%1: %2").arg(sourceName, reader.errorString()));
    return out;
}

void render(const QByteArray& svg, int pixels, qreal opacity, const QString& path, const QString& sourceName)
{
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        fail(QStringLiteral("%1: not a valid SVG once coloured").arg(sourceName));
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    if (opacity < 1.0) {
        painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        painter.fillRect(image.rect(), QColor(0, 0, 0, qRound(opacity * 255)));
    }
    painter.end();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
        fail(QStringLiteral("cannot write %1").arg(path));
}

QByteArray readSource(const QDir& sources, const Job& job)
{
    QFile source(sources.filePath(job.source));
    if (!source.open(QIODevice::ReadOnly))
        fail(QStringLiteral("cannot read %1").arg(source.fileName()));
    return source.readAll();
}

void makePath(const QDir& output, const QString& folder)
{
    if (!output.mkpath(folder))
        fail(QStringLiteral("cannot create %1").arg(output.filePath(folder)));
}

void writeQrc(const QDir& output, const QString& name, const QString& prefix, const QStringList& files)
{
    QString qrc;
    QTextStream qrcOut(&qrc);
    qrcOut << "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"" << prefix << "\">\n";
    for (const QString& file : files)
        qrcOut << "  <file>" << file.toHtmlEscaped() << "</file>\n";
    qrcOut << "</qresource>\n</RCC>\n";
    qrcOut.flush();

    QSaveFile qrcFile(output.filePath(name));
    if (!qrcFile.open(QIODevice::WriteOnly) || qrcFile.write(qrc.toUtf8()) < 0 || !qrcFile.commit())
        fail(QStringLiteral("cannot write %1").arg(qrcFile.fileName()));
}

// Every skin's frame sets of every animation; answers the files written.
QStringList bakeAnimations(const QList<Job>& animations, const QDir& sources, const QDir& output)
{
    QStringList files;
    for (int skin = 0; skin < NxSkinPalette::SkinKindCount; ++skin) {
        for (const Job& job : animations) {
            const QByteArray svg = readSource(sources, job);
            const int digits = QString::number(job.frames - 1).size();
            for (const int scale : {1, 2}) {
                const QString set = job.name + (scale == 1 ? QString() : QStringLiteral("_2x"));
                const QString folder = QStringLiteral("Resources/%1/%2/%3")
                                           .arg(job.folder, NxSkinPalette::SkinName(skin), set);
                makePath(output, folder);
                for (int frame = 0; frame < job.frames; ++frame) {
                    const QString file = QStringLiteral("%1/%2%3.png")
                                             .arg(folder, set)
                                             .arg(frame, digits, 10, QLatin1Char('0'));
                    render(colourSvg(svg, skin, job.ink, job.source, qreal(frame) / job.frames), job.size * scale,
                           NxSkinPalette::Color(skin, job.ink).alphaF(), output.filePath(file), job.source);
                    files << file;
                }
            }
        }
    }
    return files;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5)
        fail(QStringLiteral("usage: nxkit_iconbake <manifest> <frames manifest> <svg folder> <output folder>"));
    const QList<Job> jobs = readManifest(args[1], false);
    const QList<Job> animations = readManifest(args[2], true);
    const QDir sources(args[3]);
    const QDir output(args[4]);

    QStringList images;
    for (int skin = 0; skin < NxSkinPalette::SkinKindCount; ++skin) {
        const QString skinName = NxSkinPalette::SkinName(skin);
        makePath(output, skinName);
        for (const Job& job : jobs) {
            const QByteArray svg = colourSvg(readSource(sources, job), skin, job.ink, job.source);
            for (const int scale : {1, 2}) {
                const QString file = QStringLiteral("%1/%2%3.png").arg(skinName, job.name,
                                                                      scale == 1 ? QString() : QStringLiteral("@2x"));
                render(svg, job.size * scale, NxSkinPalette::Color(skin, job.ink).alphaF(), output.filePath(file),
                       job.source);
                images << file;
            }
        }
    }
    writeQrc(output, QStringLiteral("nxkit_icons.qrc"), QStringLiteral("/nxkit"), images);
    writeQrc(output, QStringLiteral("nxkit_data.qrc"), QStringLiteral("/NxDataHome"),
             bakeAnimations(animations, sources, output));
    return 0;
}
