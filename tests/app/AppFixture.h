#pragma once

// What the main window's GUI tests share: a temporary program folder with
// its settings file, language and help files, the real window shown offscreen, books written by the
// book writer, and a way to answer our own modal dialogs.

#include "../ProgramData.h"
#include "app/TFZandolin.h"
#include "book/BookFile.h"
#include "core/AppPaths.h"
#include "platform/Dialogs.h"
#include "settings/IniFile.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>
#include <vector>

namespace AppTest {

inline TEnreg contact(QByteArrayView first, QByteArrayView surname, int category = 0)
{
    TEnreg r;
    r.setText(TEnreg::Name, first);
    r.setText(TEnreg::Surname, surname);
    r.Category = category;
    return r;
}

// `count` contacts with some text in every field, to make books of a useful size.
inline std::vector<TEnreg> contacts(int count, QByteArrayView tag = "c")
{
    std::vector<TEnreg> book;
    for (int i = 0; i < count; ++i) {
        TEnreg r;
        for (int s = 0; s < TEnreg::TextCount; ++s)
            r.setText(s, tag.toByteArray() + QByteArray::number(i) + "-" + QByteArray::number(s));
        book.push_back(std::move(r));
    }
    return book;
}

inline QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

inline std::vector<TEnreg> readBook(const QString &path)
{
    return BookFile::read(path).value.records;
}

// Runs `answer` on our next modal dialog once it is on screen. The dialog is
// closed afterwards if `answer` left it open, so a failing check never hangs
// the test.
inline void onNextModal(std::function<void(QWidget *)> answer, int triesLeft = 200)
{
    QTimer::singleShot(triesLeft == 200 ? 0 : 10, [answer, triesLeft] {
        QWidget *w = QApplication::activeModalWidget();
        if (!w) {
            if (triesLeft > 0)
                onNextModal(answer, triesLeft - 1);
            return;
        }
        answer(w);
        if (auto *d = qobject_cast<QDialog *>(w); d && d->isVisible())
            d->reject();
    });
}

inline void click(QWidget *dialog, const char *buttonName)
{
    auto *b = dialog->findChild<QAbstractButton *>(QLatin1String(buttonName));
    QVERIFY2(b, buttonName);
    QTest::mouseClick(b, Qt::LeftButton);
}

class Fixture
{
public:
    Fixture()
    {
        Dialogs::Test::clear();
        QDir().mkpath(programDir());
        QDir().mkpath(booksDir());
        // The shipped language and help files, as beside the real program.
        if (!installProgramData(programDir()))
            qWarning("cannot install the language and help files");
    }
    ~Fixture() { Dialogs::Test::clear(); }

    QString programDir() const { return m_dir.path() + QStringLiteral("/prog"); }
    QString booksDir() const { return m_dir.path() + QStringLiteral("/books"); }
    QString book(const QString &name) const { return booksDir() + QLatin1Char('/') + name; }
    QString settingsFile() const { return programDir() + QStringLiteral("/zandolin.ini"); }
    IniFile ini() const { return IniFile(settingsFile()); }

    void writeSettings(const QByteArray &text)
    {
        QFile f(settingsFile());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    }

    QString writeBook(const QString &name, const std::vector<TEnreg> &records, int encrypted = 0)
    {
        const QString path = book(name);
        const Status s = BookFile::save(path, records, encrypted);
        if (!s)
            qWarning() << "cannot write" << path << s.message;
        return path;
    }

    TFZandolin &start(const QStringList &args = {})
    {
        m_window = std::make_unique<TFZandolin>(AppPaths(programDir(), QStringLiteral("zandolin")), args);
        m_window->show();
        return *m_window;
    }
    TFZandolin &window() { return *m_window; }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<TFZandolin> m_window;
};

} // namespace AppTest
