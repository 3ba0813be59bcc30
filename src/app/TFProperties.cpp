#include "app/TFProperties.h"

#include "core/Codec.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFProperties::TFProperties(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FProperties"));
    setWindowTitle(tr("Properties"));
    const QString captions[3] = {tr("Name"), tr("Size"), tr("Format")};
    const char *valueNames[3] = {"NameValue", "SizeValue", "FormatValue"};
    auto *form = new QFormLayout;
    for (int i = 0; i < 3; ++i) {
        m_labels[i] = new QLabel(captions[i], this);
        m_labels[i]->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        m_values[i] = new QLabel(QStringLiteral("NA"), this);
        m_values[i]->setObjectName(QLatin1String(valueNames[i]));
        // File names and foreign identification texts are shown as they are.
        m_values[i]->setTextFormat(Qt::PlainText);
        m_values[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(m_labels[i], m_values[i]);
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ButtonOk"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(360);
}

void TFProperties::setTexts(const QString &caption, const QString &name, const QString &size,
                            const QString &format)
{
    if (!caption.isEmpty())
        setWindowTitle(caption);
    const QString *texts[3] = {&name, &size, &format};
    for (int i = 0; i < 3; ++i)
        if (!texts[i]->isEmpty())
            m_labels[i]->setText(*texts[i]);
}

void TFProperties::fill(const QString &fileName, QByteArrayView format)
{
    if (fileName.isEmpty()) {
        for (QLabel *v : m_values)
            v->setText(QStringLiteral("NA"));
        return;
    }
    const QFileInfo info(fileName);
    const qint64 size = info.exists() ? info.size() : -1;
    m_values[0]->setText(fileName);
    m_values[1]->setText(QString::number(size) + QStringLiteral(" bytes"));
    m_values[2]->setText(Codec::decode(format));
}

QString TFProperties::nameValue() const
{
    return m_values[0]->text();
}

QString TFProperties::sizeValue() const
{
    return m_values[1]->text();
}

QString TFProperties::formatValue() const
{
    return m_values[2]->text();
}
