#include "platform/HelpBook.h"

#include "core/FileErrors.h"

#include <QFile>
#include <QStringDecoder>

#include <cerrno>

namespace {

const QString kMagic = QStringLiteral("ZANDOLIN HELP 1");
const QString kBroken = QStringLiteral("Invalid help file");

// "@@word rest" -> word, rest; false for anything else.
bool directive(const QString &line, QString &word, QString &rest)
{
    if (!line.startsWith(QLatin1String("@@")) || line.startsWith(QLatin1String("@@@")))
        return false;
    const QString body = line.mid(2);
    const int sp = int(body.indexOf(QLatin1Char(' ')));
    word = sp < 0 ? body : body.left(sp);
    rest = sp < 0 ? QString() : body.mid(sp + 1).trimmed();
    return true;
}

} // namespace

Result<HelpBook> HelpBook::read(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return Result<HelpBook>::failure(FileErrors::forDevice(f, errno));
    if (f.size() > MaxFileSize)
        return Result<HelpBook>::failure(kBroken);
    return parse(f.read(MaxFileSize + 1));
}

Result<HelpBook> HelpBook::parse(const QByteArray &content)
{
    if (content.size() > MaxFileSize)
        return Result<HelpBook>::failure(kBroken);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(content);
    if (utf8.hasError())
        return Result<HelpBook>::failure(kBroken);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast(); // the newline that ends the last line
    for (QString &l : lines)
        if (l.endsWith(QLatin1Char('\r')))
            l.chop(1);
    if (lines.isEmpty() || lines.first().trimmed() != kMagic)
        return Result<HelpBook>::failure(kBroken);

    HelpBook book;
    QString current; // page being read, empty while in the header
    QString body;
    auto finishPage = [&] {
        if (!current.isEmpty())
            book.m_pages.insert(current, body);
        body.clear();
    };
    for (int i = 1; i < lines.size(); ++i) {
        const QString &line = lines[i];
        QString word, rest;
        if (directive(line, word, rest) && word == QLatin1String("page")) {
            finishPage();
            const int sp = int(rest.indexOf(QLatin1Char(' ')));
            current = sp < 0 ? rest : rest.left(sp);
            if (current.isEmpty() || book.m_pages.contains(current))
                return Result<HelpBook>::failure(kBroken);
            book.m_titles.insert(current, sp < 0 ? current : rest.mid(sp + 1).trimmed());
            book.m_order << current;
            continue;
        }
        if (!current.isEmpty()) {
            body += line.startsWith(QLatin1String("@@@")) ? line.mid(1) : line;
            body += QLatin1Char('\n');
            continue;
        }
        // Header.
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (!directive(line, word, rest))
            return Result<HelpBook>::failure(kBroken);
        if (word == QLatin1String("title")) {
            book.m_title = rest;
        } else if (word == QLatin1String("index")) {
            book.m_index = rest;
        } else if (word == QLatin1String("context")) {
            const QStringList parts = rest.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            bool ok = false;
            const int number = parts.value(0).toInt(&ok);
            if (!ok || parts.size() != 2)
                return Result<HelpBook>::failure(kBroken);
            book.m_contexts.insert(number, parts[1]);
        }
        // Other header words are left for later versions of the format.
    }
    finishPage();
    if (book.m_order.isEmpty())
        return Result<HelpBook>::failure(kBroken);
    if (book.m_index.isEmpty() || !book.m_pages.contains(book.m_index))
        book.m_index = book.m_order.first();
    return Result<HelpBook>::success(std::move(book));
}
