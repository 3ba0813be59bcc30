#pragma once

#include "core/Result.h"

#include <QString>

#include <vector>

// The categories of the installation: positions 0 to N-1, each a name and
// the index of its icon in the category image list. Position 0 is reserved:
// "all contacts" in the list's filter, "no category" in a record.
//
// While the settings flag CategoriesModified is false the built-in eight
// entries are used; afterwards the table lives in Files/zandolin.cat (an INI
// file) beside the program, with its images in Files/zandolin.til.
class CategoryTable
{
public:
    struct Entry
    {
        QString name;
        int iconIndex = 0;
    };

    // Built-in names, used where no language text replaces them.
    static constexpr int BuiltInCount = 8;
    static const char *builtInName(int position);
    // Picker text of position 0 before any language file is applied.
    static QString builtInAllText() { return QStringLiteral("All"); }

    // A file never makes the program loop over more positions than this.
    static constexpr int MaxCount = 4096;

    CategoryTable() = default;
    static CategoryTable builtIn();

    int count() const { return int(m_entries.size()); }
    const Entry &at(int position) const { return m_entries[size_t(position)]; }
    const std::vector<Entry> &entries() const { return m_entries; }
    void append(Entry e) { m_entries.push_back(std::move(e)); }
    void setEntries(std::vector<Entry> entries) { m_entries = std::move(entries); }

    // Reads the category file. A missing file or key gives the defaults
    // (8 positions named "Category <p>", icon index p). The values stored for
    // position 0 are not used: its name stays empty (the pickers keep their
    // own text for it). A count below 1 still gives the reserved position.
    static CategoryTable readFile(const QString &path);
    // Writes the category file; `allText` is what the filter shows for
    // position 0, written to section "Category 0". Position p >= 1 goes to
    // the section numbered p+1, as existing files have it.
    Status writeFile(const QString &path, const QString &allText) const;

private:
    std::vector<Entry> m_entries;
};
