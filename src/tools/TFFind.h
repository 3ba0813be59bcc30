#pragma once

#include "tools/FindEngine.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <vector>

class BookState;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The find window, shown beside the main window. It reads the book and asks
// its owner, through the functions of `Host`, for what only the contact list
// knows: the current contact, the category filter, the display order, and
// how to select a contact.
class TFFind : public QDialog
{
    Q_OBJECT
public:
    struct Host
    {
        std::function<int()> currentRecord;           // -1: none, or a letter group
        std::function<int()> categoryFilter;          // 0: every category
        std::function<std::vector<int>()> displayOrder; // record numbers as the list shows them
        std::function<void(int)> selectRecord;        // select, focus and show one contact
    };

    TFFind(const BookState &book, Host host, QWidget *parent = nullptr);

    // Captions of the field picker, entry 1 to 48; the built-in ones until
    // the language loader sets its own.
    void setFieldCaption(std::function<QString(int entry)> caption) { m_fieldCaption = std::move(caption); }
    // The window's own texts from the language loader; an empty text keeps
    // the caption the control has.
    void setTexts(const QString &caption, const QString &button, const QString &checkbox, const QString &label1,
                  const QString &label2);

    // Fills the field picker anew and selects its first entry; the search
    // text and the whole-field option stay as they were.
    void FormShow();
    // The Find command: FormShow, then show the window and bring it forward.
    void showFind();

    // Runs the search with the window's contents (its button and F3).
    // Returns the record found, -1 when nothing changed.
    int findNext();
    // The hidden Next and Previous commands: one contact along the list,
    // without wrapping round. Return the record selected, or -1.
    int TBNextClick();
    int TBPreviousClick();

    // F3, "find again", works in every window of the program whether this
    // one is shown or not. The action is added to the parent window.
    QAction *findAgainAction() const { return m_findAgain; }

    QLineEdit *searchEdit() const { return m_edit; }
    QComboBox *fieldPicker() const { return m_field; }
    QCheckBox *wholeFieldOption() const { return m_whole; }

private:
    const BookState &m_book;
    Host m_host;
    std::function<QString(int)> m_fieldCaption;
    QLabel *m_label1, *m_label2;
    QLineEdit *m_edit;
    QComboBox *m_field;
    QCheckBox *m_whole;
    QPushButton *m_button;
    QAction *m_findAgain;
};
