#include "app/Commands.h"

#include <array>

namespace {
constexpr QKeyCombination none{};
constexpr QKeyCombination ctrl(Qt::Key k) { return QKeyCombination(Qt::ControlModifier, k); }
constexpr QKeyCombination ctrlAlt(Qt::Key k) { return QKeyCombination(Qt::ControlModifier | Qt::AltModifier, k); }
constexpr QKeyCombination alt(Qt::Key k) { return QKeyCombination(Qt::AltModifier, k); }

const std::array<CommandInfo, size_t(Cmd::Count)> kCommands = {{
    {Cmd::New, "ActionNew", "New", "New", ctrl(Qt::Key_N), 0},
    {Cmd::Open, "ActionOpen", "Open", "Open", ctrl(Qt::Key_O), 1},
    {Cmd::Save, "ActionSave", "Save", "Save", ctrl(Qt::Key_S), 2},
    {Cmd::SaveAs, "ActionSaveAs", "Save As", "Save as", ctrlAlt(Qt::Key_S), 3},
    {Cmd::Import, "ActionImport", "Import", "Import", ctrl(Qt::Key_I), 4},
    {Cmd::Export, "ActionExport", "Export", "Export", ctrl(Qt::Key_E), 5},
    {Cmd::Lock, "ActionLock", "Lock", "Lock", ctrl(Qt::Key_L), 6},
    {Cmd::Unlock, "ActionUnlock", "Unlock", "Unlock", ctrlAlt(Qt::Key_L), 7},
    {Cmd::Encrypt, "ActionEncrypt", "Encrypt", "Encrypt", ctrl(Qt::Key_Y), 8},
    {Cmd::Decrypt, "ActionDecrypt", "Decrypt", "Decrypt", ctrlAlt(Qt::Key_Y), 9},
    {Cmd::Preview, "ActionPreview", "Preview", "Preview", ctrl(Qt::Key_W), 10},
    {Cmd::Setup, "ActionSetup", "Setup", "Printer setup", ctrlAlt(Qt::Key_P), 11},
    {Cmd::Properties, "ActionProperties", "Properties", "Properties", alt(Qt::Key_Return), 12},
    {Cmd::Exit, "ActionExit", "Exit", "Exit", ctrl(Qt::Key_X), 28},
    {Cmd::Add, "ActionAdd", "Add a contact", "Add a contact", ctrl(Qt::Key_A), 13},
    {Cmd::Delete, "ActionDelete", "Delete", "Delete", ctrl(Qt::Key_D), 14},
    {Cmd::Duplicate, "ActionDuplicate", "Duplicate contact", "Duplicate contact", ctrl(Qt::Key_P), 15},
    {Cmd::Undo, "ActionUndo", "Undo", "Undo", ctrl(Qt::Key_U), 16},
    {Cmd::Find, "ActionFind", "Find...", "Find", ctrl(Qt::Key_F), 17},
    {Cmd::FindNext, "ActionFindNext", "Next", "", none, -1},
    {Cmd::FindPrevious, "ActionFindPrevious", "Previous", "", none, -1},
    {Cmd::Dial, "ActionDial", "&Dial...", "Dial", alt(Qt::Key_D), 18},
    {Cmd::Mail, "ActionMail", "&Send a mail", "Send a mail", alt(Qt::Key_M), 19},
    {Cmd::Web, "ActionWeb", "&Go to contact's web site", "Go to contact's Web site", alt(Qt::Key_W), 20},
    {Cmd::Copy, "ActionCopy", "&Copy address to clipboard", "Copy address to clipboard", alt(Qt::Key_C), 21},
    {Cmd::Write, "ActionWrite", "&Write a document", "Write a document", alt(Qt::Key_T), 22},
    {Cmd::Birthdays, "ActionBirthday", "Show &birthdays", "", alt(Qt::Key_B), -1},
    {Cmd::History, "ActionHistory", "&History...", "History", alt(Qt::Key_H), 23},
    {Cmd::Preferences, "ActionPreferences", "&Preferences...", "Preferences", alt(Qt::Key_P), 24},
    {Cmd::EditCategories, "ActionCategory", "Edit ca&tegories", "", alt(Qt::Key_E), -1},
    {Cmd::HelpIndex, "ActionHelpIndex", "&Help index", "Help Index", QKeyCombination(Qt::Key_F1), 25},
    {Cmd::About, "ActionAbout", "&About", "About", none, 26},
    {Cmd::Support, "ActionSupport", "&Web support", "Web support", none, 27},
    {Cmd::Refresh, "ActionRefresh", "Refresh", "", none, -1},
    {Cmd::ExpandAll, "ActionExpand", "Expand all", "", none, -1},
    {Cmd::CollapseAll, "ActionCollapse", "Collapse all", "", none, -1},
}};
} // namespace

const CommandInfo &commandInfo(Cmd c)
{
    return kCommands[size_t(c)];
}
