#include "NxTranslations.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

static void initTranslationResources()
{
    Q_INIT_RESOURCE(nx_translations);
}

namespace
{
const QString Folder = QStringLiteral(":/translations");

struct Installed
{
    QString code;
    std::unique_ptr<QTranslator> own;
    std::unique_ptr<QTranslator> qt;
};

Installed& installed()
{
    static Installed languages;
    return languages;
}

// Qt ships no Hong Kong Chinese; Taiwan's is in the same Traditional characters.
QLocale qtLocaleOf(const QString& code)
{
    return QLocale(code == QLatin1String("zh_HK") ? QStringLiteral("zh_TW") : code);
}

std::unique_ptr<QTranslator> load(const QLocale& locale, const QString& name, const QString& folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, name, QStringLiteral("_"), folder))
        return nullptr;
    return translator;
}
}

namespace NxTranslations
{
QStringList codes()
{
    initTranslationResources();
    QStringList found;
    for (const QString& file : QDir(Folder).entryList({QStringLiteral("nx_*.qm")}, QDir::Files, QDir::Name))
        found << file.mid(3, file.size() - 6);
    return found;
}

bool use(const QString& code)
{
    initTranslationResources();
    auto own = std::make_unique<QTranslator>();
    if (!own->load(QStringLiteral("nx_") + code, Folder))
        return false;
    Installed& current = installed();
    for (auto* old : {current.own.get(), current.qt.get()})
        if (old)
            QCoreApplication::removeTranslator(old);
    current.code = code;
    current.own = std::move(own);
    current.qt = load(qtLocaleOf(code), QStringLiteral("qtbase"), QLibraryInfo::location(QLibraryInfo::TranslationsPath));
    const QLocale locale(code);
    QLocale::setDefault(locale);
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        QGuiApplication::setLayoutDirection(locale.textDirection());
    // Qt's first so that ours win where both translate a text of the same context.
    if (current.qt)
        QCoreApplication::installTranslator(current.qt.get());
    QCoreApplication::installTranslator(current.own.get());
    return true;
}

QString current()
{
    return installed().code;
}
}
