// The languages of the window and its dialogs: English (the source texts), German, Dutch and
// French from the catalogs compiled into the program, with Qt's own texts (file choosers,
// message box buttons) in the same language.
#pragma once

#include <QLocale>
#include <QString>

class QSettings;

namespace qx {

struct LanguageChoice {
    const char* code;  // "en", "de", ...
    const char* name;  // in the language itself, UTF-8
};

inline constexpr LanguageChoice kLanguages[] = {{"en", "English"},
                                                {"de", "Deutsch"},
                                                {"nl", "Nederlands"},
                                                {"fr",
                                                 "Fran\xC3\xA7"
                                                 "ais"}};

// The settings key of Help / Language.
inline constexpr const char* kLanguageSetting = "language";

// The language to show: the one chosen in Help / Language, else the desktop's when the program
// speaks it, else English.
QString ChosenLanguage(const QSettings* settings, const QLocale& desktop = QLocale::system());

// Puts the program's catalog and Qt's own for `code` in place of any loaded before; English
// takes none. False when a catalog is missing (the texts then stay English).
bool UseLanguage(const QString& code);

}  // namespace qx
