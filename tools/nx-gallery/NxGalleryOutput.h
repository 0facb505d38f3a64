#pragma once

#include <QHash>
#include <QString>
#include <QTranslator>

class QImage;
class QWidget;

// What every gallery page shares: letting posted work run, writing a page as
// "<folder>/<name>-<skin>.png" (and naming the file on standard output), and
// a translation served from a table, for the pages in a long language.

// The output folder named by the first argument, made absolute and created;
// empty, after saying why on standard error, when there is none.
QString outputFolder(int argc, char** argv);
void settleEvents();
void writePage(const QImage& image, const QString& folder, const QString& name, const QString& skin);
// Shows the widget, lets it settle, then writes what it shows.
void writePage(QWidget* widget, const QString& folder, const QString& name, const QString& skin);

class NxGalleryTranslator : public QTranslator
{
public:
    explicit NxGalleryTranslator(QHash<QString, QString> texts) : m_texts(std::move(texts)) {}

    // Installing it announces a language change only when it is not empty.
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override
    {
        return m_texts.value(QString::fromUtf8(source));
    }

private:
    QHash<QString, QString> m_texts;
};
