#include "NxGalleryOutput.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QWidget>

#include <cstdio>

QString outputFolder(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return QString();
    }
    const QString folder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return QString();
    }
    return folder;
}

void settleEvents()
{
    for (int round = 0; round < 3; ++round)
        QCoreApplication::processEvents();
}

void writePage(const QImage& image, const QString& folder, const QString& name, const QString& skin)
{
    const QString path = folder + QLatin1Char('/') + name + QLatin1Char('-') + skin + QStringLiteral(".png");
    image.save(path);
    std::printf("%s\n", qPrintable(path));
    std::fflush(stdout);
}

void writePage(QWidget* widget, const QString& folder, const QString& name, const QString& skin)
{
    widget->show();
    settleEvents();
    writePage(widget->grab().toImage(), folder, name, skin);
}
