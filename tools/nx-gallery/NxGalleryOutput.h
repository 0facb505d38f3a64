#pragma once

#include <QList>
#include <QString>

class QImage;
class QWidget;

// What every gallery page shares: letting posted work run and writing a page as
// "<folder>/<name>-<skin>.png", or "<name>-<skin>-<language>.png" in an
// interface language (naming the file on standard output).

// The output folder named by the first argument, made absolute and created;
// empty, after saying why on standard error, when there is none.
QString outputFolder(int argc, char** argv);
// The folder `argument` names, made absolute and created; empty, after saying why, when it cannot be.
QString outputFolder(const QString& argument);
// The interface language the pages from now on are in: a code ends their names; empty for none.
void setPageLanguage(const QString& code);
void settleEvents();
void writePage(const QImage& image, const QString& folder, const QString& name, const QString& skin);
// Gives `target` keyboard focus in its window, as Tab would, then presses `keys` there.
void focusByKeyboard(QWidget* target, const QList<int>& keys = {});
// Shows the widget, lets it settle, then writes what it shows.
void writePage(QWidget* widget, const QString& folder, const QString& name, const QString& skin);
