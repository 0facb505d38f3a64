#pragma once

#include <QString>
#include <QVector>

// The editor's skin and interface language, both remembered across starts:
// the skin in the host configuration, the language in the settings store,
// by the store's numbers (which the services' dialogs read to preselect the
// spoken language).
namespace NxStudioAppearance
{
struct Language
{
    int number;
    QString code; // the translation's, NxTranslations::use
    QString name; // in the language itself
};

QVector<Language> languages();
int language();
// Switches and remembers the interface language; every open window retranslates.
void setLanguage(int number);

int skin();
// Switches and remembers the skin (NxSkinPalette::SkinKind).
void setSkin(int kind);
// The remembered skin, on the widget kit and on the application's palette,
// and the remembered interface language.
void restore();
// The application's palette from the current skin, for the standard widgets
// (menus, docks, scroll bars) that do not ask the skin themselves.
void applyPalette();
}
