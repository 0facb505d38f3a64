#include "NxGalleryOutput.h"

#include <QApplication>
#include <QKeyEvent>
#include <QDir>
#include <QImage>
#include <QWidget>

#include <cstdio>

namespace
{
QString& pageLanguage()
{
    static QString code;
    return code;
}
}

QString outputFolder(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return QString();
    }
    return outputFolder(QString::fromLocal8Bit(argv[1]));
}

QString outputFolder(const QString& argument)
{
    const QString folder = QDir(argument).absolutePath();
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(argument));
        return QString();
    }
    return folder;
}

void setPageLanguage(const QString& code)
{
    pageLanguage() = code;
}

void settleEvents()
{
    for (int round = 0; round < 3; ++round)
        QCoreApplication::processEvents();
}

void writePage(const QImage& image, const QString& folder, const QString& name, const QString& skin)
{
    const QString language = pageLanguage().isEmpty() ? QString() : QLatin1Char('-') + pageLanguage();
    const QString path = folder + QLatin1Char('/') + name + QLatin1Char('-') + skin + language + QStringLiteral(".png");
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

void focusByKeyboard(QWidget* target, const QList<int>& keys)
{
    QWidget* window = target->window();
    window->show();
    QApplication::setActiveWindow(window);
    window->setAttribute(Qt::WA_KeyboardFocusChange);
    target->setFocus(Qt::TabFocusReason);
    for (int key : keys) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(QApplication::focusWidget(), &press);
    }
    settleEvents();
}
