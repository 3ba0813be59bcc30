// zdl: book files from the command line, for scripts and checks without a window.
#include "book/BookFile.h"
#include "core/Codec.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <cstdio>

namespace {

int usage()
{
    std::fputs("usage: zdl info BOOK\n"
               "       zdl dump BOOK\n"
               "       zdl copy IN OUT\n",
               stderr);
    return 2;
}

int fail(const QString &what, const QString &message)
{
    std::fprintf(stderr, "zdl: %s: %s\n", qPrintable(what), qPrintable(message));
    return 1;
}

// File order of the texts: the single fields, the spouse, then the children.
QJsonArray fieldsInFileOrder(const TEnreg &r)
{
    QJsonArray a;
    for (int i = 0; i < TEnreg::SingleTextCount; ++i)
        a.append(Codec::decode(r.text(i)));
    a.append(Codec::decode(r.text(TEnreg::Spouse)));
    for (int c = 0; c < TEnreg::ChildCount; ++c)
        a.append(Codec::decode(r.child(c)));
    return a;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage();
    const QString cmd = args[0];
    QTextStream out(stdout);

    if ((cmd == QLatin1String("info") || cmd == QLatin1String("dump")) && args.size() == 2) {
        Result<BookContent> book = BookFile::read(args[1]);
        if (!book)
            return fail(args[1], book.message);
        if (cmd == QLatin1String("info")) {
            out << "encrypted: " << book.value.encrypted << '\n'
                << "format: " << Codec::decode(book.value.format) << '\n'
                << "records: " << book.value.records.size() << '\n';
            return 0;
        }
        int n = 0;
        for (const TEnreg &r : book.value.records) {
            QJsonObject o;
            o.insert(QStringLiteral("n"), n++);
            o.insert(QStringLiteral("fields"), fieldsInFileOrder(r));
            o.insert(QStringLiteral("locked"), int(r.Locked));
            o.insert(QStringLiteral("category"), int(r.Category));
            out << QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)) << '\n';
        }
        return 0;
    }
    if (cmd == QLatin1String("copy") && args.size() == 3) {
        Result<BookContent> book = BookFile::read(args[1]);
        if (!book)
            return fail(args[1], book.message);
        if (Status s = BookFile::save(args[2], book.value.records, book.value.encrypted); !s)
            return fail(args[2], s.message);
        return 0;
    }
    return usage();
}
