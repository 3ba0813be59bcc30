#include "app/TFDeleteConfirmation.h"

TFDeleteConfirmation::TFDeleteConfirmation(bool &confirmDelete, QWidget *parent)
    : ConfirmationDialog(confirmDelete, parent), m_deleteString(tr("Are you sure you want to delete "))
{
    setObjectName(QStringLiteral("FDeleteConfirmation"));
}

void TFDeleteConfirmation::setDeleteString(const QString &text)
{
    if (!text.isEmpty())
        m_deleteString = text;
}

ConfirmationDialog::Answer TFDeleteConfirmation::ask(const QString &mainName, const QString &secondName)
{
    setQuestion(m_deleteString + mainName + QLatin1Char(' ') + secondName + QLatin1Char('?'));
    return run();
}
