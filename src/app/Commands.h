#pragma once

#include <QKeySequence>

// Every command of the main window. A command is one QAction shared by the
// menu, the toolbar and the list's popup menu, so enabling it once enables
// it everywhere.
enum class Cmd {
    New, Open, Save, SaveAs, Import, Export, Lock, Unlock, Encrypt, Decrypt, Preview, Setup, Properties, Exit,
    Add, Delete, Duplicate, Undo, Find, FindNext, FindPrevious,
    Dial, Mail, Web, Copy, Write, Birthdays, History, Preferences, EditCategories,
    HelpIndex, About, Support,
    Refresh, ExpandAll, CollapseAll,
    Count
};

struct CommandInfo
{
    Cmd cmd;
    const char *objectName;  // the action's object name
    const char *caption;     // built-in caption (menu)
    const char *hint;        // built-in toolbar hint
    QKeyCombination shortcut;
    int toolbarIndex;        // position on the toolbar (the "Icones" order), -1 when not there
};

const CommandInfo &commandInfo(Cmd c);
