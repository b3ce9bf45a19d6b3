#pragma once
// The language the program speaks: English, the source of every text, or a catalogue
// built into the program. It follows the system's locale at start and may be switched for
// the run; nothing of it is stored. Numbers and dates on screen follow it; the files the
// program writes do not.

#include <QLocale>
#include <QString>
#include <vector>

namespace Language {

struct Choice {
    QString code;       // "en", "de", ...
    QString nativeName; // as its speakers write it: the menu shows it untranslated
};

// English first, then the catalogues, in the order of their codes.
const std::vector<Choice>& available();

// The language of `locale` when the program speaks it, else English.
QString forLocale(const QLocale& locale);

// Installs the program's catalogue and Qt's own for the language (English removes
// them); every window is told and retranslates. False when the catalogue is missing.
bool apply(const QString& code);

QString current();

} // namespace Language
