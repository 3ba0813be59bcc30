#pragma once

#include "app/ConfirmationDialog.h"

// Asked before a contact is deleted while "ConfirmDelete" is on.
class TFDeleteConfirmation : public ConfirmationDialog
{
    Q_OBJECT
public:
    TFDeleteConfirmation(bool &confirmDelete, QWidget *parent);

    // The start of the question, before the contact's names.
    void setDeleteString(const QString &text);

    // `mainName` and `secondName` are the two names the list shows for the
    // contact, in the list's order.
    Answer ask(const QString &mainName, const QString &secondName);

private:
    QString m_deleteString;
};
