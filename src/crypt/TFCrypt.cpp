#include "crypt/TFCrypt.h"

#include "book/BookState.h"
#include "core/Codec.h"
#include "crypt/BookCipher.h"
#include "crypt/BookCrypt.h"
#include "platform/Dialogs.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFCrypt::TFCrypt(BookState &book, QWidget *parent) : QDialog(parent), m_book(book)
{
    setObjectName(QStringLiteral("FCrypt"));
    setModal(true);
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("LbCrypt"));
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("ECrypt"));
    m_edit->setEchoMode(QLineEdit::Password);
    m_edit->setStyleSheet(QStringLiteral("lineedit-password-character: 42")); // "*"
    m_run = new QPushButton(this);
    m_run->setObjectName(QStringLiteral("BCrypt"));
    m_run->setDefault(true);
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("BCancel"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_run);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_edit);
    layout->addLayout(buttons);

    connect(m_run, &QPushButton::clicked, this, &TFCrypt::BCryptClick);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::finished, this, &TFCrypt::clearPassphrase);
    FormShow();
}

TFCrypt::~TFCrypt()
{
    clearPassphrase();
}

bool TFCrypt::decrypting() const
{
    return m_book.BookEncrypted != 0;
}

void TFCrypt::FormShow()
{
    const bool dec = decrypting();
    setWindowTitle(dec ? m_captions.FDeCryptCaption : m_captions.FCryptCaption);
    m_label->setText(dec ? m_captions.LbDeCryptCaption : m_captions.LbCryptCaption);
    m_run->setText(dec ? m_captions.BDeCryptCaption : m_captions.BCryptCaption);
    m_cancel->setText(m_captions.ButtonCancel);
    clearPassphrase();
    m_edit->setFocus();
}

bool TFCrypt::run()
{
    m_changed = false;
    FormShow();
    exec();
    return m_changed;
}

void TFCrypt::clearPassphrase()
{
    // A password edit keeps no undo history, so this leaves no copy in it.
    m_edit->clear();
}

void TFCrypt::BCryptClick()
{
    bool lossless = true;
    QByteArray passphrase = Codec::encode(m_edit->text(), &lossless);
    const bool dec = decrypting();
    // A passphrase the book's code page cannot hold would lose characters
    // and so be weaker than it looks: refuse it like an empty one.
    if (!lossless || (!dec && passphrase.isEmpty())) {
        secureFill(passphrase.data(), size_t(passphrase.size()), 0);
        Dialogs::beep();
        return;
    }
    const auto before = [this] { emit bookAboutToChange(); };
    const BookCrypt::Outcome outcome = dec ? BookCrypt::decryptBook(m_book, passphrase, before)
                                           : BookCrypt::encryptBook(m_book, passphrase, before);
    secureFill(passphrase.data(), size_t(passphrase.size()), 0);
    if (outcome == BookCrypt::Outcome::WrongPassphrase) {
        // Nothing changed; let the user try again.
        clearPassphrase();
        Dialogs::error(this, m_captions.WrongPassword);
        m_edit->setFocus();
        return;
    }
    m_changed = outcome == BookCrypt::Outcome::Done;
    if (m_changed)
        emit bookChanged();
    accept();
}
