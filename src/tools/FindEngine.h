#pragma once

#include "book/TEnreg.h"

#include <QByteArray>

#include <span>
#include <vector>

// Searching the book for a contact whose chosen field holds a text, and
// stepping through the list one contact at a time.
namespace FindEngine {

// The field picker has 48 entries, numbered from 1 as their captions
// "Field1" to "Field48" are.
inline constexpr int EntryCount = 48;
inline constexpr int ChildrenEntry = 47;

// Record slots searched by a picker entry. Entries 1 to 16 are slots 0 to 15;
// the birthday (slot 16) is left out of that run and comes last, so entries
// 17 to 45 are slots 17 to 45; 46 is the spouse, 47 the ten children in
// order and 48 the birthday. Empty for an entry out of range.
std::vector<int> slotsOfEntry(int entry);

// Built-in caption of a picker entry (1 to 48).
const char *defaultCaption(int entry);

struct Query
{
    QByteArray text;         // exact bytes, compared as they are
    int entry = 1;           // field picker entry, 1 to 48
    bool wholeField = false; // the field must equal the text, not contain it
    int category = 0;        // the list's category filter; 0 lets every contact through
};

// The first matching record after `current` (-1 when no contact is current)
// in record-number order, wrapping round once so that `current` itself is
// looked at last. Records outside the category filter never match. For the
// children entry the first child of every record is looked at first, then,
// from the same start, the second child, and so on. -1 when nothing matches,
// the text is empty or the book is empty.
int search(const std::vector<TEnreg> &book, const Query &query, int current);

// True when one text satisfies the query's comparison.
bool matches(QByteArrayView field, const QByteArray &text, bool wholeField);

// Next and previous contact in display order (`order` holds record numbers
// as the list shows them). With no current contact (-1, or one the list does
// not show) Next gives the first and Previous the last. -1 at the ends: the
// walk does not wrap round.
int next(std::span<const int> order, int current);
int previous(std::span<const int> order, int current);

} // namespace FindEngine
