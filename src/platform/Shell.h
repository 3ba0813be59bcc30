#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

// Hands links to the desktop: web pages and mail only. Anything else is
// refused, so a contact's field can never start a program.
namespace Shell {

// "http"/"https" as given, a text without a scheme gets "http://".
bool openWeb(const QString &address);
// A mailto: link built from a percent-encoded address.
bool openMail(const QString &address);

namespace Test {
// While recording, nothing is handed to the desktop; the URLs are kept.
void record(bool on);
QStringList opened();
} // namespace Test

} // namespace Shell
