#include "settings/Texts.h"

#include "settings/IniFile.h"
#include "settings/LanguageKeys.h"

#include <QtDebug>

namespace {

QString lookupName(QAnyStringView section, QAnyStringView key)
{
    return section.toString().toLower() + QLatin1Char('\x1f') + key.toString().toLower();
}

} // namespace

void Texts::read(const IniFile &ini)
{
    m_values.clear();
    for (const LanguageKey &k : LanguageKeys::all()) {
        const QString section = QLatin1String(k.section);
        const QString key = QLatin1String(k.key);
        m_values.insert(lookupName(section, key), ini.readString(section, key, QString::fromLatin1(k.def)));
    }
    loaded = true;

    auto t = [this](const char *section, const char *key) {
        return text(QLatin1String(section), QLatin1String(key));
    };
    ColumnFirstName = t("Main Window", "FZandolin.List.Columns[0].Caption");
    ColumnSurname = t("Main Window", "FZandolin.List.Columns[1].Caption");

    DeleteString = t("DeleteConfirmation", "FDeleteConfirmation.DeleteString");
    AskAgain = t("DeleteConfirmation", "FDeleteConfirmation.AskAgain");
    ConfirmCaption = t("DeleteConfirmation", "FDeleteComfirmation.Caption");
    UndoLabel = t("UndoConfirmation", "FUndoComfirmation.label");

    FCryptCaption = t("Crypt", "FCryptCaption");
    BCryptCaption = t("Crypt", "BCryptCaption");
    LbCryptCaption = t("Crypt", "LbCryptCaption");
    FDeCryptCaption = t("Crypt", "FDeCryptCaption");
    BDeCryptCaption = t("Crypt", "BDeCryptCaption");
    LbDeCryptCaption = t("Crypt", "LbDeCryptCaption");

    WebWindows = t("Web", "WebWindows");
    WebLabel = t("Web", "WebLabel");
    MailWindows = t("Mail", "MailWindows");
    MailLabel = t("Mail", "MailLabel");

    DialCaption = t("Dial", "WindowsCaption");
    DialLabel1 = t("Dial", "Label1");
    DialLabel2 = t("Dial", "Label2");
    DialLabel3 = t("Dial", "Label3");

    ProprWindows = t("Properties", "ProprWindows");
    ProprLabel1 = t("Properties", "ProprLabel1");
    ProprLabel2 = t("Properties", "ProprLabel2");
    ProprLabel3 = t("Properties", "ProprLabel3");

    Modified = t("StatusBar", "Modified");
    ContactText = t("StatusBar", "ContactText");
    LockCaption = t("StatusBar", "LockCaption");
    UnLockCaption = t("StatusBar", "UnLockCaption");
    Crypted = t("StatusBar", "Crypted");

    ExitConfirmation = t("Exit", "Confirmation");
    ExitFormCaption = t("Exit", "FormCaption");

    ButtonYes = t("Buttons", "ButtonYes");
    ButtonNo = t("Buttons", "ButtonNo");
    ButtonCancel = t("Buttons", "ButtonCancel");
    ButtonPhone1 = t("Buttons", "ButtonPhone1");
    ButtonPhone2 = t("Buttons", "ButtonPhone2");
    ButtonHangOn = t("Buttons", "ButtonHangOn");

    PreviewFormCaption = t("Preview", "PreviewFormCaption");

    FindCaption = t("Find", "FFind.Caption");
    FindButton = t("Find", "FFind.Button");
    FindCheckbox = t("Find", "FFind.Checkbox");
    FindLabel1 = t("Find", "FFind.Label1");
    FindLabel2 = t("Find", "FFind.Label2");

    BirthdayTitle = t("Birthday", "Title");
    BirthdayLabel = t("Birthday", "Label");
    BirthdayCol0 = t("Birthday", "Col0");
    BirthdayCol1 = t("Birthday", "Col1");
    BirthdayCol2 = t("Birthday", "Col2");

    CopyComboItem1 = t("Copy", "FCopy.ComboItem1");

    for (int i = 0; i < int(HistoryDates.size()); ++i)
        HistoryDates[size_t(i)] = text(u"History", QStringLiteral("Date%1").arg(i + 1));
    for (int i = 0; i < int(Messages.size()); ++i)
        Messages[size_t(i)] = text(u"Message", QString::number(i + 1));
    for (int i = 0; i < int(Fields.size()); ++i)
        Fields[size_t(i)] = text(u"Fields", QStringLiteral("Field%1").arg(i + 1));
}

QString Texts::text(QAnyStringView section, QAnyStringView key) const
{
    const auto it = m_values.constFind(lookupName(section, key));
    if (it != m_values.constEnd())
        return *it;
    // A key outside the table is a slip in the program, not in the file;
    // tests fail on this warning.
    if (!LanguageKeys::find(section, key))
        qWarning("Texts: [%s] %s is not a language key", qPrintable(section.toString()), qPrintable(key.toString()));
    return {};
}
