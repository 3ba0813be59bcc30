#pragma once

#include "core/Result.h"

#include <QString>
#include <QStringList>

#include <array>

class IniFile;
class AppPaths;

// The toolbar buttons in toolbar order, with the "Icones" key that shows or
// hides each and whether it shows by default.
struct ToolbarButtonKey
{
    const char *key;
    bool shownByDefault;
};
inline constexpr int ToolbarButtonCount = 29;
extern const std::array<ToolbarButtonKey, ToolbarButtonCount> ToolbarButtonKeys;

// The settings the main window reads at start-up, one member per key.
struct Settings
{
    // Preferences
    QString Language = QStringLiteral("English");
    bool SameFolder = false;
    int FolderOptionLoad = 1;
    int FolderOptionExport = 1;
    int FolderOptionImport = 1;
    QString LoadFolder, ExportFolder, ImportFolder; // as stored (program folder by default)
    bool Checkbox = false;
    bool Index = false;
    bool Hottrack = false;
    bool ConfirmUndo = true;
    bool ConfirmDelete = true;
    bool Group = true;
    bool CheckBoxes = false;
    bool AdvScrollBars = false;
    bool Backup = false;
    bool AutoLoad = false;
    bool LastUsed = false;
    QString LoadFile;
    bool CategoriesModified = false;
    int Port = 0;
    int DialingMode = 1;
    int DialingMethod = 0;
    int ShortcutPrevious = 16464;
    int ShortcutNext = 16462;
    // Display
    int Skin = 0;
    int PopUpGradient = 0;
    bool ImageInMenu = false;
    // Birthday
    int Reminder = 365;
    bool ShowBirthday = true;
    // History
    double Storage = 3.0;
    // MRUList
    int MRUNumber = 4;
    // Icones, in toolbar order
    std::array<bool, ToolbarButtonCount> Icones{};
    // Size
    bool Max = false;
    int FormX = 800, FormY = 640, ListX = 251, PanelX = 262, Col1 = 110, Col2 = 130, Col3 = 60;

    // Folders the dialogs start in, derived at start-up.
    QString loadDir, exportDir, importDir;

    Settings();
    void read(const IniFile &ini, const AppPaths &paths);
};

// A list of recent files, most recent first, compared by file name in any
// letter case. Stored under keys "MRU1".."MRU<max>" of one section.
class RecentList
{
public:
    explicit RecentList(int max = 4) : m_max(max) {}

    int max() const { return m_max; }
    void setMax(int max);
    const QStringList &items() const { return m_items; }

    void add(const QString &path);
    void load(const IniFile &ini, const QString &section);
    Status store(IniFile &ini, const QString &section) const;

private:
    int m_max;
    QStringList m_items;
};

// Settings shortcut code (virtual key in the low byte, 0x2000 Shift,
// 0x4000 Ctrl, 0x8000 Alt) to and from Qt key sequences.
int qtKeyFromShortcutCode(int code);
int shortcutCodeFromQtKey(int qtKey);
