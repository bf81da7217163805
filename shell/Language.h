// The language the program speaks: the first of the desktop's languages that
// has a catalogue in the program, English (the texts in the sources) otherwise.
// Qt's own texts (Yes, No, the line edits' menu) come from Qt's catalogue for
// the same language, when the system has it.
#pragma once

#include <QString>
#include <QStringList>

namespace splot {

// The languages with a catalogue in the program ("de", ...), English not among them.
QStringList catalogueLanguages();

// The first of `uiLanguages` (as QLocale::uiLanguages() gives them: "de-DE",
// "en", "C"...) that is English or in `available`; "en" when none is.
QString pickLanguage(const QStringList& uiLanguages, const QStringList& available);

// Speaks `language` from now on: installs its catalogues ("en" removes them).
// Returns the language now spoken: `language`, or "en" when it has no catalogue.
QString useLanguage(const QString& language);

// Speaks the desktop's language (QLocale::system()); returns it.
QString useDesktopLanguage();

// The language spoken now ("en" until another is used).
QString currentLanguage();

} // namespace splot
