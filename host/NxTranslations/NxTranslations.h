#pragma once

#include <QString>
#include <QStringList>

// The interface's translations: the project's own, carried inside this library,
// and Qt's for its standard dialogs (file dialogs, message box buttons).
namespace NxTranslations
{
// The interface languages there is a translation for, by code ("de", "pt_BR", "zh_HK").
QStringList codes();

// Makes `code` the interface language: replaces the previous language's
// translators, sets the default locale and lays windows out right to left
// where the language is written so. Every open window hears of it through
// QEvent::LanguageChange. Returns false, keeping the previous language, when
// there is no translation for `code`.
bool use(const QString& code);

// The language last made the interface's, empty before the first.
QString current();
}
