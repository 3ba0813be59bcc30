#include "platform/Shell.h"

#include <QDesktopServices>

namespace {
struct Recorder
{
    bool on = false;
    QStringList urls;
};
Recorder &rec()
{
    static Recorder r;
    return r;
}

bool hand(const QUrl &url)
{
    if (rec().on) {
        rec().urls << url.toString(QUrl::FullyEncoded);
        return true;
    }
    return QDesktopServices::openUrl(url);
}
} // namespace

namespace Shell {

bool openWeb(const QString &address)
{
    QString text = address.trimmed();
    if (text.isEmpty())
        return false;
    if (!text.contains(QLatin1String("://")))
        text.prepend(QLatin1String("http://"));
    const QUrl url(text, QUrl::TolerantMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return false;
    return hand(url);
}

bool openMail(const QString &address)
{
    const QString text = address.trimmed();
    if (text.isEmpty())
        return false;
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(text, QUrl::DecodedMode);
    return hand(url);
}

namespace Test {
void record(bool on)
{
    rec().on = on;
    rec().urls.clear();
}
QStringList opened() { return rec().urls; }
} // namespace Test

} // namespace Shell
