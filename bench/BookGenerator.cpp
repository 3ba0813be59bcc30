#include "BookGenerator.h"

#include <QByteArray>

#include <array>
#include <random>

namespace {

const std::array<const char *, 40> kFirst = {
    "Anne", "Bernard", "Camille", "David", "\xC9lodie", "Fran\xE7ois", "Georges", "H\xE9l\xE8ne", "Isabelle",
    "Jacques", "Karim", "Lucie", "Marc", "Nathalie", "Olivier", "Pascale", "Quentin", "Rose", "St\xE9phane",
    "Th\xE9r\xE8se", "Ulysse", "Val\xE9rie", "William", "Xavier", "Yasmine", "Zo\xE9", "alice", "bruno",
    "zacharie", "\xC2ngela", "Otto", "Ingrid", "Emma", "Louis", "Nora", "Paul", "Sophie", "Victor", "[Admin]",
    "3M Service"};
const std::array<const char *, 32> kLast = {
    "Martin", "Bernard", "Dubois", "Thomas", "Robert", "Richard", "Petit", "Durand", "Leroy", "Moreau",
    "Simon", "Laurent", "Lef\xE8vre", "Michel", "Garcia", "David", "Bertrand", "Roux", "Vincent", "Fournier",
    "Morel", "Girard", "Andr\xE9", "Mercier", "Dupont", "Lambert", "Bonnet", "Fran\xE7ois", "Martinez", "Legrand",
    "\xC9tienne", "van Dijk"};
const std::array<const char *, 8> kCity = {"Lyon", "Paris", "Marseille", "Toulouse", "Nantes", "Lille",
                                           "Montr\xE9" "al", "Bruxelles"};

} // namespace

std::vector<TEnreg> generateBook(int count, unsigned seed)
{
    std::mt19937 rng(seed);
    auto pick = [&rng](auto &list) { return QByteArray(list[rng() % list.size()]); };
    std::vector<TEnreg> book;
    book.reserve(size_t(count));
    std::array<QByteArray, TEnreg::TextCount> f;
    std::array<QByteArrayView, TEnreg::TextCount> views;
    for (int i = 0; i < count; ++i) {
        for (auto &t : f)
            t.clear();
        // A number after most names keeps them apart, as in a real book.
        f[TEnreg::Name] = rng() % 50 == 0 ? QByteArray() : pick(kFirst);
        f[TEnreg::Surname] = pick(kLast) + QByteArray::number(int(rng() % 1000));
        f[TEnreg::Street] = QByteArray::number(int(rng() % 200)) + " rue des Lilas\r\nB\xE2timent " + char('A' + rng() % 6);
        f[TEnreg::City] = pick(kCity);
        f[TEnreg::PostalCode] = QByteArray::number(int(10000 + rng() % 89999));
        f[TEnreg::Country] = "France";
        f[TEnreg::PhoneNumber1] = "04 72 " + QByteArray::number(int(10 + rng() % 89)) + " "
                                  + QByteArray::number(int(10 + rng() % 89)) + " 00";
        f[TEnreg::MobileNumber] = "06 " + QByteArray::number(int(10000000 + rng() % 89999999));
        f[TEnreg::EMail1] = f[TEnreg::Name].toLower() + "." + f[TEnreg::Surname].toLower() + "@example.org";
        // One contact in ten has a birthday, as in a real book; every one
        // of them would fill the reminder window at each open.
        if (rng() % 10 == 0)
            f[TEnreg::Birthday] = QByteArray::number(int(10 + rng() % 18)) + "/0" + QByteArray::number(int(1 + rng() % 9))
                              + "/19" + QByteArray::number(int(40 + rng() % 60));
        f[TEnreg::Company] = "Soci\xE9t\xE9 " + pick(kLast);
        f[TEnreg::Comment] = "Rencontr\xE9 au salon de " + pick(kCity) + ".\r\nRappeler en septembre.";
        f[TEnreg::CompanyPhone] = "04 78 00 " + QByteArray::number(int(10 + rng() % 89)) + " 00";
        if (rng() % 3 == 0)
            f[TEnreg::Children0] = pick(kFirst);
        for (size_t s = 0; s < f.size(); ++s)
            views[s] = f[s];
        TEnreg r;
        r.setTexts(views);
        r.Category = int(rng() % 8);
        book.push_back(std::move(r));
    }
    return book;
}

