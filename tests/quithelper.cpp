// Starts the window as the program does and chooses File > Quit once the
// event loop runs. A status other than 0 means the loop returned instead.
#include "app/window/mainwin.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    mainWin window;
    window.show();
    QTimer::singleShot(0, window.actionQuit, &QAction::trigger);
    return app.exec() + 100;
}
