#include "app/TFZandolin.h"
#include "core/AppPaths.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zandolin"));
    QApplication::setApplicationDisplayName(QStringLiteral("Zandolin"));
    TFZandolin window(AppPaths::forRunningProgram(), QApplication::arguments().mid(1));
    window.show();
    return app.exec();
}
