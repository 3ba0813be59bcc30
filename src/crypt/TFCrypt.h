#pragma once

#include <QDialog>
#include <QString>

class BookState;
class QLabel;
class QLineEdit;
class QPushButton;

// The passphrase dialog of Encrypt and Decrypt. Which of the two it does
// follows from the book's state each time it opens. It works on the book it
// is given and tells its owner, through signals, when the book is about to
// change and when it has changed, so it needs nothing of the main window.
class TFCrypt : public QDialog
{
    Q_OBJECT
public:
    // Texts set by the language loader; these are the built-in ones.
    struct Captions
    {
        QString FCryptCaption = QStringLiteral("Crypt");
        QString BCryptCaption = QStringLiteral("Crypt");
        QString LbCryptCaption = QStringLiteral("Choose a password");
        QString FDeCryptCaption = QStringLiteral("Decrypt");
        QString BDeCryptCaption = QStringLiteral("Decrypt");
        QString LbDeCryptCaption = QStringLiteral("Type password");
        QString ButtonCancel = QStringLiteral("Cancel");
        QString WrongPassword = QStringLiteral("Wrong password: the book stays encrypted.");
    };

    explicit TFCrypt(BookState &book, QWidget *parent = nullptr);
    ~TFCrypt() override;

    Captions &captions() { return m_captions; }

    // TBEncryptClick: opens the dialog modally in the mode the book calls for.
    // True when the book was encrypted or decrypted.
    bool run();
    // Sets the texts for the book's state, empties the passphrase, focuses it.
    void FormShow();

    bool decrypting() const;

signals:
    // The run is about to rewrite the book: the record form must let go of
    // the record it shows without copying anything into it.
    void bookAboutToChange();
    // The run has rewritten the book: rebuild the list, status bar and commands.
    void bookChanged();

private:
    void BCryptClick();
    void clearPassphrase();

    BookState &m_book;
    Captions m_captions;
    QLabel *m_label;
    QLineEdit *m_edit;
    QPushButton *m_run, *m_cancel;
    bool m_changed = false;
};
