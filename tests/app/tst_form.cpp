// The record form of the real main window: every keystroke written into the
// selected record, the name rules, children, states, and byte-exact texts.
#include "ListWindow.h"

#include "core/ShortDate.h"
#include "platform/Dialogs.h"
#include "ui/DateEdit.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

namespace {

TEnreg oddBytes()
{
    // Texts other programs may leave in a book: every byte of the code
    // page, bare line feeds, CR LF in a one-line field, a long text, a
    // birthday in another form, a child after a gap.
    TEnreg r = contact("Anna", "Odd", 2);
    QByteArray all;
    for (int b = 1; b < 256; ++b)
        all.append(char(b));
    r.setText(TEnreg::Comment, all);
    r.setText(TEnreg::Street, "line one\nline two\rline three\r\n");
    r.setText(TEnreg::Country, "two\r\nlines");
    r.setText(TEnreg::Company, QByteArray(40000, 'c'));
    r.setText(TEnreg::Birthday, "1980-03-12");
    r.setText(TEnreg::EMail1, "\x81\x8D\x8F\x90\x9D unassigned");
    r.setChild(0, "Tom");
    r.setChild(3, "L\xE9o");
    return r;
}

// Types text the way a keyboard layout or input method delivers it,
// characters beyond ASCII included.
void typeText(QWidget *w, const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString ch = text.mid(i, n);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, ch);
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, ch);
        QApplication::sendEvent(w, &release);
        i += n - 1;
    }
}

} // namespace

class TestForm : public QObject
{
    Q_OBJECT
private slots:
    void init() { Dialogs::Test::clear(); }
    void controlsCarryTheirNames();
    void typingMarksModified();
    void untouchedFieldsKeepTheirBytes();
    void firstLetterMovesTheContact();
    void emptyFirstNameAndTitle();
    void surnameRulesInSurnameOrder();
    void childrenAddAndDelete();
    void childrenShownWithoutGaps();
    void lockedRecordIsReadOnly();
    void categoryPickerWritesTheRecord();
    void characterOutsideTheCodePage();
    void birthdayEdit();
    void clearedAfterFilter();
};

void TestForm::controlsCarryTheirNames()
{
    ListWindow f;
    QVERIFY(f.open({}));
    RecordForm *form = f.form();
    for (int n = 1; n <= 43; ++n) {
        QLineEdit *e = form->findChild<QLineEdit *>(QStringLiteral("FlatEdit%1").arg(n));
        QVERIFY2(e, qPrintable(QStringLiteral("FlatEdit%1").arg(n)));
        QVERIFY(form->findChild<QLabel *>(QStringLiteral("LabelFlatEdit%1").arg(n)));
    }
    for (const char *name : {"FlatMemo1", "FlatMemo3", "FlatMemoComments"})
        QVERIFY(form->findChild<QPlainTextEdit *>(QLatin1String(name)));
    for (int n = 1; n <= 25; ++n)
        QVERIFY(form->findChild<QToolButton *>(QStringLiteral("FlatSpeedButton%1").arg(n)));
    QVERIFY(form->findChild<QComboBox *>(QStringLiteral("ICBCat")));
    QVERIFY(form->findChild<DateEdit *>(QStringLiteral("JvDateEdit1")));
    QVERIFY(form->findChild<QListWidget *>(QStringLiteral("ListView1")));
    QCOMPARE(form->findChild<QPushButton *>(QStringLiteral("CorelButton1"))->text(), QStringLiteral("Add"));
    QCOMPARE(form->findChild<QPushButton *>(QStringLiteral("CorelButton3"))->text(), QStringLiteral("Delete"));
    // The language file's texts, in place of the built-in "Fisrt Name:" and "Assistant  Fax:".
    QCOMPARE(form->findChild<QLabel *>(QStringLiteral("LabelFlatEdit1"))->text(), QStringLiteral("First Name:"));
    QCOMPARE(form->findChild<QLabel *>(QStringLiteral("LabelFlatEdit24"))->text(), QStringLiteral("Assistant fax:"));
    QCOMPARE(form->tabText(1), QStringLiteral("Buisness"));
    // Each small button names the field beside it.
    QSignalSpy spy(form, &RecordForm::speedButtonClicked);
    form->speedButton(13)->click();
    form->speedButton(25)->click();
    QCOMPARE(spy.at(0).at(1).toInt(), int(TEnreg::Icq));
    QCOMPARE(spy.at(1).at(1).toInt(), int(TEnreg::CompanyWeb));
}

void TestForm::typingMarksModified()
{
    ListWindow f;
    QVERIFY(f.open({contact("Anna", "Martin"), contact("Ben", "Wolf")}));
    f.clickRecord(1);
    QVERIFY(!f.w->book().BookModified);
    QCOMPARE(f.w->statusPanel(1)->text(), QString());
    QTest::keyClicks(f.edit(4), "L");
    QVERIFY(f.w->book().BookModified);
    QCOMPARE(f.w->statusPanel(1)->text(), QStringLiteral("Modified"));
    QCOMPARE(f.w->book().Book[1].text(TEnreg::City), QByteArrayView("L"));
    QCOMPARE(f.w->book().Book[0].text(TEnreg::City), QByteArrayView(""));
    // A memo's lines are stored joined by CR LF.
    f.w->recordForm()->setCurrentIndex(RecordForm::Personal);
    auto *comment = f.form()->findChild<QPlainTextEdit *>(QStringLiteral("FlatMemoComments"));
    comment->setFocus();
    QTest::keyClicks(comment, "a");
    QTest::keyClick(comment, Qt::Key_Return);
    QTest::keyClicks(comment, "b");
    QCOMPARE(f.w->book().Book[1].text(TEnreg::Comment), QByteArrayView("a\r\nb"));
}

void TestForm::untouchedFieldsKeepTheirBytes()
{
    ListWindow f;
    const TEnreg odd = oddBytes();
    QVERIFY(f.open({odd}));
    f.clickRecord(0);
    f.edit(7)->end(false);
    QTest::keyClicks(f.edit(7), "X"); // Country: now "two\r\nlinesX"
    const TEnreg &r = f.w->book().Book[0];
    for (int slot = 0; slot < TEnreg::TextCount; ++slot) {
        if (slot == TEnreg::Country || (slot >= TEnreg::Children0 && slot < TEnreg::Children0 + 10))
            continue;
        QVERIFY2(r.text(slot) == odd.text(slot), qPrintable(QStringLiteral("slot %1").arg(slot)));
    }
    QCOMPARE(r.text(TEnreg::Country), QByteArrayView("two\r\nlinesX"));
    QCOMPARE(r.Category, 2);
    // The children close their gap, each name still byte for byte.
    QCOMPARE(r.child(0), QByteArrayView("Tom"));
    QCOMPARE(r.child(1), QByteArrayView("L\xE9o"));
    QCOMPARE(r.child(2), QByteArrayView(""));
    // The 40,000-character company name was shown whole.
    QCOMPARE(f.edit(27)->text().size(), 40000);
}

void TestForm::firstLetterMovesTheContact()
{
    ListWindow f;
    QVERIFY(f.open({contact("Anna", "Martin"), contact("Dan", "Wolf"), contact("Bert", "Young")}));
    QVERIFY(f.activate());
    f.list()->expand(f.group("D"));
    f.clickRecord(0);
    QLineEdit *first = f.edit(1);
    first->setFocus();
    first->end(false);
    // Keeping the first letter only renames the item.
    QTest::keyClicks(first, "bel");
    QCOMPARE(f.text(f.item(0)), QStringLiteral("Annabel"));
    QCOMPARE(f.item(0).parent(), f.group("A"));
    QCOMPARE(f.w->book().Book[0].text(TEnreg::Name), QByteArrayView("Annabel"));
    // A new first letter moves the contact to its group, still selected,
    // the typing going on in the same edit.
    first->home(false);
    QTest::keyClick(first, Qt::Key_Delete);
    QTest::keyClick(first, 'B');
    QCOMPARE(first->text(), QStringLiteral("Bnnabel"));
    QCOMPARE(f.item(0).parent(), f.group("B"));
    QCOMPARE(f.groupNames("B"), (QStringList{"Bert", "Bnnabel"}));
    QCOMPARE(f.list()->selectedRecord(), 0);
    QVERIFY(f.list()->isExpanded(f.group("B")));
    QVERIFY(f.list()->isExpanded(f.group("D")));
    QVERIFY(f.list()->isExpanded(f.group("A")));
    QCOMPARE(QApplication::focusWidget(), first);
    QCOMPARE(first->cursorPosition(), 1);
    QTest::keyClick(first, 'o');
    QCOMPARE(f.w->book().Book[0].text(TEnreg::Name), QByteArrayView("Bonnabel"));
    QVERIFY(f.w->book().UndoRecord.text(TEnreg::Name) == QByteArrayView("Anna"));
    // Emptying the name puts the contact under "@".
    first->clear();
    QCOMPARE(f.item(0).parent(), f.group("@"));
    QCOMPARE(f.list()->selectedRecord(), 0);
}

void TestForm::emptyFirstNameAndTitle()
{
    ListWindow f;
    QVERIFY(f.open({contact("", "Martin"), contact("Zed", "Wolf")}));
    QVERIFY(f.activate());
    f.clickRecord(0);
    QLineEdit *title = f.edit(3);
    title->setFocus();
    // With no first name every keystroke in the title rebuilds the list;
    // the contact stays selected and the typing stays in the title.
    QTest::keyClicks(title, "Dr");
    QCOMPARE(title->text(), QStringLiteral("Dr"));
    QCOMPARE(QApplication::focusWidget(), title);
    QCOMPARE(f.list()->selectedRecord(), 0);
    QCOMPARE(f.w->book().Book[0].text(TEnreg::Title), QByteArrayView("Dr"));
    QVERIFY(f.list()->isExpanded(f.group("@")));
}

void TestForm::surnameRulesInSurnameOrder()
{
    ListWindow f;
    QVERIFY(f.open({contact("Anna", "Martin"), contact("Dan", "Wolf")}));
    QVERIFY(f.activate());
    f.clickHeader(1);
    f.clickRecord(0);
    QLineEdit *surname = f.edit(2);
    surname->setFocus();
    surname->end(false);
    QTest::keyClicks(surname, "s");
    QCOMPARE(f.text(f.item(0)), QStringLiteral("Martins"));
    QCOMPARE(f.item(0).parent(), f.group("M"));
    surname->home(false);
    QTest::keyClick(surname, Qt::Key_Delete);
    QTest::keyClick(surname, 'K');
    QCOMPARE(f.item(0).parent(), f.group("K"));
    QCOMPARE(QApplication::focusWidget(), surname);
    QCOMPARE(f.list()->selectedRecord(), 0);
    // In this order the first name is only the second column.
    f.edit(1)->setText(QStringLiteral("Zara"));
    QCOMPARE(f.item(0).parent(), f.group("K"));
    QCOMPARE(f.text(f.item(0), 1), QStringLiteral("Zara"));
}

void TestForm::childrenAddAndDelete()
{
    ListWindow f;
    TEnreg r = contact("Anna", "Martin");
    r.setChild(0, "Tom");
    r.setChild(1, "Zoe");
    r.setChild(2, "Max");
    QVERIFY(f.open({r}));
    QVERIFY(f.activate());
    f.clickRecord(0);
    f.form()->setCurrentIndex(RecordForm::Personal);
    QListWidget *children = f.form()->childrenList();
    QPushButton *add = f.form()->addChildButton();
    QPushButton *del = f.form()->deleteChildButton();
    QCOMPARE(children->count(), 3);
    QVERIFY(!del->isEnabled());
    // Deleting the second of three keeps the other two, in elements 0 and 1.
    children->setCurrentRow(1);
    QVERIFY(del->isEnabled());
    QTest::mouseClick(del, Qt::LeftButton);
    QVERIFY(!del->isEnabled());
    const TEnreg &stored = f.w->book().Book[0];
    QCOMPARE(stored.child(0), QByteArrayView("Tom"));
    QCOMPARE(stored.child(1), QByteArrayView("Max"));
    QCOMPARE(stored.child(2), QByteArrayView(""));
    QVERIFY(f.w->book().BookModified);
    // Add opens a new entry; its name is stored when the editing ends.
    QTest::mouseClick(add, Qt::LeftButton);
    QCOMPARE(children->count(), 3);
    QWidget *editor = QApplication::focusWidget();
    QVERIFY(qobject_cast<QLineEdit *>(editor));
    QTest::keyClicks(editor, "Ugo");
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(stored.child(2), QByteArrayView("Ugo"));
    // An entry left empty is no child.
    QTest::mouseClick(add, Qt::LeftButton);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTRY_COMPARE(children->count(), 3);
    QCOMPARE(stored.child(3), QByteArrayView(""));
    // Up to ten; the eleventh Add only beeps.
    for (int i = 3; i < 10; ++i) {
        QTest::mouseClick(add, Qt::LeftButton);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Kid%1").arg(i));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_COMPARE(stored.child(i), QByteArrayView(QByteArray("Kid") + QByteArray::number(i)));
    }
    QCOMPARE(children->count(), 10);
    const int beeps = Dialogs::Test::beepCount();
    QTest::mouseClick(add, Qt::LeftButton);
    QCOMPARE(Dialogs::Test::beepCount(), beeps + 1);
    QCOMPARE(children->count(), 10);
    // Showing the Personal page again leaves Delete off until a child is picked.
    f.form()->setCurrentIndex(RecordForm::General);
    children->setCurrentRow(0);
    f.form()->setCurrentIndex(RecordForm::Personal);
    QVERIFY(!del->isEnabled());
}

void TestForm::childrenShownWithoutGaps()
{
    ListWindow f;
    TEnreg r = contact("Anna", "Martin");
    r.setChild(1, "Tom");
    r.setChild(5, "Zoe");
    QVERIFY(f.open({r}));
    f.clickRecord(0);
    QListWidget *children = f.form()->childrenList();
    QCOMPARE(children->count(), 2);
    QCOMPARE(children->item(0)->text(), QStringLiteral("Tom"));
    QCOMPARE(children->item(1)->text(), QStringLiteral("Zoe"));
    QTest::keyClicks(f.edit(4), "x");
    const TEnreg &stored = f.w->book().Book[0];
    QCOMPARE(stored.child(0), QByteArrayView("Tom"));
    QCOMPARE(stored.child(1), QByteArrayView("Zoe"));
    QCOMPARE(stored.child(5), QByteArrayView(""));
}

void TestForm::lockedRecordIsReadOnly()
{
    ListWindow f;
    QVERIFY(f.open({contact("Anna", "Martin", 1, true)}));
    f.clickRecord(0);
    QCOMPARE(f.edit(1)->text(), QStringLiteral("Anna"));
    for (int n : {1, 4, 12, 39, 43})
        QVERIFY(f.edit(n)->isReadOnly());
    QVERIFY(f.form()->findChild<QPlainTextEdit *>(QStringLiteral("FlatMemo1"))->isReadOnly());
    QVERIFY(f.form()->birthdayEdit()->isReadOnly());
    QVERIFY(!f.form()->categoryPicker()->isEnabled());
    QVERIFY(!f.form()->childrenList()->isEnabled());
    QVERIFY(!f.form()->addChildButton()->isEnabled());
    QVERIFY(!f.form()->findChild<QLabel *>(QStringLiteral("LabelFlatEdit4"))->isEnabled());
    QVERIFY(f.form()->speedButton(6)->isEnabled());
    QTest::keyClicks(f.edit(4), "Lyon");
    QVERIFY(f.w->book().Book[0].isEmpty(TEnreg::City));
    QVERIFY(!f.w->book().BookModified);
}

void TestForm::categoryPickerWritesTheRecord()
{
    ListWindow f;
    TEnreg odd = contact("Anna", "Martin");
    odd.Category = 200; // beyond the table: kept until the user picks another
    QVERIFY(f.open({contact("Ben", "Wolf", 1), odd}, "[Preferences]\r\nCheckbox=1\r\n"));
    f.clickRecord(1);
    QTest::keyClicks(f.edit(4), "x");
    QCOMPARE(f.w->book().Book[1].Category, 200);
    f.clickRecord(0);
    QComboBox *picker = f.form()->categoryPicker();
    QCOMPARE(picker->currentIndex(), 1);
    picker->setFocus();
    QTest::keyClick(picker, Qt::Key_Down);
    QCOMPARE(f.w->book().Book[0].Category, 2);
    QVERIFY(f.w->book().BookModified);
    // The list shows the new category's icon.
    const QImage shown = f.item(0).data(Qt::DecorationRole).value<QIcon>().pixmap(16, 16).toImage();
    const QImage family = f.w->categoryImages()[2].convertToFormat(shown.format());
    QCOMPARE(shown, family);
}

void TestForm::characterOutsideTheCodePage()
{
    ListWindow f;
    QVERIFY(f.open({contact("Anna", "Martin")}));
    f.clickRecord(0);
    // The euro sign is in the code page; the omega is not.
    typeText(f.edit(4), QStringLiteral("5\u20ac \u03a9"));
    QCOMPARE(f.edit(4)->text(), QStringLiteral("5\u20ac ?"));
    QCOMPARE(f.w->book().Book[0].text(TEnreg::City), QByteArrayView("5\x80 ?"));
    QCOMPARE(Dialogs::Test::shownMessages().size(), 1);
    QVERIFY(Dialogs::Test::shownMessages().first().contains(QStringLiteral("\u03a9")));
    // The same in a memo, keeping what was typed around it.
    auto *street = f.form()->findChild<QPlainTextEdit *>(QStringLiteral("FlatMemo1"));
    street->setFocus();
    typeText(street, QStringLiteral("a\U0001F600b"));
    QCOMPARE(street->toPlainText(), QStringLiteral("a?b"));
    QCOMPARE(f.w->book().Book[0].text(TEnreg::Street), QByteArrayView("a?b"));
}

void TestForm::birthdayEdit()
{
    ListWindow f;
    QVERIFY(f.open({contact("Anna", "Martin"), contact("Ben", "Wolf")}));
    f.clickRecord(0);
    DateEdit *date = f.form()->birthdayEdit();
    // The format the birthday reminders read, whatever the locale.
    QCOMPARE(date->format(), QStringLiteral("dd/MM/yyyy"));
    QCOMPARE(date->dateText(), QStringLiteral("  /  /    "));
    // Another edit leaves a never-set birthday empty, as it was.
    QTest::keyClicks(f.edit(4), "x");
    QCOMPARE(f.w->book().Book[0].text(TEnreg::Birthday), QByteArrayView(""));
    date->setFocus();
    date->home(false);
    QTest::keyClicks(date, "12031980");
    QCOMPARE(f.w->book().Book[0].text(TEnreg::Birthday), QByteArrayView("12/03/1980"));
    QCOMPARE(date->date(), QDate(1980, 3, 12));
    QCOMPARE(ShortDate::parse(f.w->book().Book[0].text(TEnreg::Birthday)), QDate(1980, 3, 12));
    f.clickRecord(1);
    QCOMPARE(date->dateText(), QStringLiteral("  /  /    "));
    f.clickRecord(0);
    QCOMPARE(date->dateText(), QStringLiteral("12/03/1980"));
}

void TestForm::clearedAfterFilter()
{
    ListWindow f;
    QVERIFY(f.open({contact("Anna", "Martin", 1)}));
    f.clickRecord(0);
    QVERIFY(!f.edit(1)->isReadOnly());
    f.chooseFilter(1);
    for (int n = 1; n <= 43; ++n)
        QVERIFY(f.edit(n)->text().isEmpty());
    QCOMPARE(f.form()->categoryPicker()->currentIndex(), 0);
    QVERIFY(f.edit(1)->isReadOnly());
    QVERIFY(!f.w->book().BookModified);
    QCOMPARE(f.w->book().Book[0].text(TEnreg::Name), QByteArrayView("Anna"));
}

int runFormTests(int argc, char **argv)
{
    TestForm t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_form.moc"
