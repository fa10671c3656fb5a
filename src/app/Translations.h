// The language the desktop speaks: the one chosen in Preferences, else the session's, as the
// system's own programs read it from the environment.
#pragma once

#include <QString>
#include <QStringList>

namespace slotsmith {

// QSettings key of the language chosen in Preferences: a code ("de", "en"), or empty for the
// session's language.
inline constexpr char kLanguageKey[] = "language";

// The languages wanted, most wanted first, as codes ("de_DE", "de"): the chosen one; else,
// unless the messages locale is C or POSIX (always English, whatever LANGUAGE lists), the list
// in LANGUAGE followed by the language of LC_ALL, LC_MESSAGES or LANG.
QStringList wantedDesktopLanguages();

// The codes of the languages the program has a catalogue for, English first.
QStringList availableLanguages();

// Installs Qt's own catalogue and the program's for the first wanted language that has one in
// the running application (English: its plural forms), and makes that language's locale the
// default one for numbers and dates. Returns the code installed ("en" when none was found).
QString installTranslations();

}  // namespace slotsmith
