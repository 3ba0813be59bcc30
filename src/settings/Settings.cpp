#include "settings/Settings.h"

#include "core/AppPaths.h"
#include "settings/IniFile.h"

#include <QDir>
#include <QFileInfo>
#include <Qt>

const std::array<ToolbarButtonKey, ToolbarButtonCount> ToolbarButtonKeys = {{
    {"New", true},      {"Open", true},    {"Save", true},      {"SaveAs", true},  {"Import", false},
    {"Export", false},  {"Lock", false},   {"Unlock", false},   {"Encrypt", false}, {"Decrypt", false},
    {"Preview", true},  {"Setup", false},  {"Properties", false}, {"Add", true},   {"Delete", true},
    {"Duplicate", true}, {"Undo", true},   {"Find", true},      {"Dial", false},   {"Mail", true},
    {"Web", true},      {"Copy", true},    {"Write", false},    {"Stat", false},   {"Pref", true},
    {"Help", false},    {"About", false},  {"Support", false},  {"Exit", false},
}};

Settings::Settings()
{
    for (int i = 0; i < ToolbarButtonCount; ++i)
        Icones[size_t(i)] = ToolbarButtonKeys[size_t(i)].shownByDefault;
}

namespace {

QString folderFor(const IniFile &ini, const AppPaths &paths, int option, const char *key, QString &stored)
{
    stored = ini.readString(QStringLiteral("Preferences"), QLatin1String(key), paths.programDir());
    if (option == 0)
        return paths.filesDir();
    return stored;
}

} // namespace

void Settings::read(const IniFile &ini, const AppPaths &paths)
{
    const QString P = QStringLiteral("Preferences");
    Language = ini.readString(P, QStringLiteral("Language"), QStringLiteral("English"));
    SameFolder = ini.readBool(P, QStringLiteral("SameFolder"), false);
    FolderOptionLoad = ini.readInteger(P, QStringLiteral("FolderOptionLoad"), 1);
    loadDir = folderFor(ini, paths, FolderOptionLoad, "LoadFolder", LoadFolder);
    if (SameFolder) {
        exportDir = importDir = loadDir;
    } else {
        FolderOptionExport = ini.readInteger(P, QStringLiteral("FolderOptionExport"), 1);
        exportDir = folderFor(ini, paths, FolderOptionExport, "ExportFolder", ExportFolder);
        FolderOptionImport = ini.readInteger(P, QStringLiteral("FolderOptionImport"), 1);
        importDir = folderFor(ini, paths, FolderOptionImport, "ImportFolder", ImportFolder);
    }
    Reminder = ini.readInteger(QStringLiteral("Birthday"), QStringLiteral("Reminder"), 365);
    ShowBirthday = ini.readBool(QStringLiteral("Birthday"), QStringLiteral("ShowBirthday"), true);
    Checkbox = ini.readBool(P, QStringLiteral("Checkbox"), false);
    Index = ini.readBool(P, QStringLiteral("Index"), false);
    Hottrack = ini.readBool(P, QStringLiteral("Hottrack"), false);
    ConfirmUndo = ini.readBool(P, QStringLiteral("ConfirmUndo"), true);
    ConfirmDelete = ini.readBool(P, QStringLiteral("ConfirmDelete"), true);
    for (int i = 0; i < ToolbarButtonCount; ++i)
        Icones[size_t(i)] = ini.readBool(QStringLiteral("Icones"), QLatin1String(ToolbarButtonKeys[size_t(i)].key),
                                         ToolbarButtonKeys[size_t(i)].shownByDefault);
    Group = ini.readBool(P, QStringLiteral("Group"), true);
    Backup = ini.readBool(P, QStringLiteral("Backup"), false);
    AutoLoad = ini.readBool(P, QStringLiteral("AutoLoad"), false);
    LastUsed = ini.readBool(P, QStringLiteral("LastUsed"), false);
    AdvScrollBars = ini.readBool(P, QStringLiteral("AdvScrollBars"), false);
    CheckBoxes = ini.readBool(P, QStringLiteral("CheckBoxes"), false);
    LoadFile = ini.readString(P, QStringLiteral("LoadFile"));
    MRUNumber = ini.readInteger(QStringLiteral("MRUList"), QStringLiteral("Number"), 4);
    Port = ini.readInteger(P, QStringLiteral("Port"), 0);
    DialingMode = ini.readInteger(P, QStringLiteral("DialingMode"), 1);
    DialingMethod = ini.readInteger(P, QStringLiteral("DialingMethod"), 0);
    ShortcutPrevious = ini.readInteger(P, QStringLiteral("ShortcutPrevious"), 16464);
    ShortcutNext = ini.readInteger(P, QStringLiteral("ShortcutNext"), 16462);
    Skin = ini.readInteger(QStringLiteral("Display"), QStringLiteral("Skin"), 0);
    PopUpGradient = ini.readInteger(QStringLiteral("Display"), QStringLiteral("PopUpGradient"), 0);
    ImageInMenu = ini.readBool(QStringLiteral("Display"), QStringLiteral("ImageInMenu"), false);
    Storage = ini.readFloat(QStringLiteral("History"), QStringLiteral("Storage"), 3.0);
    const QString S = QStringLiteral("Size");
    Max = ini.readBool(S, QStringLiteral("Max"), false);
    FormX = ini.readInteger(S, QStringLiteral("FormX"), 800);
    FormY = ini.readInteger(S, QStringLiteral("FormY"), 640);
    ListX = ini.readInteger(S, QStringLiteral("ListX"), 251);
    PanelX = ini.readInteger(S, QStringLiteral("PanelX"), 262);
    Col1 = ini.readInteger(S, QStringLiteral("Col1"), 110);
    Col2 = ini.readInteger(S, QStringLiteral("Col2"), 130);
    if (Index)
        Col3 = ini.readInteger(S, QStringLiteral("Col3"), 60);
    CategoriesModified = ini.readBool(P, QStringLiteral("CategoriesModified"), false);
}

void RecentList::setMax(int max)
{
    m_max = qMax(0, max);
    while (m_items.size() > m_max)
        m_items.removeLast();
}

void RecentList::add(const QString &path)
{
    if (m_max <= 0)
        return;
    const QString full = QFileInfo(path).absoluteFilePath();
    for (qsizetype i = 0; i < m_items.size(); ++i) {
        if (m_items[i].compare(full, Qt::CaseInsensitive) == 0) {
            m_items.removeAt(i);
            break;
        }
    }
    m_items.prepend(full);
    while (m_items.size() > m_max)
        m_items.removeLast();
}

void RecentList::load(const IniFile &ini, const QString &section)
{
    m_items.clear();
    for (int k = 1; k <= m_max; ++k) {
        const QString v = ini.readString(section, QStringLiteral("MRU%1").arg(k));
        if (!v.isEmpty())
            m_items << v;
    }
}

Status RecentList::store(IniFile &ini, const QString &section) const
{
    for (int k = 1; k <= m_max; ++k) {
        const QString key = QStringLiteral("MRU%1").arg(k);
        Status s = k <= m_items.size() ? ini.writeString(section, key, m_items[k - 1]) : ini.deleteKey(section, key);
        if (!s)
            return s;
    }
    return Status::success();
}

int qtKeyFromShortcutCode(int code)
{
    const int vk = code & 0xFF;
    int key = 0;
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z'))
        key = vk;
    else if (vk >= 0x70 && vk <= 0x87)
        key = Qt::Key_F1 + (vk - 0x70);
    else {
        switch (vk) {
        case 0x08: key = Qt::Key_Backspace; break;
        case 0x09: key = Qt::Key_Tab; break;
        case 0x0D: key = Qt::Key_Return; break;
        case 0x1B: key = Qt::Key_Escape; break;
        case 0x20: key = Qt::Key_Space; break;
        case 0x21: key = Qt::Key_PageUp; break;
        case 0x22: key = Qt::Key_PageDown; break;
        case 0x23: key = Qt::Key_End; break;
        case 0x24: key = Qt::Key_Home; break;
        case 0x25: key = Qt::Key_Left; break;
        case 0x26: key = Qt::Key_Up; break;
        case 0x27: key = Qt::Key_Right; break;
        case 0x28: key = Qt::Key_Down; break;
        case 0x2D: key = Qt::Key_Insert; break;
        case 0x2E: key = Qt::Key_Delete; break;
        default: return 0;
        }
    }
    if (code & 0x2000)
        key |= Qt::SHIFT;
    if (code & 0x4000)
        key |= Qt::CTRL;
    if (code & 0x8000)
        key |= Qt::ALT;
    return key;
}

int shortcutCodeFromQtKey(int qtKey)
{
    const int key = qtKey & ~int(Qt::KeyboardModifierMask);
    int vk = 0;
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        vk = key;
    else if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        vk = 0x70 + (key - Qt::Key_F1);
    else {
        switch (key) {
        case Qt::Key_Backspace: vk = 0x08; break;
        case Qt::Key_Tab: vk = 0x09; break;
        case Qt::Key_Return: vk = 0x0D; break;
        case Qt::Key_Escape: vk = 0x1B; break;
        case Qt::Key_Space: vk = 0x20; break;
        case Qt::Key_PageUp: vk = 0x21; break;
        case Qt::Key_PageDown: vk = 0x22; break;
        case Qt::Key_End: vk = 0x23; break;
        case Qt::Key_Home: vk = 0x24; break;
        case Qt::Key_Left: vk = 0x25; break;
        case Qt::Key_Up: vk = 0x26; break;
        case Qt::Key_Right: vk = 0x27; break;
        case Qt::Key_Down: vk = 0x28; break;
        case Qt::Key_Insert: vk = 0x2D; break;
        case Qt::Key_Delete: vk = 0x2E; break;
        default: return 0;
        }
    }
    if (qtKey & Qt::SHIFT)
        vk |= 0x2000;
    if (qtKey & Qt::CTRL)
        vk |= 0x4000;
    if (qtKey & Qt::ALT)
        vk |= 0x8000;
    return vk;
}
