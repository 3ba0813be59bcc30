#pragma once

#include "book/TEnreg.h"
#include "core/NameCollator.h"

#include <QLocale>
#include <QString>

#include <array>
#include <memory>
#include <string>
#include <vector>

// What the contact list shows: grouped under letters or flat, which name
// comes first, and the category filter (0 = every contact).
struct ListOptions
{
    bool grouped = true;
    bool surnameFirst = false;
    int category = 0;
};

// Sort keys of one name field for every record of a book, made once per
// name and kept until that name changes, and every record kept in key
// order. Each key remembers the bytes it was made from, so a rebuild
// recollates and re-places only the names edited since the last one; a book
// whose records moved (a delete) is simply recollated.
class SortKeyCache
{
public:
    explicit SortKeyCache(int slot) : m_slot(slot) {}

    int slot() const { return m_slot; }
    // Forgets every key, for instance after a change of locale.
    void reset();
    // Makes the key of record `n` match its current name; true when the
    // name had changed (or had no key yet).
    bool update(const std::vector<TEnreg> &book, int n, const NameCollator &collator);
    // Records 0 to count-1 in key order. Every one of them must have been
    // updated since its name last changed.
    const std::vector<int> &order(int count);
    // Compares two records whose keys are current.
    bool less(int a, int b) const { return compare(a, b) < 0; }
    int compare(int a, int b) const;
    // Stable sort of record numbers by their keys, which must be current.
    void sort(std::vector<int> &records) const;

    // Bytes held, for benchmarks.
    size_t memoryUse() const;

private:
    struct Entry
    {
        // The first sixteen key bytes, big-endian: most comparisons stop
        // here, without reaching into the key arena.
        quint64 prefix = 0, prefix2 = 0;
        quint32 keyOff = 0, keyLen = 0;
        quint32 nameOff = 0, nameLen = kNone;
    };
    static constexpr quint32 kNone = 0xFFFFFFFFu;
    void compact();

    int m_slot;
    std::vector<Entry> m_entries;
    std::string m_keys, m_names;   // every key and name, one after another
    size_t m_liveKeys = 0, m_liveNames = 0;
    std::string m_scratch;
    std::vector<int> m_order;          // records in key order
    size_t m_orderCount = 0;           // the book's size when m_order was made
    std::vector<int> m_moved;          // records whose key changed since m_order was made
    std::vector<bool> m_isMoved;
};

// The rows of the contact list, built from a book: 27 letter groups ("@"
// then "A" to "Z") holding the contacts whose main name starts with that
// letter, or one flat list. Each level is sorted by main name, without
// regard to case, in the collator's locale. Record numbers are the rows'
// only content; texts are read from the book when shown.
//
// The rows are only sorted when asked to: by rebuild(), and by sortGroup()
// when the list expands a group. A name edited in between keeps its row.
class ContactGroups
{
public:
    static constexpr int GroupCount = 27;
    // Letter group of a main name: 0 for "@" (empty, blank, digit, accented
    // letter, any other sign), 1 to 26 for "A" to "Z" in either case.
    static int groupOf(QByteArrayView mainName);
    static QString groupCaption(int group);

    explicit ContactGroups(const QLocale &locale = QLocale());
    void setLocale(const QLocale &locale);
    const NameCollator &collator() const { return *m_collator; }

    const ListOptions &options() const { return m_options; }
    int mainSlot() const { return m_options.surnameFirst ? TEnreg::Surname : TEnreg::Name; }
    int otherSlot() const { return m_options.surnameFirst ? TEnreg::Name : TEnreg::Surname; }

    // Lists every record that passes the filter, in record-number order,
    // then sorts every level.
    void rebuild(const std::vector<TEnreg> &book, const ListOptions &options);
    // An empty list (not even the letter groups).
    void clear();
    bool isEmpty() const { return !m_built; }

    bool grouped() const { return m_built && m_options.grouped; }
    // Top-level rows: with grouping, the 27 groups then topLevel(); without,
    // topLevel() alone.
    int topLevelCount() const { return (grouped() ? GroupCount : 0) + int(m_top.size()); }
    // Contacts at the top level: every contact of a flat list, or the ones
    // appended with appendTopLevel() to a grouped list.
    const std::vector<int> &topLevel() const { return m_top; }
    const std::vector<int> &group(int g) const { return m_groups[size_t(g)]; }

    // Adds a contact at the end of the top level, outside the letter groups,
    // until the next rebuild.
    void appendTopLevel(int record)
    {
        m_top.push_back(record);
        m_dirty[GroupCount] = true;
    }

    // Makes up to `budget` keys of the other name order ahead of time, so
    // that the first switch of order is as quick as the later ones. True
    // when every key of that order is ready.
    bool prepareOtherOrder(const std::vector<TEnreg> &book, int budget);

    // A listed record's main name may have changed: its group (the one it
    // is listed in) is checked again by the next sortGroup().
    void noteChanged(int record);
    // Whether one group's contacts (or the flat list for group -1) are out
    // of order, names having changed since the last sort.
    bool needsSort(const std::vector<TEnreg> &book, int g);
    // Sorts them again. Returns the new order as old row numbers, empty
    // when nothing moved.
    std::vector<int> sortGroup(const std::vector<TEnreg> &book, int g);

    // Where a record is listed: the first place in item order (the groups
    // from "@" to "Z", each followed by its contacts, then the top-level
    // contacts). group is -1 for the top level; row -1 when not listed.
    struct Place
    {
        int group = -1;
        int row = -1;
        bool found() const { return row >= 0; }
    };
    Place find(int record) const;

    size_t memoryUse() const;

private:
    SortKeyCache &keys() { return m_options.surnameFirst ? m_surnameKeys : m_nameKeys; }
    SortKeyCache &otherKeys() { return m_options.surnameFirst ? m_nameKeys : m_surnameKeys; }

    std::unique_ptr<NameCollator> m_collator;
    ListOptions m_options;
    bool m_built = false;
    std::array<std::vector<int>, GroupCount> m_groups;
    std::vector<int> m_top;
    // Groups holding a contact renamed since they were last sorted; the
    // last entry stands for the top level.
    std::array<bool, GroupCount + 1> m_dirty{};
    // Per record, gathered while the keys are checked: category and group.
    std::vector<qint32> m_categoryOf;
    std::vector<quint8> m_groupOf;
    size_t m_prepared = 0; // records of the other order whose keys are ready
    SortKeyCache m_nameKeys{TEnreg::Name};
    SortKeyCache m_surnameKeys{TEnreg::Surname};
};
