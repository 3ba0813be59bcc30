// Load and save of synthetic books against a plain read and a plain
// write+fsync of the same bytes, in the same run. Prints medians and ratios.
#include "BookGenerator.h"
#include "book/BookFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <unistd.h>

namespace {

// Peak resident memory of a fresh process (this program again) that only
// loads the book; it reports its own high-water mark.
long peakLoadKb(const QString &self, const QString &path)
{
    const QByteArray cmd = "'" + self.toLocal8Bit() + "' --load-only '" + path.toLocal8Bit() + "'";
    FILE *p = popen(cmd.constData(), "r");
    if (!p)
        return -1;
    long kb = -1;
    if (std::fscanf(p, "%ld", &kb) != 1)
        kb = -1;
    pclose(p);
    return kb;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 3 && std::string_view(argv[1]) == "--load-only")
    {
        const bool ok = BookFile::read(QString::fromLocal8Bit(argv[2])).ok;
        std::printf("%ld\n", peakResidentKb());
        return ok ? 0 : 1;
    }
    QCoreApplication app(argc, argv);
    QList<int> sizes{10000, 100000, 1000000};
    if (app.arguments().contains(QStringLiteral("--quick")))
        sizes = {10000, 100000};
    QTemporaryDir dir;
    std::printf("%-9s %9s %10s %10s %7s %10s %10s %7s %10s\n", "contacts", "MB", "read ms", "load ms", "ratio",
                "write ms", "save ms", "ratio", "peak MB");
    for (int n : sizes) {
        const QString path = dir.filePath(QStringLiteral("b%1.zdl").arg(n));
        const auto book = generateBook(n);
        if (!BookFile::save(path, book, 0))
            return 1;
        QFile f(path);
        const double mb = double(f.size()) / (1 << 20);
        const int runs = n >= 1000000 ? 3 : 7;
        const double read = medianMs(runs, [&] {
            QFile in(path);
            in.open(QIODevice::ReadOnly);
            volatile qsizetype s = in.readAll().size();
            (void)s;
        });
        const double load = medianMs(runs, [&] {
            auto r = BookFile::read(path);
            volatile size_t c = r.value.records.size();
            (void)c;
        });
        QByteArray bytes = BookFile::serialize(book, 0);
        const QString plainOut = dir.filePath(QStringLiteral("plain.bin"));
        const double write = medianMs(runs, [&] {
            QFile out(plainOut);
            out.open(QIODevice::WriteOnly | QIODevice::Truncate);
            out.write(bytes);
            out.flush();
            fsync(out.handle());
        });
        const QString saveOut = dir.filePath(QStringLiteral("save.zdl"));
        const double save = medianMs(runs, [&] { BookFile::save(saveOut, book, 0); });
        const long peak = peakLoadKb(QCoreApplication::applicationFilePath(), path);
        std::printf("%-9d %9.1f %10.1f %10.1f %7.1f %10.1f %10.1f %7.1f %10.1f\n", n, mb, read, load, load / read,
                    write, save, save / write, double(peak) / 1024);
    }
    std::printf("targets at 100,000: load <= 50 ms and <= 10x read; save <= 150 ms; peak <= 2x file + 30 MB;"
                " 1,000,000 load <= 1 s\n");
    return 0;
}
