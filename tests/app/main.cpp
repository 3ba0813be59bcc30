// The main window's list, form and record command tests, each class run in turn.
#include <QApplication>
#include <QLocale>

int runListTests(int argc, char **argv);
int runFormTests(int argc, char **argv);
int runRecordTests(int argc, char **argv);

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // The machines here have the C locale only; name order is tested in a
    // named locale, as a user would have one.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    int failed = 0;
    failed += runListTests(argc, argv);
    failed += runFormTests(argc, argv);
    failed += runRecordTests(argc, argv);
    return failed;
}
