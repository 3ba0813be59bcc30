#include "app/ConfirmationDialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

ConfirmationDialog::ConfirmationDialog(bool &askFlag, QWidget *parent) : QDialog(parent), m_ask(askFlag)
{
    setWindowTitle(tr("Confirm"));
    auto *image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    m_question = new QLabel(this);
    m_question->setObjectName(QStringLiteral("Label1"));
    m_question->setWordWrap(true);
    // Names come from the book: never let them be taken for markup.
    m_question->setTextFormat(Qt::PlainText);
    m_askAgain = new QCheckBox(tr("Do not ask confirmation again"), this);
    m_askAgain->setObjectName(QStringLiteral("CheckBox1"));
    m_yes = new QPushButton(tr("Yes"), this);
    m_yes->setObjectName(QStringLiteral("ButtonYes"));
    m_no = new QPushButton(tr("No"), this);
    m_no->setObjectName(QStringLiteral("ButtonNo"));
    m_yes->setDefault(true);

    auto *top = new QHBoxLayout;
    top->addWidget(image, 0, Qt::AlignTop);
    top->addWidget(m_question, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_askAgain);
    buttons->addStretch();
    buttons->addWidget(m_yes);
    buttons->addWidget(m_no);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);

    // The setting follows the tick at once and for the rest of the run; the
    // settings file only learns it when the preferences are next confirmed.
    connect(m_askAgain, &QCheckBox::toggled, this, [this](bool ticked) { m_ask = !ticked; });
    connect(m_yes, &QPushButton::clicked, this, [this] { m_answer = Yes; accept(); });
    connect(m_no, &QPushButton::clicked, this, [this] { m_answer = No; accept(); });
}

void ConfirmationDialog::setTexts(const QString &caption, const QString &askAgain, const QString &yes,
                                  const QString &no)
{
    if (!caption.isEmpty())
        setWindowTitle(caption);
    if (!askAgain.isEmpty())
        m_askAgain->setText(askAgain);
    if (!yes.isEmpty())
        m_yes->setText(yes);
    if (!no.isEmpty())
        m_no->setText(no);
}

QString ConfirmationDialog::question() const
{
    return m_question->text();
}

bool ConfirmationDialog::askAgainTicked() const
{
    return m_askAgain->isChecked();
}

void ConfirmationDialog::setQuestion(const QString &text)
{
    m_question->setText(text);
}

ConfirmationDialog::Answer ConfirmationDialog::run()
{
    m_answer = Yes; // closing the dialog counts as Yes
    exec();
    return m_answer;
}

void ConfirmationDialog::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}
