#pragma once

#include "app/ConfirmationDialog.h"

// Asked before the selected contact is reverted while "ConfirmUndo" is on.
class TFConfirmUndo : public ConfirmationDialog
{
    Q_OBJECT
public:
    TFConfirmUndo(bool &confirmUndo, QWidget *parent);

    void setQuestionText(const QString &text);
    Answer ask() { return run(); }
};
