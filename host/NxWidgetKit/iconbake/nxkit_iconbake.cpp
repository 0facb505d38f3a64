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
//   nxkit_iconbake <manifest> <svg folder> <output folder>

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

#include <cstdio>

namespace {

struct Job
{
    QString name;
    QString source;
    int size = 0;
    NxSkinColor::NxColorType ink = NxSkinColor::ColorTypeCount;
};

[[noreturn]] void fail(const QString& message)
{
    std::fprintf(stderr, "nxkit_iconbake: %s\n", qPrintable(message));
    std::exit(1);
}

QList<Job> readManifest(const QString& path)
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
        Job job;
        bool sizeOk = false;
        if (fields.size() == 4) {
            job.name = fields[0];
            job.source = fields[1];
            job.size = fields[2].toInt(&sizeOk);
            job.ink = NxSkinColor::FromName(fields[3]);
        }
        if (!sizeOk || job.size <= 0 || job.ink == NxSkinColor::ColorTypeCount)
            fail(QStringLiteral("%1:%2: expected '<name> <source.svg> <size> <colour role>'").arg(path).arg(lineNumber));
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

// QtSvg drops the alpha of a colour value, so a role's opacity is folded
// into the matching *-opacity attribute instead.
QByteArray colourSvg(const QByteArray& svg, int skin, NxSkinColor::NxColorType ink, const QString& sourceName)
{
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
        for (const QXmlStreamAttribute& attribute : attributes) {
            const QString name = attribute.qualifiedName().toString();
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

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4)
        fail(QStringLiteral("usage: nxkit_iconbake <manifest> <svg folder> <output folder>"));
    const QList<Job> jobs = readManifest(args[1]);
    const QDir sources(args[2]);
    const QDir output(args[3]);

    QString qrc;
    QTextStream qrcOut(&qrc);
    qrcOut << "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/nxkit\">\n";
    for (int skin = 0; skin < NxSkinPalette::SkinKindCount; ++skin) {
        const QString skinName = NxSkinPalette::SkinName(skin);
        if (!output.mkpath(skinName))
            fail(QStringLiteral("cannot create %1").arg(output.filePath(skinName)));
        for (const Job& job : jobs) {
            QFile source(sources.filePath(job.source));
            if (!source.open(QIODevice::ReadOnly))
                fail(QStringLiteral("cannot read %1").arg(source.fileName()));
            const QByteArray svg = colourSvg(source.readAll(), skin, job.ink, job.source);
            for (const int scale : {1, 2}) {
                const QString file = QStringLiteral("%1/%2%3.png").arg(skinName, job.name,
                                                                      scale == 1 ? QString() : QStringLiteral("@2x"));
                render(svg, job.size * scale, NxSkinPalette::Color(skin, job.ink).alphaF(), output.filePath(file),
                       job.source);
                qrcOut << "  <file>" << file << "</file>\n";
            }
        }
    }
    qrcOut << "</qresource>\n</RCC>\n";
    qrcOut.flush();

    QSaveFile qrcFile(output.filePath(QStringLiteral("nxkit_icons.qrc")));
    if (!qrcFile.open(QIODevice::WriteOnly) || qrcFile.write(qrc.toUtf8()) < 0 || !qrcFile.commit())
        fail(QStringLiteral("cannot write %1").arg(qrcFile.fileName()));
    return 0;
}
