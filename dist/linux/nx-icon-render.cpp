// Renders the application icon's SVG into the square PNG sizes of the hicolor
// icon theme at build time, so the installed tree needs no SVG tool:
//   nx-icon-render <icon.svg> <output folder> <name> <size>...
// writes <output folder>/<size>x<size>/apps/<name>.png for every size.

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 5) {
        std::fputs("usage: nx-icon-render <icon.svg> <output folder> <name> <size>...\n", stderr);
        return 2;
    }
    QSvgRenderer renderer(arguments.at(1));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "nx-icon-render: %s is not a readable SVG\n", qPrintable(arguments.at(1)));
        return 1;
    }
    const QDir output(arguments.at(2));
    for (const QString& given : arguments.mid(4)) {
        bool ok = false;
        const int size = given.toInt(&ok);
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        if (!ok || size <= 0 || !output.mkpath(folder)) {
            std::fprintf(stderr, "nx-icon-render: cannot make the %s icon\n", qPrintable(given));
            return 1;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, size, size));
        painter.end();
        const QString file = output.filePath(folder + QLatin1Char('/') + arguments.at(3) + QStringLiteral(".png"));
        if (!image.save(file, "PNG")) {
            std::fprintf(stderr, "nx-icon-render: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
