#include "tools/TFFind.h"

#include "book/BookState.h"
#include "core/Codec.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFFind::TFFind(const BookState &book, Host host, QWidget *parent)
    : QDialog(parent), m_book(book), m_host(std::move(host))
{
    setObjectName(QStringLiteral("FFind"));
    setModal(false);
    setWindowTitle(QStringLiteral("Find"));
    m_fieldCaption = [](int entry) { return QString::fromLatin1(FindEngine::defaultCaption(entry)); };

    m_label1 = new QLabel(QStringLiteral("Find : "), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("Edit1"));
    m_label2 = new QLabel(QStringLiteral("In the field : "), this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_field = new QComboBox(this);
    m_field->setObjectName(QStringLiteral("ComboBox1"));
    m_field->setMaxVisibleItems(30);
    m_whole = new QCheckBox(QStringLiteral("Whole field only"), this);
    m_whole->setObjectName(QStringLiteral("CheckBox1"));
    m_button = new QPushButton(QStringLiteral("Find next"), this);
    m_button->setObjectName(QStringLiteral("CorelButton1"));
    m_button->setDefault(true);

    auto *grid = new QGridLayout(this);
    grid->addWidget(m_label1, 0, 0);
    grid->addWidget(m_edit, 0, 1);
    grid->addWidget(m_label2, 1, 0);
    grid->addWidget(m_field, 1, 1);
    grid->addWidget(m_whole, 2, 1);
    grid->addWidget(m_button, 3, 1, Qt::AlignRight);

    connect(m_button, &QPushButton::clicked, this, [this] { findNext(); });

    m_findAgain = new QAction(this);
    m_findAgain->setObjectName(QStringLiteral("JvApplicationHotKey1"));
    m_findAgain->setShortcut(QKeySequence(Qt::Key_F3));
    m_findAgain->setShortcutContext(Qt::ApplicationShortcut);
    connect(m_findAgain, &QAction::triggered, this, [this] { findNext(); });
    // The action lives on the owner's window, which is always shown, so the
    // key works while this window is hidden.
    (parent ? parent : static_cast<QWidget *>(this))->addAction(m_findAgain);

    FormShow();
}

void TFFind::setTexts(const QString &caption, const QString &button, const QString &checkbox,
                      const QString &label1, const QString &label2)
{
    if (!caption.isEmpty())
        setWindowTitle(caption);
    if (!button.isEmpty())
        m_button->setText(button);
    if (!checkbox.isEmpty())
        m_whole->setText(checkbox);
    if (!label1.isEmpty())
        m_label1->setText(label1);
    if (!label2.isEmpty())
        m_label2->setText(label2);
}

void TFFind::FormShow()
{
    m_field->clear();
    for (int e = 1; e <= FindEngine::EntryCount; ++e)
        m_field->addItem(m_fieldCaption(e));
    m_field->setCurrentIndex(0);
}

void TFFind::showFind()
{
    FormShow();
    show();
    raise();
    activateWindow();
    m_edit->setFocus();
}

int TFFind::findNext()
{
    bool lossless = true;
    const QByteArray text = Codec::encode(m_edit->text(), &lossless);
    // A character the book's code page cannot hold is in no contact.
    if (!lossless)
        return -1;
    const FindEngine::Query query{text, m_field->currentIndex() + 1, m_whole->isChecked(),
                                  m_host.categoryFilter ? m_host.categoryFilter() : 0};
    const int current = m_host.currentRecord ? m_host.currentRecord() : -1;
    const int found = FindEngine::search(m_book.Book, query, current);
    if (found >= 0 && m_host.selectRecord)
        m_host.selectRecord(found);
    return found;
}

int TFFind::TBNextClick()
{
    if (!m_host.displayOrder)
        return -1;
    const int n = FindEngine::next(m_host.displayOrder(), m_host.currentRecord ? m_host.currentRecord() : -1);
    if (n >= 0 && m_host.selectRecord)
        m_host.selectRecord(n);
    return n;
}

int TFFind::TBPreviousClick()
{
    if (!m_host.displayOrder)
        return -1;
    const int n = FindEngine::previous(m_host.displayOrder(), m_host.currentRecord ? m_host.currentRecord() : -1);
    if (n >= 0 && m_host.selectRecord)
        m_host.selectRecord(n);
    return n;
}
