#include "app/ContactGroups.h"

#include "core/Codec.h"

#include <algorithm>
#include <iterator>
#include <cstring>

// ---------------------------------------------------------------- SortKeyCache

void SortKeyCache::reset()
{
    m_entries.clear();
    m_keys.clear();
    m_names.clear();
    m_liveKeys = m_liveNames = 0;
    m_order.clear();
    m_orderCount = 0;
    m_moved.clear();
    m_isMoved.clear();
}

bool SortKeyCache::update(const std::vector<TEnreg> &book, int n, const NameCollator &collator)
{
    if (size_t(n) >= m_entries.size()) {
        const size_t size = book.size() > size_t(n) ? book.size() : size_t(n) + 1;
        m_entries.resize(size);
        m_isMoved.resize(size, false);
    }
    Entry &e = m_entries[size_t(n)];
    const QByteArrayView name = book[size_t(n)].text(m_slot);
    if (e.nameLen == quint32(name.size())
        && (name.isEmpty() || std::memcmp(m_names.data() + e.nameOff, name.data(), size_t(name.size())) == 0))
        return false;
    if (!m_isMoved[size_t(n)]) {
        m_isMoved[size_t(n)] = true;
        m_moved.push_back(n);
    }

    if (e.nameLen != kNone) {
        m_liveKeys -= e.keyLen;
        m_liveNames -= e.nameLen;
    }
    m_scratch.clear();
    collator.appendKey(Codec::decode(name), m_scratch);
    e.keyOff = quint32(m_keys.size());
    e.keyLen = quint32(m_scratch.size());
    m_keys += m_scratch;
    e.nameOff = quint32(m_names.size());
    e.nameLen = quint32(name.size());
    m_names.append(name.data(), size_t(name.size()));
    m_liveKeys += e.keyLen;
    m_liveNames += e.nameLen;
    quint64 p = 0, p2 = 0;
    for (size_t i = 0; i < 8; ++i)
        p = (p << 8) | (i < m_scratch.size() ? quint8(m_scratch[i]) : 0u);
    for (size_t i = 8; i < 16; ++i)
        p2 = (p2 << 8) | (i < m_scratch.size() ? quint8(m_scratch[i]) : 0u);
    e.prefix = p;
    e.prefix2 = p2;

    // Replaced keys stay in the arenas until they outweigh the live ones.
    if (m_keys.size() + m_names.size() > 2 * (m_liveKeys + m_liveNames) + (1u << 20))
        compact();
    return true;
}

const std::vector<int> &SortKeyCache::order(int count)
{
    const auto n = size_t(count);
    if (m_moved.size() > n / 4 + 16) {
        // Most names are new (a new book, a delete near the start): sort all.
        m_order.resize(n);
        for (size_t i = 0; i < n; ++i)
            m_order[i] = int(i);
        sort(m_order);
    } else {
        // Take the moved records (and any beyond the book) out, sort them,
        // merge them back in: linear in the book plus the moved ones.
        std::vector<int> moved;
        moved.reserve(m_moved.size());
        for (int r : m_moved)
            if (size_t(r) < n)
                moved.push_back(r);
        // Records beyond the last order are in no order yet, even when a
        // deleted record left them a key that still matches their name.
        for (size_t r = m_orderCount; r < n; ++r)
            if (!m_isMoved[r])
                moved.push_back(int(r));
        sort(moved);
        std::vector<int> kept;
        kept.reserve(n);
        for (int r : m_order)
            if (size_t(r) < n && !m_isMoved[size_t(r)])
                kept.push_back(r);
        m_order.clear();
        m_order.reserve(n);
        std::merge(kept.begin(), kept.end(), moved.begin(), moved.end(), std::back_inserter(m_order),
                   [this](int a, int b) { return compare(a, b) < 0; });
    }
    for (int r : m_moved)
        m_isMoved[size_t(r)] = false;
    m_moved.clear();
    m_orderCount = n;
    return m_order;
}

void SortKeyCache::compact()
{
    std::string keys, names;
    keys.reserve(m_liveKeys);
    names.reserve(m_liveNames);
    for (Entry &e : m_entries) {
        if (e.nameLen == kNone)
            continue;
        const quint32 k = quint32(keys.size()), nm = quint32(names.size());
        keys.append(m_keys, e.keyOff, e.keyLen);
        names.append(m_names, e.nameOff, e.nameLen);
        e.keyOff = k;
        e.nameOff = nm;
    }
    m_keys.swap(keys);
    m_names.swap(names);
}

int SortKeyCache::compare(int a, int b) const
{
    const Entry &x = m_entries[size_t(a)];
    const Entry &y = m_entries[size_t(b)];
    if (x.prefix != y.prefix)
        return x.prefix < y.prefix ? -1 : 1;
    if (x.prefix2 != y.prefix2)
        return x.prefix2 < y.prefix2 ? -1 : 1;
    // Equal in their first sixteen bytes (padded with zeros).
    const quint32 common = std::min(x.keyLen, y.keyLen);
    if (common > 16) {
        const int c = std::memcmp(m_keys.data() + x.keyOff + 16, m_keys.data() + y.keyOff + 16, common - 16);
        if (c != 0)
            return c;
    }
    return x.keyLen < y.keyLen ? -1 : (x.keyLen > y.keyLen ? 1 : 0);
}

void SortKeyCache::sort(std::vector<int> &records) const
{
    // Sorting the prefixes with the record numbers keeps most comparisons
    // inside one contiguous array instead of chasing every record's entry.
    struct Item
    {
        quint64 a, b;
        int record;
    };
    std::vector<Item> v;
    v.reserve(records.size());
    for (int r : records)
        v.push_back({m_entries[size_t(r)].prefix, m_entries[size_t(r)].prefix2, r});
    std::stable_sort(v.begin(), v.end(), [this](const Item &x, const Item &y) {
        if (x.a != y.a)
            return x.a < y.a;
        if (x.b != y.b)
            return x.b < y.b;
        return compare(x.record, y.record) < 0;
    });
    for (size_t i = 0; i < v.size(); ++i)
        records[i] = v[i].record;
}

size_t SortKeyCache::memoryUse() const
{
    return m_entries.capacity() * sizeof(Entry) + m_keys.capacity() + m_names.capacity()
           + m_order.capacity() * sizeof(int);
}

// ---------------------------------------------------------------- ContactGroups

int ContactGroups::groupOf(QByteArrayView mainName)
{
    // Only the ASCII letters have groups of their own; "é", "1", " " and "["
    // all go to "@".
    const char c = mainName.isEmpty() ? ' ' : mainName[0];
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 1;
    if (c >= 'A' && c <= 'Z')
        return c - 'A' + 1;
    return 0;
}

QString ContactGroups::groupCaption(int group)
{
    return group <= 0 ? QStringLiteral("@") : QString(QChar(u'A' + (group - 1)));
}

ContactGroups::ContactGroups(const QLocale &locale) : m_collator(std::make_unique<NameCollator>(locale)) {}

void ContactGroups::setLocale(const QLocale &locale)
{
    m_collator = std::make_unique<NameCollator>(locale);
    m_prepared = 0;
    m_nameKeys.reset();
    m_surnameKeys.reset();
}

void ContactGroups::clear()
{
    m_built = false;
    for (auto &g : m_groups)
        g.clear();
    m_top.clear();
    m_dirty.fill(false);
}

void ContactGroups::rebuild(const std::vector<TEnreg> &book, const ListOptions &options)
{
    clear();
    if (options.surnameFirst != m_options.surnameFirst)
        m_prepared = 0;
    m_options = options;
    m_built = true;
    SortKeyCache &k = keys();
    const int slot = mainSlot();
    const int n = int(book.size());
    // One pass over the records checks every key and notes what the
    // filter and the groups need, so the pass in name order below touches
    // no record again.
    m_categoryOf.resize(size_t(n));
    m_groupOf.resize(size_t(n));
    bool changed = false;
    for (int i = 0; i < n; ++i) {
        const TEnreg &r = book[size_t(i)];
        changed |= k.update(book, i, *m_collator);
        m_categoryOf[size_t(i)] = r.Category;
        m_groupOf[size_t(i)] = quint8(groupOf(r.text(slot)));
    }
    // Names changed: the other order's keys need checking again.
    if (changed)
        m_prepared = 0;
    // Walking every record in name order fills each group already sorted.
    for (int i : k.order(n)) {
        if (options.category != 0 && m_categoryOf[size_t(i)] != options.category)
            continue;
        if (options.grouped)
            m_groups[m_groupOf[size_t(i)]].push_back(i);
        else
            m_top.push_back(i);
    }
}

bool ContactGroups::prepareOtherOrder(const std::vector<TEnreg> &book, int budget)
{
    SortKeyCache &k = otherKeys();
    if (m_prepared > book.size())
        m_prepared = 0;
    if (m_prepared == book.size())
        return true; // ready since the last call; a switch checks the names anyway
    const size_t end = std::min(book.size(), m_prepared + size_t(qMax(1, budget)));
    for (size_t i = m_prepared; i < end; ++i)
        k.update(book, int(i), *m_collator);
    m_prepared = end;
    if (m_prepared < book.size())
        return false;
    k.order(int(book.size()));
    return true;
}

void ContactGroups::noteChanged(int record)
{
    const Place p = find(record);
    if (p.found())
        m_dirty[p.group < 0 ? GroupCount : size_t(p.group)] = true;
}

bool ContactGroups::needsSort(const std::vector<TEnreg> &book, int g)
{
    bool &dirty = m_dirty[g < 0 ? GroupCount : size_t(g)];
    if (!dirty)
        return false;
    const std::vector<int> &rows = g < 0 ? m_top : m_groups[size_t(g)];
    SortKeyCache &k = keys();
    for (int r : rows)
        if (size_t(r) < book.size())
            k.update(book, r, *m_collator);
    for (size_t i = 1; i < rows.size(); ++i)
        if (k.compare(rows[i - 1], rows[i]) > 0)
            return true;
    dirty = false;
    return false;
}

std::vector<int> ContactGroups::sortGroup(const std::vector<TEnreg> &book, int g)
{
    // Nothing to do in the common case: the group is still in order.
    if (!needsSort(book, g))
        return {};
    m_dirty[g < 0 ? GroupCount : size_t(g)] = false;
    std::vector<int> &rows = g < 0 ? m_top : m_groups[size_t(g)];
    SortKeyCache &k = keys();
    std::vector<int> order(rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        order[i] = int(i);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return k.compare(rows[size_t(a)], rows[size_t(b)]) < 0; });
    std::vector<int> sortedRows(rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        sortedRows[i] = rows[size_t(order[i])];
    rows.swap(sortedRows);
    return order;
}

ContactGroups::Place ContactGroups::find(int record) const
{
    if (grouped()) {
        for (int g = 0; g < GroupCount; ++g) {
            const auto &v = m_groups[size_t(g)];
            const auto it = std::find(v.begin(), v.end(), record);
            if (it != v.end())
                return {g, int(it - v.begin())};
        }
    }
    const auto it = std::find(m_top.begin(), m_top.end(), record);
    if (it != m_top.end())
        return {-1, int(it - m_top.begin())};
    return {};
}

size_t ContactGroups::memoryUse() const
{
    size_t bytes = m_nameKeys.memoryUse() + m_surnameKeys.memoryUse() + m_top.capacity() * sizeof(int)
                   + m_categoryOf.capacity() * sizeof(qint32) + m_groupOf.capacity();
    for (const auto &g : m_groups)
        bytes += g.capacity() * sizeof(int);
    return bytes;
}
