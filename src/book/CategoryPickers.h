#pragma once

#include "book/CategoryTable.h"

#include <QImage>
#include <QList>

class QComboBox;

// The two category pickers of the main window: the list's filter
// (ICBChoise) and the record form's category (ICBCat). Entry p of each is
// position p of the category table.
namespace CategoryPickers {

// Refills a picker from the table. Position 0 keeps the text the picker
// showed for it (or `zeroText` when the picker is empty) with image 0;
// position p >= 1 shows its name and the image at its icon index.
void fill(QComboBox *picker, const CategoryTable &table, const QList<QImage> &images, const QString &zeroText);

} // namespace CategoryPickers
