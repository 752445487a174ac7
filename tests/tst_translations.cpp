#include "app/mainwin.h"
#include "app/translations.h"
#include "coutcapture.h"
#include "fakeprompts.h"
#include "startuptrace.h"

#include <QtTest>

#include <QMessageBox>
#include <QTranslator>

#include <memory>

// The window under a German and under the C locale. Titles and standard
// output stay as they are in every language.
class tst_Translations : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void germanTexts();
    void germanDialogsAndWarnings();
    void germanAboutBox();
    void cLocaleKeepsTheOriginals();
};

namespace {

void useLocale(const QLocale &locale)
{
    QLocale::setDefault(locale);
    installTranslations(*QCoreApplication::instance(), locale);
}

} // namespace

void tst_Translations::cleanup()
{
    // Deleting a translator also uninstalls it.
    qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator *>());
    QLocale::setDefault(QLocale::c());
}

void tst_Translations::germanTexts()
{
    useLocale(QLocale(QLocale::German, QLocale::Germany));
    const CoutCapture out;
    const mainWin window;

    QCOMPARE(window.windowTitle(), QStringLiteral("Sharpa"));
    QCOMPARE(window.label_22->text(), QStringLiteral("Brennweite"));
    QCOMPARE(window.label_23->text(), QStringLiteral("Zerstreuungskreis"));
    QCOMPARE(window.boxC2->title(), QStringLiteral("Kamera 2"));
    QCOMPARE(window.menuFile->title(), QStringLiteral("Datei"));
    QCOMPARE(window.actionSave_as->text(), QStringLiteral("Speichern unter"));
    QCOMPARE(window.c1_crop->currentText(), QStringLiteral("1,6"));
    QCOMPARE(window.c1_set_Hyper->text(), QStringLiteral("Auf hyperfokal setzen (289.0m)"));
    QCOMPARE(window.c1_fdist->text(), QStringLiteral("4,00 m"));
    QVERIFY(window.label_24->text().contains(QLatin1String("-Skala")));
    // Standard output is for scripts: never translated.
    QCOMPARE(out.lines(), startupTrace());
    // Qt's own texts for standard buttons come with it.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
}

void tst_Translations::germanDialogsAndWarnings()
{
    useLocale(QLocale(QLocale::German, QLocale::Germany));
    const CoutCapture silence;
    mainWin window;
    auto log = std::make_shared<FakePrompts::Log>();
    window.setPrompts(std::make_unique<FakePrompts>(log));
    log->answers << QStringLiteral("/no/such/file.cbp");
    window.load();
    window.save();
    QVERIFY(log->questions.value(0).startsWith(QStringLiteral("open|Datei öffnen|")));
    QVERIFY(log->questions.value(1).startsWith(QLatin1String("save|Datei speichern|")));
    QCOMPARE(log->warnings.size(), 1);
    QVERIFY(log->warnings.first().startsWith(
        QStringLiteral("Sharpa|Die Kameradatei /no/such/file.cbp konnte nicht geöffnet werden.")));
}

void tst_Translations::germanAboutBox()
{
    useLocale(QLocale(QLocale::German, QLocale::Germany));
    const CoutCapture silence;
    mainWin window;
    QString title;
    QString text;
    QTimer::singleShot(0, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            title = box->windowTitle();
            text = box->text();
            box->accept();
        }
    });
    window.about();
    QCOMPARE(title, QStringLiteral("Sharpa"));
    QVERIFY2(text.startsWith(QLatin1String("Sharpa\nVersion 0.01beta\nCopyright (C) 2026 Die "
                                           "Sharpa-Entwickler\nFreie Software")),
             qPrintable(text));
}

void tst_Translations::cLocaleKeepsTheOriginals()
{
    useLocale(QLocale::c());
    QVERIFY(QCoreApplication::instance()->findChildren<QTranslator *>().isEmpty());
    const CoutCapture out;
    const mainWin window;
    QCOMPARE(window.label_22->text(), QStringLiteral("Focal length"));
    QCOMPARE(window.label_23->text(), QStringLiteral("Circel of Confusion"));
    QCOMPARE(window.actionSave_as->text(), QStringLiteral("Save as"));
    QCOMPARE(window.c1_crop->currentText(), QStringLiteral("1.6"));
    QCOMPARE(window.c1_fdist->text(), QStringLiteral("4.00 m"));
    QCOMPARE(out.lines(), startupTrace());
}

QTEST_MAIN(tst_Translations)
#include "tst_translations.moc"
