#include "window/mainwin.h"
#include "window/product.h"
#include "window/session.h"
#include "window/terminationsignals.h"
#include "window/translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>

#include <iostream>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Compare the depth of field of two cameras."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("A camera settings file (.cbp) to open."),
                                 QStringLiteral("[file]"));
    // Checked before any application object exists. Five arguments are
    // accepted and ignored, as they always were.
    if (argc != 6
        && (argc == 0 || !parser.parse(arguments) || parser.positionalArguments().size() > 1)) {
        const char *program = argc > 0 && argv[0] ? argv[0] : "sharpa";
        std::cout << "Usage: " << program
                  << " center.jpg upperRight.jpg lowerleft.jpg lowerRight.jpg upperLeft.jpg\n";
        return -1;
    }
    QCoreApplication::setOrganizationName(productName);
    QCoreApplication::setApplicationName(productName);
    QCoreApplication::setApplicationVersion(productVersion);
    if (argc != 6 && (parser.isSet(help) || parser.isSet(version))) {
        // No window, so no display needed.
        const QCoreApplication text(argc, argv);
        parser.process(arguments); // prints and exits
    }

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.sharpa.Sharpa"));
    installTranslations(app, QLocale());
    mainWin window;
    const TerminationSignals ending;
    Session &session = window.endOfRun();
    QObject::connect(&ending, &TerminationSignals::received, &session, &Session::endWithoutAsking);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &session,
                     &Session::keepUnsavedChanges);
    window.show();
    session.offerRecovery();
    // "sharpa -- FILE" names the file as "sharpa FILE" does; "sharpa --" none.
    if (argc != 6 && parser.positionalArguments().size() == 1)
        window.openFile(parser.positionalArguments().constFirst());
    return app.exec();
}
