// Start-up: the application, the main window, and the event loop. The program reads no
// argument, so the application gets the program's name alone.
#include <QApplication>
#include <QStyleFactory>

#include "main_window/form1.h"

int main(int argc, char** argv) {
    int appArgc = argc > 0 ? 1 : 0;
    QApplication app(appArgc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setQuitOnLastWindowClosed(false);
    forms::Form::setLastWindowUnloadedHandler([] { QApplication::quit(); });

    Form1 form;
    form.show();
    return QApplication::exec();
}
