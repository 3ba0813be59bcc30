// Finding in a book of 100,000 contacts: the worst case is a text that no
// contact holds, which looks at every record (ten times for the children).
#include "BookGenerator.h"

#include "tools/FindEngine.h"

#include <numeric>

int main(int argc, char **argv)
{
    // A count as the first argument; anything else (such as --quick) keeps the default.
    const int given = argc > 1 ? std::atoi(argv[1]) : 0;
    const int count = given > 0 ? given : 100000;
    const int runs = 7;
    std::vector<TEnreg> book = generateBook(count);
    book.back().setText(TEnreg::Surname, "Unique-last-contact"); // names repeat in the generated book
    std::vector<int> order(static_cast<size_t>(count));
    std::iota(order.rbegin(), order.rend(), 0); // some display order other than the stored one

    struct Case
    {
        const char *what;
        FindEngine::Query query;
    } cases[] = {
        {"first name, part, no match", {"zzz", 1, false, 0}},
        {"first name, whole field, no match", {"zzz", 1, true, 0}},
        {"street (two lines), part, no match", {"zzz", 5, false, 0}},
        {"children (ten passes), no match", {"zzz", FindEngine::ChildrenEntry, false, 0}},
        {"surname, part, filtered by category", {"zzz", 2, false, 3}},
        {"surname, match at the last contact", {book.back().textCopy(TEnreg::Surname), 2, true, 0}},
    };
    std::printf("bench_find: %d contacts, median of %d runs\n", count, runs);
    for (const Case &c : cases) {
        int hit = 0;
        const double ms = medianMs(runs, [] {}, [&] { hit = FindEngine::search(book, c.query, -1); });
        std::printf("  %-40s %7.2f ms  (found %d)\n", c.what, ms, hit);
    }
    int at = 0;
    const double nextMs = medianMs(runs, [] {}, [&] { at = FindEngine::next(order, 0); });
    std::printf("  %-40s %7.2f ms  (%d)\n", "next from the end of the display order", nextMs, at);
    return 0;
}
