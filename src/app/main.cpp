#include "window/mainwin.h"
#include "window/product.h"
#include "window/session.h"
#include "window/terminationsignals.h"
#include "window/translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>
#include <QTimer>

#include <iostream>

namespace {

// An argument as the system gave it: a file's name need not be valid UTF-8,
// which its text would have lost.
QByteArray nativeArgument(int argc, char *argv[], const QStringList &arguments,
                          const QString &argument)
{
    for (int i = argc - 1; i > 0; --i) {
        if (arguments.at(i) == argument)
            return QByteArray(argv[i]);
    }
    return argument.toLocal8Bit();
}

} // namespace

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
    // "sharpa -- FILE" names the file as "sharpa FILE" does; "sharpa --" none.
    const QByteArray named = argc != 6 && parser.positionalArguments().size() == 1
        ? nativeArgument(argc, argv, arguments, parser.positionalArguments().constFirst())
        : QByteArray();
    // Inside the event loop, where SIGTERM or SIGHUP ends the run at once,
    // even while a question is open.
    QTimer::singleShot(0, &window, [&window, &session, named] {
        session.offerRecovery();
        if (!named.isEmpty() && !session.isEnding())
            window.openNativeFile(named);
    });
    return app.exec();
}
