#include "app/ContactGroups.h"

#include "core/Codec.h"

#include <algorithm>
#include <cstring>

// ---------------------------------------------------------------- SortKeyCache

void SortKeyCache::reset()
{
    m_entries.clear();
    m_keys.clear();
    m_names.clear();
    m_liveKeys = m_liveNames = 0;
}

void SortKeyCache::update(const std::vector<TEnreg> &book, int n, const NameCollator &collator)
{
    if (size_t(n) >= m_entries.size())
        m_entries.resize(book.size() > size_t(n) ? book.size() : size_t(n) + 1);
    Entry &e = m_entries[size_t(n)];
    const QByteArrayView name = book[size_t(n)].text(m_slot);
    if (e.nameLen == quint32(name.size())
        && (name.isEmpty() || std::memcmp(m_names.data() + e.nameOff, name.data(), size_t(name.size())) == 0))
        return;

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
    quint64 p = 0;
    for (size_t i = 0; i < 8; ++i)
        p = (p << 8) | (i < m_scratch.size() ? quint8(m_scratch[i]) : 0u);
    e.prefix = p;

    // Replaced keys stay in the arenas until they outweigh the live ones.
    if (m_keys.size() + m_names.size() > 2 * (m_liveKeys + m_liveNames) + (1u << 20))
        compact();
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
    const int c = std::memcmp(m_keys.data() + x.keyOff, m_keys.data() + y.keyOff, std::min(x.keyLen, y.keyLen));
    if (c != 0)
        return c;
    return x.keyLen < y.keyLen ? -1 : (x.keyLen > y.keyLen ? 1 : 0);
}

void SortKeyCache::sort(std::vector<int> &records) const
{
    // Sorting (prefix, record) pairs keeps most comparisons inside one
    // contiguous array instead of chasing every record's entry.
    std::vector<std::pair<quint64, int>> v;
    v.reserve(records.size());
    for (int r : records)
        v.emplace_back(m_entries[size_t(r)].prefix, r);
    std::stable_sort(v.begin(), v.end(), [this](const auto &x, const auto &y) {
        if (x.first != y.first)
            return x.first < y.first;
        return compare(x.second, y.second) < 0;
    });
    for (size_t i = 0; i < v.size(); ++i)
        records[i] = v[i].second;
}

size_t SortKeyCache::memoryUse() const
{
    return m_entries.capacity() * sizeof(Entry) + m_keys.capacity() + m_names.capacity();
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
    m_nameKeys.reset();
    m_surnameKeys.reset();
}

void ContactGroups::clear()
{
    m_built = false;
    for (auto &g : m_groups)
        g.clear();
    m_top.clear();
}

void ContactGroups::rebuild(const std::vector<TEnreg> &book, const ListOptions &options)
{
    clear();
    m_options = options;
    m_built = true;
    SortKeyCache &k = keys();
    const int slot = mainSlot();
    const int n = int(book.size());
    for (int i = 0; i < n; ++i) {
        const TEnreg &r = book[size_t(i)];
        if (options.category != 0 && r.Category != options.category)
            continue;
        k.update(book, i, *m_collator);
        if (options.grouped)
            m_groups[size_t(groupOf(r.text(slot)))].push_back(i);
        else
            m_top.push_back(i);
    }
    if (options.grouped)
        for (auto &g : m_groups)
            k.sort(g);
    else
        k.sort(m_top);
}

bool ContactGroups::needsSort(const std::vector<TEnreg> &book, int g)
{
    const std::vector<int> &rows = g < 0 ? m_top : m_groups[size_t(g)];
    SortKeyCache &k = keys();
    for (int r : rows)
        if (size_t(r) < book.size())
            k.update(book, r, *m_collator);
    for (size_t i = 1; i < rows.size(); ++i)
        if (k.compare(rows[i - 1], rows[i]) > 0)
            return true;
    return false;
}

std::vector<int> ContactGroups::sortGroup(const std::vector<TEnreg> &book, int g)
{
    // Nothing to do in the common case: the group is still in order.
    if (!needsSort(book, g))
        return {};
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
    size_t bytes = m_nameKeys.memoryUse() + m_surnameKeys.memoryUse() + m_top.capacity() * sizeof(int);
    for (const auto &g : m_groups)
        bytes += g.capacity() * sizeof(int);
    return bytes;
}
