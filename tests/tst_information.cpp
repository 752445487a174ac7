#include "app/information.h"
#include "app/mainwin.h"
#include "coutcapture.h"

#include <QtTest>

#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>

#include <memory>

// Catches the addresses the window asks the desktop to open.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

// About box, version page, help page and the menu entries that reach them.
class tst_Information : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void versionPageAddress();
    void helpAndVcheckOpenTheSamePage();
    void helpMenuEntryOpensThePage();
    void aboutBox_data();
    void aboutBox();
    void newResetsTheForm();

private:
    // Runs the action, inspects the modal box it shows, and closes it.
    QString aboutBoxFrom(const std::function<void()> &show);

    std::unique_ptr<CoutCapture> out;
    std::unique_ptr<mainWin> window;
    UrlCatcher catcher;
};

void tst_Information::init()
{
    out = std::make_unique<CoutCapture>();
    window = std::make_unique<mainWin>();
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "open");
    catcher.urls.clear();
    out->clear();
}

void tst_Information::cleanup()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    window.reset();
    out.reset();
}

void tst_Information::versionPageAddress()
{
    QCOMPARE(Information::versionPage(QStringLiteral("0.01beta")).toString(),
             QStringLiteral("http://sharpa.example.org/links/sharpa0.01beta.html"));
    QCOMPARE(Information::versionPage(QStringLiteral("2.0")).path(),
             QStringLiteral("/links/sharpa2.0.html"));
}

void tst_Information::helpAndVcheckOpenTheSamePage()
{
    window->vcheck();
    window->help();
    QCOMPARE(catcher.urls.size(), 2);
    QCOMPARE(catcher.urls[0], catcher.urls[1]);
    QCOMPARE(catcher.urls[0], Information::versionPage(QStringLiteral("0.01beta")));
}

void tst_Information::helpMenuEntryOpensThePage()
{
    window->actionHelp->trigger();
    QCOMPARE(catcher.urls, QList<QUrl>{Information::versionPage(QStringLiteral("0.01beta"))});
}

QString tst_Information::aboutBoxFrom(const std::function<void()> &show)
{
    QString seen;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            seen = QStringLiteral("no box");
            return;
        }
        auto *ok = qobject_cast<QPushButton *>(box->button(QMessageBox::Ok));
        seen = QStringList{box->windowTitle(), box->text(), QString::number(box->icon()),
                           QString::number(box->buttons().size()),
                           QString::number(box->defaultButton() == ok)}
                   .join(QLatin1Char('|'));
        // Enter takes the default button.
        QTest::keyClick(box, Qt::Key_Return);
    });
    // Should the box not close, the watchdog does.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, [] {
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    });
    watchdog.start(5000);
    show();
    return seen;
}

void tst_Information::aboutBox_data()
{
    QTest::addColumn<bool>("fromMenu");
    QTest::newRow("slot") << false;
    QTest::newRow("Help > About") << true;
}

void tst_Information::aboutBox()
{
    QFETCH(bool, fromMenu);

    const QString seen = aboutBoxFrom([&] {
        if (fromMenu)
            window->actionAbout->trigger();
        else
            window->about();
    });
    const QStringList parts = seen.split(QLatin1Char('|'));
    QCOMPARE(parts.size(), 5);
    QCOMPARE(parts[0], QStringLiteral("Sharpa"));
    const QStringList lines = parts[1].split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[0], QStringLiteral("Sharpa"));
    QCOMPARE(lines[1], QStringLiteral("Version 0.01beta"));
    QVERIFY(lines[2].contains(QLatin1String("2026")));
    QVERIFY(lines[2].contains(QLatin1String("Sharpa")));
    QVERIFY(!lines[3].isEmpty());
    QCOMPARE(parts[2], QString::number(QMessageBox::Information));
    QCOMPARE(parts[3], QStringLiteral("1"));
    QCOMPARE(parts[4], QStringLiteral("1"));
    QVERIFY(catcher.urls.isEmpty());
}

void tst_Information::newResetsTheForm()
{
    mainWin &w = *window;
    const QString initialCaption = w.c1_set_Hyper->text();
    w.DSB_leftBorder->setValue(40);
    w.SB_leftBorder->setValue(300);
    w.distanceFP->setChecked(true);
    w.qxscale->setValue(3);
    w.qyscale->setValue(70);
    w.boxC2->setChecked(false);
    w.c1_fdist->setValue(9);
    w.c1_apature->setValue(8);
    w.c1_flength->setValue(400);
    w.c2_coc->setValue(0.03);
    w.c1_calcDef->setChecked(true);
    w.c1_crop->setCurrentIndex(3);
    w.c2_quality->setCurrentIndex(5);
    w.comboBox_8->setCurrentIndex(1);
    w.spinBox->setValue(44);
    w.doubleSpinBox_7->setValue(12.5);
    w.setWindowTitle(QStringLiteral("Sharpa /somewhere/file.cbp"));
    out->clear();

    w.actionNew->trigger();

    QCOMPARE(w.windowTitle(), QStringLiteral("Sharpa"));
    QVERIFY(w.currentFileName().isEmpty());
    QCOMPARE(w.DSB_leftBorder->value(), 1.0);
    QCOMPARE(w.DSB_leftBorder->minimum(), 0.27);
    QCOMPARE(w.SB_leftBorder->value(), 1);
    QVERIFY(w.distanceCam->isChecked());
    QVERIFY(!w.distanceFP->isChecked());
    QCOMPARE(w.qxscale->value(), 10);
    QCOMPARE(w.qyscale->value(), 10);
    QVERIFY(w.boxC2->isChecked());
    QCOMPARE(w.c1_fdist->value(), 4.0);
    QCOMPARE(w.c1_apature->value(), 2.0);
    QCOMPARE(w.c1_flength->value(), 85.0);
    QCOMPARE(w.c2_coc->value(), 0.0125);
    QVERIFY(!w.c1_calcDef->isChecked());
    QCOMPARE(w.c1_crop->currentIndex(), 2);
    QCOMPARE(w.c2_quality->currentIndex(), 0);
    QCOMPARE(w.comboBox_8->currentIndex(), 0);
    QCOMPARE(w.spinBox->value(), 0);
    QCOMPARE(w.doubleSpinBox_7->value(), 0.0);
    QCOMPARE(w.c1_set_Hyper->text(), initialCaption);
    QCOMPARE(w.camera(0).flength, 85.0);
    // It ends with a recalculation of its own.
    const QStringList lines = out->lines();
    QVERIFY(lines.size() >= 2);
    QVERIFY(lines.at(lines.size() - 2)
                .startsWith(QLatin1String("init - fdist: 4000 apature: 2 flength: 85 ")));
}

QTEST_MAIN(tst_Information)
#include "tst_information.moc"
