#pragma once

#include "book/TEnreg.h"
#include "core/Result.h"

#include <QString>

#include <vector>

// Saving a book over an existing file while keeping the previous version
// beside it as "<base>.bak".
namespace BookBackup {

// The same folder and base name with the last extension replaced by ".bak":
// "/books/family.zdl" gives "/books/family.bak".
QString backupName(const QString &fileName);

// Writes the book to `fileName`. When that file exists, its previous content
// becomes the backup file (replacing an older backup) only once the new
// content is safely in place: until then the old file keeps its name and an
// older backup stays as it was, so a failed save loses nothing. When no
// second name can be given to the old file, nothing is written at all.
//
// The result is the save's. A backup that could not take its final name
// after a successful save (the book is saved) is told in `backupProblem`;
// the previous version then stays under a temporary name beside it.
Status saveWithBackup(const QString &fileName, const std::vector<TEnreg> &records, int encrypted,
                      QString *backupProblem = nullptr);

} // namespace BookBackup
