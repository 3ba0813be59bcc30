#include "tools/FindEngine.h"

#include <algorithm>
#include <array>

namespace FindEngine {

namespace {

constexpr std::array<const char *, EntryCount> kCaptions = {
    "First name", "Surname", "Title", "Nickname", "Street", "City", "Postal code", "State", "Country",
    "Phone 1", "Phone 2", "Phone 3", "Fax", "Work", "Cellular", "Pager", "E mail", "E mail 2", "E mail 3",
    "Web site 1", "Web site 2", "ICQ", "Comment", "Company", "Company's street", "Company's city",
    "Company's postal code", "Company's state", "Company's country", "Departement", "Office", "Job", "Assitant",
    "Company's phone", "Company's fax", "Office's phone", "Office's fax", "Assistant's phone", "Assistant's fax",
    "Company's mobile", "Telex", "Company's E mail", "Company's E mail 2", "Company's E mail 3",
    "Company's Web site", "Spouse", "Children", "Birthday",
};

bool passesFilter(const TEnreg &r, int category)
{
    return category == 0 || r.Category == category;
}

// One pass over the book from `start`, wrapping once, looking at `fieldSlots`.
int pass(const std::vector<TEnreg> &book, const Query &q, int start, std::span<const int> fieldSlots)
{
    const int count = int(book.size());
    int n = start;
    for (int k = 0; k < count; ++k) {
        const TEnreg &r = book[size_t(n)];
        if (passesFilter(r, q.category))
            for (int slot : fieldSlots)
                if (matches(r.text(slot), q.text, q.wholeField))
                    return n;
        if (++n == count)
            n = 0;
    }
    return -1;
}

} // namespace

std::vector<int> slotsOfEntry(int entry)
{
    if (entry >= 1 && entry <= 16)
        return {entry - 1};
    if (entry >= 17 && entry <= 45)
        return {entry};
    if (entry == 46)
        return {TEnreg::Spouse};
    if (entry == ChildrenEntry) {
        std::vector<int> s;
        for (int c = 0; c < TEnreg::ChildCount; ++c)
            s.push_back(TEnreg::Children0 + c);
        return s;
    }
    if (entry == 48)
        return {TEnreg::Birthday};
    return {};
}

const char *defaultCaption(int entry)
{
    return entry >= 1 && entry <= EntryCount ? kCaptions[size_t(entry - 1)] : "";
}

bool matches(QByteArrayView field, const QByteArray &text, bool wholeField)
{
    if (wholeField)
        return field == QByteArrayView(text);
    return !field.isEmpty() && field.indexOf(QByteArrayView(text)) >= 0;
}

int search(const std::vector<TEnreg> &book, const Query &query, int current)
{
    const int count = int(book.size());
    const std::vector<int> fieldSlots = slotsOfEntry(query.entry);
    if (count == 0 || query.text.isEmpty() || fieldSlots.empty())
        return -1;
    const int c = current >= 0 && current < count ? current : -1;
    const int start = (c + 1) % count;
    if (query.entry != ChildrenEntry)
        return pass(book, query, start, fieldSlots);
    // Children: a whole pass per child, the first child everywhere first.
    for (int slot : fieldSlots)
        if (const int hit = pass(book, query, start, std::span<const int>(&slot, 1)); hit >= 0)
            return hit;
    return -1;
}

int next(std::span<const int> order, int current)
{
    if (order.empty())
        return -1;
    const auto it = current < 0 ? order.end() : std::find(order.begin(), order.end(), current);
    if (it == order.end())
        return order.front();
    return it + 1 == order.end() ? -1 : *(it + 1);
}

int previous(std::span<const int> order, int current)
{
    if (order.empty())
        return -1;
    const auto it = current < 0 ? order.end() : std::find(order.begin(), order.end(), current);
    if (it == order.end())
        return order.back();
    return it == order.begin() ? -1 : *(it - 1);
}

} // namespace FindEngine
