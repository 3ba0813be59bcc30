#pragma once

#include "book/TEnreg.h"

#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <vector>

// Synthetic books for benchmarks, the same for the same seed: realistic
// name lengths spread over every letter group, some names in lower case,
// accented, starting with a digit or empty, categories 0 to 7, one contact
// in ten with a birthday, multi-line addresses and comments, and enough
// other fields filled that a record weighs what a real one does (~320
// bytes in the file).
std::vector<TEnreg> generateBook(int count, unsigned seed = 1);

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

template <typename F>
double medianMs(int runs, F f)
{
    return medianMs(runs, [] {}, f);
}

// High-water resident memory of this process in kB, from the kernel.
inline long peakResidentKb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}
