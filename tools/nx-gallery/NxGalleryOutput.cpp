#include "NxGalleryOutput.h"

#include <QCoreApplication>
#include <QImage>
#include <QWidget>

#include <cstdio>

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
