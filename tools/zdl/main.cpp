// zdl: book files from the command line, for scripts and checks without a window.
#include "book/BookFile.h"
#include "book/BookState.h"
#include "core/Codec.h"
#include "crypt/BookCipher.h"
#include "crypt/BookCrypt.h"
#include "tools/BirthdayList.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringDecoder>
#include <QTextStream>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

int usage()
{
    std::fputs("usage: zdl info BOOK\n"
               "       zdl dump BOOK\n"
               "       zdl copy IN OUT\n"
               "       zdl encrypt BOOK OUT    (passphrase: first line of standard input)\n"
               "       zdl decrypt BOOK OUT    (passphrase: first line of standard input)\n"
               "       zdl birthdays BOOK [--today YYYY-MM-DD] [--days N]\n",
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

// The passphrase as the window would pass it: the first line of standard
// input, read as UTF-8 and held in the book's code page. Never taken from
// the command line, where other users could see it.
bool readPassphrase(QByteArray &out)
{
    std::string line;
    std::getline(std::cin, line);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(QByteArrayView(line.data(), qsizetype(line.size())));
    secureFill(line.data(), line.size(), 0);
    bool lossless = true;
    out = Codec::encode(text, &lossless);
    secureFill(text.data(), size_t(text.size()) * sizeof(QChar), 0);
    return !utf8.hasError() && lossless;
}

int cryptCommand(bool encrypt, const QString &in, const QString &outName)
{
    Result<BookContent> content = BookFile::read(in);
    if (!content)
        return fail(in, content.message);
    BookState book;
    book.Book = std::move(content.value.records);
    book.BookEncrypted = content.value.encrypted;
    QByteArray passphrase;
    if (!readPassphrase(passphrase))
        return fail(in, QStringLiteral("the passphrase holds characters a book cannot keep"));
    const BookCrypt::Outcome outcome =
        encrypt ? BookCrypt::encryptBook(book, passphrase) : BookCrypt::decryptBook(book, passphrase);
    secureFill(passphrase.data(), size_t(passphrase.size()), 0);
    switch (outcome) {
    case BookCrypt::Outcome::Done:
        break;
    case BookCrypt::Outcome::EmptyPassphrase:
        return fail(in, QStringLiteral("an empty passphrase cannot encrypt"));
    case BookCrypt::Outcome::WrongState:
        return fail(in, encrypt ? QStringLiteral("the book is already encrypted")
                                : QStringLiteral("the book is not encrypted"));
    case BookCrypt::Outcome::WrongPassphrase:
        return fail(in, QStringLiteral("wrong passphrase; nothing written"));
    }
    if (Status s = BookFile::save(outName, book.Book, book.BookEncrypted); !s)
        return fail(outName, s.message);
    return 0;
}

int birthdaysCommand(const QStringList &args, QTextStream &out)
{
    QDate today = QDate::currentDate();
    int days = 365;
    for (int i = 2; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (args[i] == QLatin1String("--today") && hasValue) {
            today = QDate::fromString(args[++i], Qt::ISODate);
            if (!today.isValid())
                return fail(args[i], QStringLiteral("not a date of the form YYYY-MM-DD"));
        } else if (args[i] == QLatin1String("--days") && hasValue) {
            bool ok = false;
            days = args[++i].toInt(&ok);
            if (!ok)
                return fail(args[i], QStringLiteral("not a number of days"));
        } else {
            return usage();
        }
    }
    Result<BookContent> content = BookFile::read(args[1]);
    if (!content)
        return fail(args[1], content.message);
    BookState book;
    book.Book = std::move(content.value.records);
    book.BookEncrypted = content.value.encrypted;
    if (book.BookEncrypted != 0) {
        std::fprintf(stderr, "zdl: %s: the book is encrypted; its birthdays cannot be read\n",
                     qPrintable(args[1]));
        return 0;
    }
    BirthdayList list;
    list.scan(book, today, days);
    // One row a contact, as the reminder window lists them: name, days
    // ahead, age on that day, record number.
    for (const BirthdayList::Row &row : list.rows())
        out << Codec::decode(row.name) << '\t' << row.days << '\t' << row.age << '\t' << row.record << '\n';
    return 0;
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
    if ((cmd == QLatin1String("encrypt") || cmd == QLatin1String("decrypt")) && args.size() == 3)
        return cryptCommand(cmd == QLatin1String("encrypt"), args[1], args[2]);
    if (cmd == QLatin1String("birthdays") && args.size() >= 2)
        return birthdaysCommand(args, out);
    return usage();
}
