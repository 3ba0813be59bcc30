#include "BookGenerator.h"

#include <QByteArray>

#include <random>

namespace {

const char *const kFirst[] = {"Anne", "Bruno", "C\xE9line", "Denis", "\xC9milie", "Fran\xE7ois", "Ga\xEBlle",
                              "Hugo", "In\xE8s", "J\xE9r\xF4me", "Katia", "Luc", "Mathilde", "No\xEBl", "Oc\xE9" "ane",
                              "Pierre", "Quentin", "Ren\xE9", "Sophie", "Th\xE9o", "Ursule", "Val\xE9rie", "William",
                              "Xavier", "Yannick", "Zo\xE9", "andr\xE9", "[draft]", "1st contact", " Blank"};
const char *const kLast[] = {"Martin", "Bernard", "Dubois", "Thomas", "Robert", "Richard", "Petit", "Durand",
                             "Leroy", "Moreau", "Simon", "Laurent", "Lef\xE8vre", "Michel", "Garc\xEDs", "David",
                             "Bertrand", "Roux", "Vincent", "Fournier", "Morel", "Girard", "Andr\xE9", "Mercier",
                             "\xC9tienne", "Bonnet", "Fran\xE7ois", "Zimmer", "Young", "Quint"};
const char *const kCity[] = {"Lyon", "Paris", "Marseille", "Qu\xE9" "bec", "Gen\xE8ve", "Li\xE8ge", "Nantes", "Lille",
                             "Montr\xE9" "al", "Bordeaux"};
const char *const kStreet[] = {"rue des Lilas", "avenue Foch", "boulevard Voltaire", "chemin du Moulin",
                               "place de l'\xC9glise", "all\xE9" "e des Ch\xEAnes"};

} // namespace

std::vector<TEnreg> generateBook(int count, unsigned seed)
{
    std::mt19937 rng(seed);
    auto pick = [&rng](const auto &arr) { return QByteArray(arr[rng() % std::size(arr)]); };
    auto digits = [&rng](int n) {
        QByteArray s;
        for (int i = 0; i < n; ++i)
            s.append(char('0' + rng() % 10));
        return s;
    };
    std::vector<TEnreg> book;
    book.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        TEnreg r;
        const QByteArray first = pick(kFirst), last = pick(kLast);
        std::array<QByteArray, TEnreg::TextCount> t;
        t[TEnreg::Name] = first;
        t[TEnreg::Surname] = last;
        t[TEnreg::City] = pick(kCity);
        t[TEnreg::PhoneNumber1] = "0" + digits(9);
        if (rng() % 2)
            t[TEnreg::MobileNumber] = "06 " + digits(2) + " " + digits(2) + " " + digits(2) + " " + digits(2);
        t[TEnreg::EMail1] = first.toLower() + "." + last.toLower() + "@example.org";
        if (rng() % 3 == 0) {
            t[TEnreg::Street] = QByteArray::number(int(rng() % 200 + 1)) + " " + pick(kStreet) + "\r\nB\xE2timent "
                                + char('A' + rng() % 6);
            t[TEnreg::PostalCode] = digits(5);
        }
        if (rng() % 4 == 0)
            t[TEnreg::Birthday] = QByteArray::number(int(rng() % 28 + 1)).rightJustified(2, '0') + "/"
                                  + QByteArray::number(int(rng() % 12 + 1)).rightJustified(2, '0') + "/"
                                  + QByteArray::number(int(1940 + rng() % 70));
        if (rng() % 5 == 0)
            t[TEnreg::Comment] = "Met at the " + pick(kCity) + " fair.\r\nCall back after the holidays.";
        if (rng() % 6 == 0) {
            t[TEnreg::Company] = pick(kLast) + " & Fils";
            t[TEnreg::CompanyPhone] = "0" + digits(9);
        }
        if (rng() % 8 == 0) {
            t[TEnreg::Spouse] = pick(kFirst);
            const int kids = int(rng() % 4);
            for (int c = 0; c < kids; ++c)
                t[size_t(TEnreg::Children0 + c)] = pick(kFirst);
        }
        std::array<QByteArrayView, TEnreg::TextCount> views;
        for (size_t k = 0; k < views.size(); ++k)
            views[k] = t[k];
        r.setTexts(views);
        r.Category = int(rng() % 8);
        r.Locked = rng() % 20 == 0 ? 1 : 0;
        book.push_back(std::move(r));
    }
    return book;
}
