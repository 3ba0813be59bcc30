#pragma once

#include "app/ContactList.h"
#include "app/RecordForm.h"
#include "app/TFZandolin.h"
#include "book/TEnreg.h"

#include <QTemporaryDir>

#include <memory>
#include <vector>

class QLineEdit;

TEnreg contact(const QByteArray &name, const QByteArray &surname = {}, int category = 0, bool locked = false);

// The real main window on a book and a settings file in a temporary
// program folder, shown offscreen, driven like a user would.
struct ListWindow
{
    QTemporaryDir dir;
    std::unique_ptr<TFZandolin> w;
    QString bookPath;

    // Writes the book (and the settings file when given), then opens the
    // window with the book on its command line, in English, with the count
    // text "Contact " (blank included).
    bool open(const std::vector<TEnreg> &book, const QByteArray &ini = {}, int encrypted = 0);
    bool activate();

    ContactList *list() const { return w->contactList(); }
    ContactListModel *model() const { return w->contactList()->contactModel(); }
    RecordForm *form() const { return w->recordForm(); }
    QLineEdit *edit(int n) const { return w->recordForm()->edit(n); }
    QModelIndex item(int record) const { return w->contactList()->itemForRecord(record); }
    QModelIndex group(const QString &letter) const;
    QString text(const QModelIndex &index, int column = 0) const;
    // Children captions of a group, in row order.
    QStringList groupNames(const QString &letter) const;

    // The user's actions.
    void click(const QModelIndex &index, Qt::MouseButton button = Qt::LeftButton);
    void clickRecord(int record);
    void clickHeader(int section);
    void key(Qt::Key key);
    void chooseFilter(int position);
};
