#pragma once

#include <QHash>
#include <QString>
#include <QAnyStringView>

#include <array>

class IniFile;

// The interface texts of the language file applied last.
//
// The named members are the texts the windows build their captions and
// messages from when they open. Every member holds the empty text until a
// language file has been applied, so with no language file the count panel
// shows the number alone and the windows keep their built-in captions.
//
// Besides these, every text of the file is kept by section and key (`text`),
// so a window made after the language was applied can put its own captions
// in place the moment it is built.
struct Texts
{
    // True once a language file has been applied.
    bool loaded = false;

    // Main Window: list column captions
    QString ColumnFirstName, ColumnSurname;
    // DeleteConfirmation, UndoConfirmation
    QString DeleteString, AskAgain, ConfirmCaption, UndoLabel;
    // Crypt
    QString FCryptCaption, BCryptCaption, LbCryptCaption, FDeCryptCaption, BDeCryptCaption, LbDeCryptCaption;
    // Web, Mail
    QString WebWindows, WebLabel, MailWindows, MailLabel;
    // Dial
    QString DialCaption, DialLabel1, DialLabel2, DialLabel3;
    // Properties
    QString ProprWindows, ProprLabel1, ProprLabel2, ProprLabel3;
    // StatusBar
    QString Modified, ContactText, LockCaption, UnLockCaption, Crypted;
    // Exit
    QString ExitConfirmation, ExitFormCaption;
    // Buttons
    QString ButtonYes, ButtonNo, ButtonCancel, ButtonPhone1, ButtonPhone2, ButtonHangOn;
    // Preview
    QString PreviewFormCaption;
    // Find
    QString FindCaption, FindButton, FindCheckbox, FindLabel1, FindLabel2;
    // Birthday
    QString BirthdayTitle, BirthdayLabel, BirthdayCol0, BirthdayCol1, BirthdayCol2;
    // Copy
    QString CopyComboItem1;
    // History: Date1 to Date14, Message: 1 to 8, Fields: Field1 to Field49,
    // each at index key number - 1. Use the 1-based accessors below.
    std::array<QString, 14> HistoryDates;
    std::array<QString, 8> Messages;
    std::array<QString, 49> Fields;

    QString historyDate(int n) const { return n >= 1 && n <= 14 ? HistoryDates[size_t(n - 1)] : QString(); }
    QString message(int n) const { return n >= 1 && n <= 8 ? Messages[size_t(n - 1)] : QString(); }
    QString field(int n) const { return n >= 1 && n <= 49 ? Fields[size_t(n - 1)] : QString(); }

    // Reads every text the program knows from `ini`, each with its English
    // default when the file lacks it, and marks the texts loaded.
    void read(const IniFile &ini);

    // The text of a section and key (any letter case) as last read; empty
    // before the first read. Only keys of LanguageKeys are kept.
    QString text(QAnyStringView section, QAnyStringView key) const;

private:
    QHash<QString, QString> m_values;
};
