#pragma once

#include "book/TEnreg.h"

#include <QElapsedTimer>

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

// A book of made-up contacts for the benchmarks of this folder: about 300
// bytes of text a contact spread over the fields people fill in, with the
// odd multi-line address, children and upper-half characters.
inline std::vector<TEnreg> syntheticBook(int count)
{
    static const char *first[] = {"Ann", "Bruno", "C\xe9line", "David", "Eve", "Fran\xe7ois", "Gus", "Hana"};
    static const char *last[] = {"Smith", "Martin", "M\xfcller", "Dupont", "O'Neil", "Nguyen", "Rossi"};
    std::vector<TEnreg> book;
    book.reserve(size_t(count));
    std::array<QByteArray, TEnreg::TextCount> t;
    std::array<QByteArrayView, TEnreg::TextCount> v;
    for (int i = 0; i < count; ++i) {
        for (auto &x : t)
            x.clear();
        const QByteArray n = QByteArray::number(i);
        t[TEnreg::Name] = first[i % 8];
        t[TEnreg::Surname] = QByteArray(last[i % 7]) + n;
        t[TEnreg::Street] = n + " avenue des Champs\r\nB\xe2timent " + QByteArray::number(i % 9);
        t[TEnreg::City] = "Saint-\xc9tienne";
        t[TEnreg::PostalCode] = QByteArray::number(10000 + i % 80000);
        t[TEnreg::Country] = "France";
        t[TEnreg::PhoneNumber1] = "+33 4 77 " + QByteArray::number(100000 + i);
        t[TEnreg::MobileNumber] = "+33 6 12 " + QByteArray::number(200000 + i);
        t[TEnreg::Birthday] = QByteArray::number(10 + i % 18) + "/0" + QByteArray::number(1 + i % 9) + "/19" +
                              QByteArray::number(40 + i % 60);
        t[TEnreg::EMail1] = "contact" + n + "@example.org";
        t[TEnreg::Comment] = i % 3 ? QByteArray() : "Met at the fair in " + QByteArray::number(1990 + i % 30);
        t[TEnreg::Company] = "Company " + QByteArray::number(i % 500);
        t[TEnreg::CompanyPhone] = "+33 1 40 " + QByteArray::number(300000 + i % 500);
        t[TEnreg::JobTitle] = i % 2 ? "Engineer" : "Sales";
        t[TEnreg::Spouse] = i % 2 ? QByteArray("Sam") : QByteArray();
        for (int c = 0; c < i % 4; ++c)
            t[size_t(TEnreg::Children0 + c)] = "Child" + QByteArray::number(c) + "-" + n;
        for (size_t k = 0; k < v.size(); ++k)
            v[k] = t[k];
        TEnreg r;
        r.setTexts(v);
        r.Category = i % 6;
        book.push_back(std::move(r));
    }
    return book;
}

// Median wall time in milliseconds of `runs` calls of `f`; `prepare` runs
// before each call and is not timed.
template <typename Prepare, typename F>
double medianMs(int runs, Prepare prepare, F f)
{
    std::vector<double> ms;
    for (int k = 0; k < runs; ++k) {
        prepare();
        QElapsedTimer t;
        t.start();
        f();
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}
