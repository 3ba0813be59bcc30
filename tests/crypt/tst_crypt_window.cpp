#include "book/BookState.h"
#include "crypt/BookCrypt.h"
#include "crypt/TFCrypt.h"
#include "platform/Dialogs.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

std::vector<TEnreg> sample()
{
    std::vector<TEnreg> b(3);
    b[0].setText(TEnreg::Name, "Ann");
    b[0].setText(TEnreg::Street, "1 rue Haute\r\nB\xe2timent B");
    b[2].setText(TEnreg::Surname, "M\xfcller");
    b[2].setChild(0, "Zoe");
    return b;
}

// Runs `steps` on the modal dialog as soon as it is up; a failed check in
// them still closes the dialog, so the test fails instead of hanging.
void onModal(std::function<void(QWidget *)> steps)
{
    QTimer::singleShot(0, [steps] {
        QWidget *w = QApplication::activeModalWidget();
        QVERIFY(w);
        steps(w);
        if (QApplication::activeModalWidget() == w)
            static_cast<QDialog *>(w)->reject();
    });
}

// Types into the passphrase field, key by key, accents included.
void type(QWidget *dialog, const QString &text)
{
    auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("ECrypt"));
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(edit, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void click(QWidget *dialog, const char *button)
{
    dialog->findChild<QPushButton *>(QLatin1String(button))->click();
}

} // namespace

class TestCryptWindow : public QObject
{
    Q_OBJECT
private slots:
    void init() { Dialogs::Test::clear(); }
    void encryptThenDecrypt();
    void emptyPassphraseOnlyBeeps();
    void wrongPassphraseKeepsBookAndDialog();
    void passphraseEmptiedAtEveryOpening();
};

void TestCryptWindow::encryptThenDecrypt()
{
    BookState book;
    book.Book = sample();
    TFCrypt dialog(book);
    QSignalSpy before(&dialog, &TFCrypt::bookAboutToChange);
    QSignalSpy after(&dialog, &TFCrypt::bookChanged);

    QString title, label, button;
    onModal([&](QWidget *w) {
        title = w->windowTitle();
        label = w->findChild<QLabel *>(QStringLiteral("LbCrypt"))->text();
        button = w->findChild<QPushButton *>(QStringLiteral("BCrypt"))->text();
        QCOMPARE(w->findChild<QLineEdit *>(QStringLiteral("ECrypt"))->echoMode(), QLineEdit::Password);
        QCOMPARE(w->focusWidget(), w->findChild<QLineEdit *>(QStringLiteral("ECrypt")));
        type(w, QStringLiteral("p\u00e2te"));
        click(w, "BCrypt");
    });
    QVERIFY(dialog.run());
    QCOMPARE(title, QStringLiteral("Crypt"));
    QCOMPARE(label, QStringLiteral("Choose a password"));
    QCOMPARE(button, QStringLiteral("Crypt"));
    QCOMPARE(book.BookEncrypted, 1);
    QVERIFY(book.BookModified);
    QCOMPARE(before.count(), 1);
    QCOMPARE(after.count(), 1);
    // The passphrase is the code page's bytes of what was typed.
    std::vector<TEnreg> expected = sample();
    BookCrypt::encryptRecords(expected, "p\xe2te");
    QVERIFY(book.Book == expected);

    book.BookModified = false;
    onModal([&](QWidget *w) {
        title = w->windowTitle();
        label = w->findChild<QLabel *>(QStringLiteral("LbCrypt"))->text();
        button = w->findChild<QPushButton *>(QStringLiteral("BCrypt"))->text();
        type(w, QStringLiteral("p\u00e2te"));
        click(w, "BCrypt");
    });
    QVERIFY(dialog.run());
    QCOMPARE(title, QStringLiteral("Decrypt"));
    QCOMPARE(label, QStringLiteral("Type password"));
    QCOMPARE(button, QStringLiteral("Decrypt"));
    QCOMPARE(book.BookEncrypted, 0);
    QVERIFY(!book.BookModified);
    QVERIFY(book.Book == sample());
    QCOMPARE(after.count(), 2);
}

void TestCryptWindow::emptyPassphraseOnlyBeeps()
{
    BookState book;
    book.Book = sample();
    TFCrypt dialog(book);
    QSignalSpy before(&dialog, &TFCrypt::bookAboutToChange);
    bool stayedOpen = false;
    onModal([&](QWidget *w) {
        click(w, "BCrypt");
        stayedOpen = w->isVisible();
        // A character the book's code page cannot hold is refused the same way.
        type(w, QStringLiteral("\u4e2d"));
        click(w, "BCrypt");
        click(w, "BCancel");
    });
    QVERIFY(!dialog.run());
    QVERIFY(stayedOpen);
    QCOMPARE(Dialogs::Test::beepCount(), 2);
    QCOMPARE(before.count(), 0);
    QCOMPARE(book.BookEncrypted, 0);
    QVERIFY(!book.BookModified);
    QVERIFY(book.Book == sample());
}

void TestCryptWindow::wrongPassphraseKeepsBookAndDialog()
{
    BookState book;
    book.Book = sample();
    QCOMPARE(BookCrypt::encryptBook(book, "right"), BookCrypt::Outcome::Done);
    book.BookModified = false;
    const std::vector<TEnreg> stored = book.Book;
    TFCrypt dialog(book);
    QSignalSpy before(&dialog, &TFCrypt::bookAboutToChange);

    bool stayedOpen = false;
    QString leftInEdit = QStringLiteral("?");
    onModal([&](QWidget *w) {
        type(w, QStringLiteral("wrong"));
        click(w, "BCrypt");
        stayedOpen = w->isVisible();
        leftInEdit = w->findChild<QLineEdit *>(QStringLiteral("ECrypt"))->text();
        QCOMPARE(book.BookEncrypted, 1);
        QVERIFY(book.Book == stored);
        click(w, "BCancel");
    });
    QVERIFY(!dialog.run());
    QVERIFY(stayedOpen);
    QVERIFY(leftInEdit.isEmpty());
    QCOMPARE(Dialogs::Test::shownMessages(), QStringList{dialog.captions().WrongPassword});
    QCOMPARE(before.count(), 0);
    QCOMPARE(book.BookEncrypted, 1);
    QVERIFY(!book.BookModified);
    QVERIFY(book.Book == stored);
}

void TestCryptWindow::passphraseEmptiedAtEveryOpening()
{
    BookState book;
    TFCrypt dialog(book);
    QStringList seen;
    for (int k = 0; k < 2; ++k) {
        onModal([&](QWidget *w) {
            seen << w->findChild<QLineEdit *>(QStringLiteral("ECrypt"))->text();
            type(w, QStringLiteral("typed then cancelled"));
            click(w, "BCancel");
        });
        QVERIFY(!dialog.run());
    }
    QCOMPARE(seen, (QStringList{QString(), QString()}));
    QCOMPARE(book.BookEncrypted, 0);
}

QTEST_MAIN(TestCryptWindow)
#include "tst_crypt_window.moc"
