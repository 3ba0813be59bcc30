#include "app/TFExit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

TFExit::TFExit(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FExit"));
    setWindowTitle(tr("Exit"));
    auto *icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
    m_label = new QLabel(tr("Current file has been modified. Do you want to save it ?"), this);
    m_label->setObjectName(QStringLiteral("Label1"));
    m_label->setWordWrap(true);
    m_yes = new QPushButton(tr("Yes"), this);
    m_yes->setObjectName(QStringLiteral("ButtonYes"));
    m_no = new QPushButton(tr("No"), this);
    m_no->setObjectName(QStringLiteral("ButtonNo"));
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("ButtonCancel"));
    m_yes->setDefault(true);

    auto *top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addWidget(m_label, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_yes);
    buttons->addWidget(m_no);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);

    connect(m_yes, &QPushButton::clicked, this, [this] { m_answer = Yes; accept(); });
    connect(m_no, &QPushButton::clicked, this, [this] { m_answer = No; accept(); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { m_answer = Cancel; reject(); });
}

void TFExit::setTexts(const QString &caption, const QString &question, const QString &yes, const QString &no,
                      const QString &cancel)
{
    if (!caption.isEmpty())
        setWindowTitle(caption);
    if (!question.isEmpty())
        m_label->setText(question);
    if (!yes.isEmpty())
        m_yes->setText(yes);
    if (!no.isEmpty())
        m_no->setText(no);
    if (!cancel.isEmpty())
        m_cancel->setText(cancel);
}

TFExit::Answer TFExit::ask()
{
    m_answer = Cancel; // closing the prompt counts as Cancel
    exec();
    return m_answer;
}
