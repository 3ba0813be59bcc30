#include "platform/Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QQueue>

namespace {

// Test hooks only; the program itself never fills these.
struct Hooks
{
    QQueue<QMessageBox::StandardButton> answers;
    QQueue<QString> fileNames;
    QStringList shown;
    int beeps = 0;
};

Hooks &hooks()
{
    static Hooks h;
    return h;
}

} // namespace

namespace Dialogs {

void error(QWidget *parent, const QString &text)
{
    hooks().shown << text;
    if (!hooks().answers.isEmpty()) {
        hooks().answers.dequeue();
        return;
    }
    if (QApplication::platformName() == QLatin1String("offscreen"))
        return; // nobody could close it
    QMessageBox::critical(parent, QApplication::applicationDisplayName(), text);
}

void information(QWidget *parent, const QString &title, const QString &text)
{
    hooks().shown << text;
    if (!hooks().answers.isEmpty()) {
        hooks().answers.dequeue();
        return;
    }
    if (QApplication::platformName() == QLatin1String("offscreen"))
        return;
    QMessageBox::information(parent, title, text);
}

QMessageBox::StandardButton question(QWidget *parent, const QString &title, const QString &text,
                                     QMessageBox::StandardButtons buttons)
{
    hooks().shown << text;
    if (!hooks().answers.isEmpty())
        return hooks().answers.dequeue();
    return QMessageBox::question(parent, title, text, buttons);
}

QString getOpenFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
{
    if (!hooks().fileNames.isEmpty())
        return hooks().fileNames.dequeue();
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString getSaveFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
{
    if (!hooks().fileNames.isEmpty())
        return hooks().fileNames.dequeue();
    // The program asks its own questions about existing files.
    return QFileDialog::getSaveFileName(parent, caption, dir, filter, nullptr, QFileDialog::DontConfirmOverwrite);
}

void beep()
{
    ++hooks().beeps;
    QApplication::beep();
}

namespace Test {
void setNextAnswer(QMessageBox::StandardButton answer) { hooks().answers.enqueue(answer); }
void setNextFileName(const QString &fileName) { hooks().fileNames.enqueue(fileName); }
QStringList shownMessages() { return hooks().shown; }
int beepCount() { return hooks().beeps; }
void clear() { hooks() = Hooks{}; }
} // namespace Test

} // namespace Dialogs
