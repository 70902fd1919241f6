// The table client. The lobby starts it with one argument of fifteen
// '$'-terminated fields.

#include <QApplication>
#include <QScreen>
#include <string>

#include "host.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    // The lobby passes one argument; anything after it is ignored.
    const std::string argument = argc > 1 ? argv[1] : "";
    const QSize screen = QGuiApplication::primaryScreen()->size();

    vantry::qt::Host host;
    if (!host.Start(argument, {screen.width(), screen.height()}))
        return 0;
    return QApplication::exec();
}
