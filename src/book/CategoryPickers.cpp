#include "book/CategoryPickers.h"

#include <QComboBox>
#include <QPixmap>
#include <QSignalBlocker>

namespace CategoryPickers {

void fill(QComboBox *picker, const CategoryTable &table, const QList<QImage> &images, const QString &zeroText)
{
    const QString zero = picker->count() > 0 ? picker->itemText(0) : zeroText;
    const auto icon = [&images](int index) {
        return index >= 0 && index < images.size() ? QIcon(QPixmap::fromImage(images[index])) : QIcon();
    };
    const int current = picker->currentIndex();
    {
        // Refilling is not a choice of the user's.
        const QSignalBlocker block(picker);
        picker->clear();
        picker->addItem(icon(0), zero);
        for (int p = 1; p < table.count(); ++p)
            picker->addItem(icon(table.at(p).iconIndex), table.at(p).name);
        picker->setCurrentIndex(current >= 0 && current < picker->count() ? current : 0);
    }
}

} // namespace CategoryPickers
