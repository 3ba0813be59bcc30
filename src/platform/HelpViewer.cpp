#include "platform/HelpViewer.h"

#include "platform/Shell.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QSplitter>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const QString kScheme = QStringLiteral("zhelp");

QUrl pageUrl(const QString &page)
{
    QUrl url;
    url.setScheme(kScheme);
    const int hash = int(page.indexOf(QLatin1Char('#')));
    url.setPath(QLatin1Char('/') + (hash < 0 ? page : page.left(hash)));
    if (hash >= 0)
        url.setFragment(page.mid(hash + 1));
    return url;
}

QString pageName(const QUrl &url)
{
    return url.path().mid(1);
}

// Serves the pages of the help file to the text browser.
class HelpBrowser : public QTextBrowser
{
public:
    HelpBrowser(const HelpBook &book, QWidget *parent) : QTextBrowser(parent), m_book(book) {}

    QVariant loadResource(int type, const QUrl &name) override
    {
        if (name.scheme() == kScheme) {
            if (type == QTextDocument::HtmlResource || type == QTextDocument::UnknownResource) {
                const QString page = pageName(name);
                if (m_book.contains(page))
                    return m_book.page(page);
                return QStringLiteral("<h1>%1</h1>").arg(page.toHtmlEscaped());
            }
            return {}; // the pages hold text only
        }
        return {}; // never fetch anything from outside the help file
    }

private:
    const HelpBook &m_book;
};

} // namespace

HelpViewer::HelpViewer(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("Zandolin"));
    resize(820, 600);

    m_back = new QToolButton(this);
    m_back->setObjectName(QStringLiteral("HelpBack"));
    m_back->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    m_forward = new QToolButton(this);
    m_forward->setObjectName(QStringLiteral("HelpForward"));
    m_forward->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    m_home = new QToolButton(this);
    m_home->setObjectName(QStringLiteral("HelpHome"));
    m_home->setIcon(style()->standardIcon(QStyle::SP_DirHomeIcon));

    m_contents = new QListWidget(this);
    m_contents->setObjectName(QStringLiteral("HelpContents"));
    m_browser = new HelpBrowser(m_book, this);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setOpenLinks(false);

    auto *split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(m_contents);
    split->addWidget(m_browser);
    split->setStretchFactor(1, 1);
    split->setSizes({200, 620});

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_back);
    buttons->addWidget(m_forward);
    buttons->addWidget(m_home);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(split, 1);

    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_home, &QToolButton::clicked, this, [this] { showPage(m_book.indexPage()); });
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpViewer::followLink);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpViewer::syncContents);
    connect(m_contents, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { showPage(item->data(Qt::UserRole).toString()); });
    connect(m_contents, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { showPage(item->data(Qt::UserRole).toString()); });
    m_back->setEnabled(false);
    m_forward->setEnabled(false);
}

HelpViewer::~HelpViewer() = default;

bool HelpViewer::load(const QString &helpFile)
{
    const QFileInfo fi(helpFile);
    if (!fi.isFile())
        return false;
    // Read again when the file changed, or another language's file is asked for.
    if (fi.absoluteFilePath() == m_file && fi.lastModified() == m_fileTime)
        return true;
    Result<HelpBook> r = HelpBook::read(fi.absoluteFilePath());
    if (!r)
        return false;
    m_book = std::move(r.value);
    m_file = fi.absoluteFilePath();
    m_fileTime = fi.lastModified();
    m_browser->clearHistory();
    m_stale = true; // the page on view, if any, came from the previous file
    m_contents->clear();
    for (const QString &page : m_book.pageNames()) {
        auto *item = new QListWidgetItem(m_book.pageTitle(page), m_contents);
        item->setData(Qt::UserRole, page);
    }
    setWindowTitle(m_book.title().isEmpty() ? QStringLiteral("Zandolin") : m_book.title());
    return true;
}

bool HelpViewer::openIndex(const QString &helpFile)
{
    if (!load(helpFile))
        return false;
    showPage(m_book.indexPage());
    return true;
}

bool HelpViewer::openContext(const QString &helpFile, int context)
{
    if (!load(helpFile))
        return false;
    const QString page = m_book.contextPage(context);
    showPage(page.isEmpty() || !m_book.contains(page.section(QLatin1Char('#'), 0, 0)) ? m_book.indexPage() : page);
    return true;
}

QString HelpViewer::currentPage() const
{
    const QUrl src = m_browser->source();
    return src.scheme() == kScheme ? pageName(src) : QString();
}

void HelpViewer::showPage(const QString &page)
{
    const QUrl url = pageUrl(page);
    const bool same = m_browser->source().adjusted(QUrl::RemoveFragment) == url.adjusted(QUrl::RemoveFragment);
    m_browser->setSource(url, QTextDocument::HtmlResource);
    if (same && m_stale)
        m_browser->reload(); // the browser does not load the same address again by itself
    m_stale = false;
    show();
    raise();
    activateWindow();
}

void HelpViewer::followLink(const QUrl &url)
{
    const QUrl target = m_browser->source().resolved(url);
    const QString scheme = target.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
        Shell::openWeb(target.toString());
    else if (scheme == QLatin1String("mailto"))
        Shell::openMail(target.path());
    else if (scheme == kScheme)
        m_browser->setSource(target, QTextDocument::HtmlResource);
}

void HelpViewer::syncContents()
{
    const QString page = currentPage();
    for (int i = 0; i < m_contents->count(); ++i)
        if (m_contents->item(i)->data(Qt::UserRole).toString() == page) {
            const QSignalBlocker block(m_contents);
            m_contents->setCurrentRow(i);
            return;
        }
}
