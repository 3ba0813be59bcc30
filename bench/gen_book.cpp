// Writes a synthetic book: gen_book COUNT OUT.zdl [SEED]
#include "BookGenerator.h"
#include "book/BookFile.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() < 3) {
        std::fputs("usage: gen_book COUNT OUT.zdl [SEED]\n", stderr);
        return 2;
    }
    const auto book = generateBook(a[1].toInt(), a.size() > 3 ? a[3].toUInt() : 1u);
    if (Status s = BookFile::save(a[2], book, 0); !s) {
        std::fprintf(stderr, "gen_book: %s\n", qPrintable(s.message));
        return 1;
    }
    return 0;
}
