#pragma once

#include <QString>

// Interface texts kept for the windows that build messages from them. Each
// holds the empty text until a language file has been applied, so a missing
// language file shows, for instance, the contact count alone.
struct Texts
{
    // StatusBar
    QString Modified, ContactText, LockCaption, UnLockCaption, Crypted;
    // Exit
    QString ExitConfirmation, ExitFormCaption;
    // Buttons
    QString ButtonYes, ButtonNo, ButtonCancel;
    // Main Window: list column captions
    QString ColumnFirstName, ColumnSurname;
    // DeleteConfirmation (also the undo confirmation's caption and check box)
    QString DeleteString, AskAgain, ConfirmCaption;
    // UndoConfirmation
    QString UndoLabel;
    // Properties
    QString ProprWindows, ProprLabel1, ProprLabel2, ProprLabel3;
};
