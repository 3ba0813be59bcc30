#pragma once

#include "core/Result.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

// A help file: a set of HTML pages in one plain text file, with the page
// shown first and the pages that answer context numbers.
//
// The file is UTF-8 text (a byte order mark is allowed). It starts with a
// header, then holds the pages one after the other:
//
//     ZANDOLIN HELP 1
//     @@title Zandolin Help
//     @@index index.html
//     @@context 1009 preferences.html
//     @@page index.html Welcome
//     <h1>Welcome</h1> ...
//     @@page list.html The contact list
//     ...
//
// The first line names the format and its version. Header lines are
// "@@title <text>", "@@index <page>" (default: the first page) and
// "@@context <number> <page>"; blank lines and lines starting with "#" are
// ignored there. "@@page <name> <title>" starts a page; every following line
// up to the next "@@page" is its HTML. A page line that really starts with
// "@@" is written with one more "@" in front. Page names are the names the
// pages' links use ("list.html", "list.html#filter").
class HelpBook
{
public:
    static constexpr qint64 MaxFileSize = 16 * 1024 * 1024;

    static Result<HelpBook> read(const QString &path);
    static Result<HelpBook> parse(const QByteArray &content);

    QString title() const { return m_title; }
    QString indexPage() const { return m_index; }
    // The page of a context number; empty when the file names none.
    QString contextPage(int context) const { return m_contexts.value(context); }
    bool contains(const QString &page) const { return m_pages.contains(page); }
    QString page(const QString &name) const { return m_pages.value(name); }
    QString pageTitle(const QString &name) const { return m_titles.value(name); }
    // Page names in file order.
    QStringList pageNames() const { return m_order; }

private:
    QString m_title, m_index;
    QHash<int, QString> m_contexts;
    QHash<QString, QString> m_pages, m_titles;
    QStringList m_order;
};
