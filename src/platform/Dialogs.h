#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// Every message box and file dialog of the program goes through here, so
// tests can answer them without a person: queue the next answers or file
// names before the action, read what was shown afterwards.
namespace Dialogs {

// A message box with an OK button: errors ("File not found") and notices.
void error(QWidget *parent, const QString &text);
void information(QWidget *parent, const QString &title, const QString &text);
QMessageBox::StandardButton question(QWidget *parent, const QString &title, const QString &text,
                                     QMessageBox::StandardButtons buttons);

QString getOpenFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter);
QString getSaveFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter);

// The system beep, for "that cannot be done" answers.
void beep();

namespace Test {
// While a queue is non-empty the next dialog takes its answer from it
// instead of showing. An empty file name is a cancelled dialog.
void setNextAnswer(QMessageBox::StandardButton answer);
void setNextFileName(const QString &fileName);
// Every text shown by error/information/question since the last clear.
QStringList shownMessages();
int beepCount();
void clear();
} // namespace Test

} // namespace Dialogs
