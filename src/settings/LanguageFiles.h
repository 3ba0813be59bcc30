#pragma once

#include <QString>
#include <QStringList>

class AppPaths;

// Where the language files and help files are, and which of them a
// language name chooses.
namespace LanguageFiles {

// The language file of `language`: "<program folder>/languages/<language>.lang".
// When no file has exactly that name, a file whose name differs only in
// letter case is taken, as the system the files come from matches names in
// any case. Empty when there is no such file.
QString find(const AppPaths &paths, const QString &language);

// The languages offered to the user: every "*.lang" file of the languages
// folder, named without its last five characters, sorted by name in any
// letter case. A missing or empty folder gives an empty list.
QStringList list(const AppPaths &paths);

// "French" for the language name "French" (exactly, same case), "English"
// for every other name: only those two help files exist.
QString helpLanguage(const QString &language);

// The absolute path of the help file for a help language:
// "<program folder>/help/zandolin<helpLanguage>.chm".
QString helpFile(const AppPaths &paths, const QString &helpLanguage);

} // namespace LanguageFiles
