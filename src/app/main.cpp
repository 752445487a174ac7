#include "mainwin.h"
#include "translations.h"

#include <QApplication>
#include <QLocale>

#include <iostream>

int main(int argc, char *argv[])
{
    // Checked before any application object exists.
    if (argc != 1 && argc != 6) {
        const char *program = argc > 0 && argv[0] ? argv[0] : "sharpa";
        std::cout << "Usage: " << program
                  << " center.jpg upperRight.jpg lowerleft.jpg lowerRight.jpg upperLeft.jpg\n";
        return -1;
    }

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.sharpa.Sharpa"));
    installTranslations(app, QLocale());
    mainWin window;
    window.show();
    return app.exec();
}
