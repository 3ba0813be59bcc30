#include "ListWindow.h"

#include "../ProgramData.h"

#include "book/BookFile.h"
#include "core/AppPaths.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QtTest>

TEnreg contact(const QByteArray &name, const QByteArray &surname, int category, bool locked)
{
    TEnreg r;
    r.setText(TEnreg::Name, name);
    r.setText(TEnreg::Surname, surname);
    r.Category = category;
    r.Locked = locked ? 1 : 0;
    return r;
}

bool ListWindow::open(const std::vector<TEnreg> &book, const QByteArray &ini, int encrypted)
{
    bookPath = dir.filePath(QStringLiteral("book.zdl"));
    if (!BookFile::save(bookPath, book, encrypted))
        return false;
    if (!ini.isEmpty()) {
        QFile f(dir.filePath(QStringLiteral("zandolin.ini")));
        if (!f.open(QIODevice::WriteOnly))
            return false;
        f.write(ini);
    }
    // The shipped help file and a language file of English texts whose
    // count text ends in a blank, so counts read "Contact 3".
    if (!installProgramData(dir.path(), {QStringLiteral("help")}))
        return false;
    QDir().mkpath(dir.filePath(QStringLiteral("languages")));
    QFile lang(dir.filePath(QStringLiteral("languages/English.lang")));
    if (!lang.open(QIODevice::WriteOnly))
        return false;
    lang.write("[StatusBar]\r\nContactText=\"Contact \"\r\n");
    lang.close();
    w = std::make_unique<TFZandolin>(AppPaths(dir.path(), QStringLiteral("zandolin")), QStringList{bookPath});
    w->show();
    return QTest::qWaitForWindowExposed(w.get());
}

bool ListWindow::activate()
{
    w->activateWindow();
    return QTest::qWaitForWindowActive(w.get());
}

QModelIndex ListWindow::group(const QString &letter) const
{
    const int g = letter == QLatin1String("@") ? 0 : letter.at(0).unicode() - 'A' + 1;
    return model()->groupIndex(g);
}

QString ListWindow::text(const QModelIndex &index, int column) const
{
    return index.siblingAtColumn(column).data().toString();
}

QStringList ListWindow::groupNames(const QString &letter) const
{
    QStringList out;
    const QModelIndex g = group(letter);
    for (int r = 0; r < model()->rowCount(g); ++r)
        out << model()->index(r, 0, g).data().toString();
    return out;
}

void ListWindow::click(const QModelIndex &index, Qt::MouseButton button)
{
    if (index.parent().isValid())
        list()->expand(index.parent());
    list()->scrollTo(index);
    const QRect r = list()->visualRect(index);
    QTest::mouseClick(list()->viewport(), button, {}, r.center());
}

void ListWindow::clickRecord(int record)
{
    QModelIndex idx = item(record);
    if (idx.parent().isValid() && !list()->isExpanded(idx.parent())) {
        list()->expand(idx.parent());
        idx = item(record); // expanding sorts the group
    }
    click(idx);
}

void ListWindow::clickHeader(int section)
{
    QHeaderView *h = list()->header();
    const QPoint at(h->sectionViewportPosition(section) + h->sectionSize(section) / 2, h->height() / 2);
    QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, at);
}

void ListWindow::key(Qt::Key k)
{
    QTest::keyClick(list(), k);
}

void ListWindow::chooseFilter(int position)
{
    QComboBox *f = w->categoryFilter();
    // The user picks from the closed box with the keyboard.
    while (f->currentIndex() < position)
        QTest::keyClick(f, Qt::Key_Down);
    while (f->currentIndex() > position)
        QTest::keyClick(f, Qt::Key_Up);
}
