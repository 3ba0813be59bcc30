#pragma once

#include <QString>
#include <QStringList>
#include <QAnyStringView>

#include <span>

// One text of a language file: its section, its key and the English text the
// program uses when a file lacks the key.
struct LanguageKey
{
    const char *section;
    const char *key;
    const char *def;
};

// Every text the program reads from a language file, in the order the
// language loader applies them, followed by the texts that the preferences
// dialog and the print preview read for themselves when they open. The
// loader, the text variables and the check of the shipped language files
// all go through this one table, so a key cannot be forgotten in one place.
namespace LanguageKeys {

std::span<const LanguageKey> all();

// The entry of a section and key, names matched in any letter case; null
// when the program does not read that key.
const LanguageKey *find(QAnyStringView section, QAnyStringView key);

// The built-in English text of a key; empty for a key not in the table.
QString defaultText(QAnyStringView section, QAnyStringView key);

// Section names in table order, each once.
QStringList sections();

} // namespace LanguageKeys
