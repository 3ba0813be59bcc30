#pragma once

#include "platform/HelpBook.h"

#include <QDateTime>
#include <QWidget>

class QListWidget;
class QTextBrowser;
class QToolButton;

// Our own help window: shows the pages of a help file (see HelpBook), with
// a list of its pages, back and forward. It stands in for the system's help
// viewer, so it has no owner window and stays open beside the program.
class HelpViewer : public QWidget
{
    Q_OBJECT
public:
    explicit HelpViewer(QWidget *parent = nullptr);
    ~HelpViewer() override;

    // Shows the help file at its index page, or at the page of a context
    // number (its index page when the file names no page for it). False,
    // and nothing shown, when the file cannot be read: the help commands
    // fail silently, the user was told about a missing file at start-up.
    bool openIndex(const QString &helpFile);
    bool openContext(const QString &helpFile, int context);

    // The page on view ("index.html"), empty when none.
    QString currentPage() const;
    QTextBrowser *browser() const { return m_browser; }

private:
    bool load(const QString &helpFile);
    void showPage(const QString &page);
    void followLink(const QUrl &url);
    void syncContents();

    HelpBook m_book;
    QString m_file;
    QDateTime m_fileTime;
    bool m_stale = false;
    QTextBrowser *m_browser = nullptr;
    QListWidget *m_contents = nullptr;
    QToolButton *m_back = nullptr, *m_forward = nullptr, *m_home = nullptr;
};
