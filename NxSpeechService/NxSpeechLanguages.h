#pragma once

#include <QList>
#include <QMap>
#include <QString>

class NxComboBox;

// The spoken languages both speech services offer, by language id. Built when
// the library loads and never changed.
extern const QMap<int, QString> languageCodeTable;          // id → code, such as "en-US"
extern const QMap<int, QString> languageNameTable;          // id → English name, untranslated
extern const QMap<QString, QList<int>> languageVoiceTable;  // code → voices offered for it

// Lists the languages in the combo (display name, id as user data) and makes
// the host's interface language current; no current item when the interface
// language is none of them. Emits no change signal. Ignores a null combo.
void fillLanguageCombo(NxComboBox* combo);

// Gives the combo's items their names in the current language, keeping the
// current item. Ignores a null combo.
void retranslateLanguageCombo(NxComboBox* combo);
