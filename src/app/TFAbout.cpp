#include "app/TFAbout.h"

#include "platform/Dialogs.h"
#include "settings/Texts.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

TFAbout::TFAbout(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FAbout"));
    setWindowTitle(tr("About"));
    auto *icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(48, 48));
    auto *text = new QLabel(this);
    text->setObjectName(QStringLiteral("LabelAbout"));
    text->setTextFormat(Qt::RichText);
    text->setText(QStringLiteral("<h2>Zandolin 1.0</h2><p>An address book for your contacts.</p>"
                                 "<p>The Zandolin developers</p>"));
    m_credits = new QPushButton(tr("Credits"), this);
    m_credits->setObjectName(QStringLiteral("ButtonCredits"));
    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("ButtonOk"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_credits, &QPushButton::clicked, this, [this] {
        Dialogs::information(this, m_credits->text(),
                             QStringLiteral("Zandolin is built with Qt %1.\nIcons and artwork: the Zandolin developers.")
                                 .arg(QString::fromLatin1(qVersion())));
    });
    auto *top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addWidget(text, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_credits);
    buttons->addStretch();
    buttons->addWidget(ok);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TFAbout::setTexts(const QString &caption, const QString &credits)
{
    if (!caption.isEmpty())
        setWindowTitle(caption);
    if (!credits.isEmpty())
        m_credits->setText(credits);
}

void TFAbout::applyLanguage(const Texts &texts)
{
    setTexts(texts.text(u"About", u"FAbout.Caption"), texts.text(u"Buttons", u"ButtonCredits"));
}
