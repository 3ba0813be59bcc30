#include "app/TFConfirmUndo.h"

TFConfirmUndo::TFConfirmUndo(bool &confirmUndo, QWidget *parent) : ConfirmationDialog(confirmUndo, parent)
{
    setObjectName(QStringLiteral("FConfirmUndo"));
    setQuestion(tr("Are you sure you want to revert previous information ?"));
}

void TFConfirmUndo::setQuestionText(const QString &text)
{
    if (!text.isEmpty())
        setQuestion(text);
}
