#include "app/history/undohistory.h"
#include "app/preview/pictureview.h"
#include "app/preview/previewpanel.h"
#include "app/text/readout.h"
#include "app/window/windowplacement.h"
#include "chart/chartexport.h"
#include "chart/chartpainter.h"
#include "optics/presets.h"
#include "sharpatest.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QSvgRenderer>
#include <QTabWidget>
#include <QTableView>
#include <QTextBrowser>
#include <QWidgetAction>

#include <sys/resource.h>

// The window driven through its controls, as a user meets it.
class tst_Window : public QObject
{
    Q_OBJECT

public slots:
    void open(const QUrl &url) { opened << url; }

private slots:
    void init() { QSettings().clear(); } // the view menu's choices are remembered
    void startsAsBuilt_data();
    void startsAsBuilt();
    void fitsTheScreen_data();
    void fitsTheScreen();
    void mnemonics_data();
    void mnemonics();
    void everyInputRecalculatesItsCamera();
    void controls_data();
    void controls();
    void undoAndRedoEachKindOfStep_data();
    void undoAndRedoEachKindOfStep();
    void runsOfOneValue_data();
    void runsOfOneValue();
    void openStartsAFreshHistory();
    void newRestoresValuesAndRanges_data();
    void newRestoresValuesAndRanges();
    void details_data();
    void details();
    void equivalentThereAndBack_data();
    void equivalentThereAndBack();
    void mouse_data();
    void mouse();
    void readoutAtColumn_data();
    void readoutAtColumn();
    void fitShowsTheDepths_data();
    void fitShowsTheDepths();
    void closeUpFitsTheDepth_data();
    void closeUpFitsTheDepth();
    void fromTheSensorPlane_data();
    void fromTheSensorPlane();
    void blurMeasureOnTheChart_data();
    void blurMeasureOnTheChart();
    void keepsTheFraming_data();
    void keepsTheFraming();
    void previewDisc_data();
    void previewDisc();
    void previewPhotos_data();
    void previewPhotos();
    void chartOffersTheBackground();
    void aboutAndHelp();
    void tablesReadBack_data();
    void tablesReadBack();
    void tablesThatCannotBeMade_data();
    void tablesThatCannotBeMade();
    void exportAndCopy_data();
    void exportAndCopy();
    void figureSpansTheScreensDistances_data();
    void figureSpansTheScreensDistances();
    void figureSizeTyped_data();
    void figureSizeTyped();
    void eitherDecimalSeparator_data();
    void eitherDecimalSeparator();

private:
    QList<QUrl> opened;
};

void tst_Window::startsAsBuilt_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("openCaption");
    QTest::addColumn<QString>("words"); // in the guide, then Qt's own Discard button
    QTest::newRow("window-en") << QLocale::c() << "Open File|Sharpa camera settings (*.cbp)"
                               << "limit of acceptable sharpness|Discard";
    QTest::newRow("window-de") << QLocale(QLocale::German, QLocale::Germany)
                               << "Datei öffnen|Sharpa-Kameraeinstellungen (*.cbp)"
                               << "Schärfentiefe|Verwerfen";
}

void tst_Window::startsAsBuilt()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, openCaption);
    QFETCH(QString, words);

    const auto restore = translatedAs(locale);
    const CoutCapture out;
    mainWin window;
    // Standard output is for scripts and never translated; nor is the title.
    QCOMPARE(
        out.lines(),
        QStringList(
            {"init - fdist: 4000 apature: 2 flength: 85 coc: 0.0125 adia: 42.5 dif: 0.0013542",
             "init - fdist: 4000 apature: 2 flength: 135 coc: 0.0125 adia: 67.5 dif: 0.0013542"}));
    QCOMPARE(observe(window, "mainWin.windowTitle=Sharpa[*]; SB_leftBorder.maximum=1000"),
             "mainWin.windowTitle=Sharpa[*]; SB_leftBorder.maximum=1000");
    QCOMPARE(window.windowIcon().availableSizes().size(), 6);
    // As it opens on a laptop's screen, the text cursor steady.
    QApplication::setCursorFlashTime(0);
    window.setGeometry(
        WindowPlacement::firstGeometry(QRect(0, 0, 1366, 768), window.minimumSizeHint()));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    compareToReference(window.grab().toImage(), QTest::currentDataTag());
    // Every input control of the form and the chart explain themselves.
    for (const QWidget *control : window.centralWidget()->findChildren<QWidget *>()) {
        const auto *group = qobject_cast<const QGroupBox *>(control);
        if ((control->objectName().isEmpty() && !qobject_cast<const graph *>(control))
            || qobject_cast<const QTabBar *>(control->parentWidget()))
            continue; // parts of Qt's own widgets
        if (qobject_cast<const QAbstractSpinBox *>(control)
            || qobject_cast<const QComboBox *>(control)
            || qobject_cast<const QAbstractSlider *>(control)
            || qobject_cast<const graph *>(control)
            || qobject_cast<const QAbstractButton *>(control) || (group && group->isCheckable()))
            QVERIFY2(!control->toolTip().isEmpty(), qPrintable(control->objectName()));
    }
    FakePrompts *prompts = fakePrompts(window);
    prompts->answers << "/no/such/file.cbp";
    window.actionOpen->trigger();
    QCOMPARE(prompts->questions, QStringList{"open|" + openCaption});
    QVERIFY(prompts->warnings.value(0).contains(" /no/such/file.cbp"));

    window.setPrompts(std::make_unique<Prompts>()); // Qt's own dialogs, in the user's language
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F1);
    const auto *guide = window.findChild<QTextBrowser *>("guideText");
    QVERIFY(guide && guide->isVisible() && guide->toPlainText().contains(words.section('|', 0, 0)));
    // Every picture there, each drawn in the guide's own language.
    QStringList pictures;
    for (const char *language : {"en", "de"}) {
        QFile page(QStringLiteral(":/guide/guide-%1.html").arg(language));
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(page.readAll());
        for (const auto &img : QRegularExpression("<img src=\"([^\"]+)\"").globalMatch(html)) {
            QVERIFY2(!QImage(":/guide/" + img.captured(1)).isNull(), qPrintable(img.captured(1)));
            QVERIFY2(!pictures.contains(img.captured(1)), qPrintable(img.captured(1)));
            pictures << img.captured(1);
        }
    }
    QStringList buttons;
    QTimer::singleShot(0, [&buttons] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        for (const QAbstractButton *button : box->buttons())
            buttons << button->text().remove('&');
        box->reject();
    });
    act(window, "c1_fdist=5 actionNew!");
    QVERIFY2(buttons.contains(words.section('|', 1)), qPrintable(buttons.join(' ')));
}

// Each title, and each cell's text, wrapped where the cell spans rows, within its place.
static void verifyCellsWhole(const QTableView *table)
{
    const QFontMetrics metrics = table->fontMetrics();
    const QAbstractItemModel *model = table->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QString title = model->headerData(row, Qt::Vertical).toString();
        if (table->verticalHeader()->isVisible())
            QVERIFY2(metrics.horizontalAdvance(title) < table->verticalHeader()->width(),
                     qPrintable(title));
        for (int column = 0; column < model->columnCount(); ++column) {
            if (row > 0 && row < table->rowSpan(0, column))
                continue; // under the cell that spans it
            const QModelIndex cell = model->index(row, column);
            const QRect room = table->visualRect(cell).adjusted(3, 0, -3, 0);
            const QString text = cell.data().toString();
            const QRect needed = metrics.boundingRect(room, Qt::TextWordWrap, text);
            QVERIFY2(needed.width() <= room.width() && needed.height() <= room.height(),
                     qPrintable(table->objectName() + ": " + text));
        }
    }
    const int last = model->columnCount() - 1;
    QVERIFY(table->columnViewportPosition(last) + table->columnWidth(last)
            <= table->viewport()->width());
}

void tst_Window::fitsTheScreen_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QRect>("available"); // in logical pixels, a task bar below
    QTest::addColumn<QString>("steps");
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);
    QTest::newRow("1280 x 720, English") << english << QRect(0, 0, 1280, 690) << "";
    QTest::newRow("1280 x 720, German") << german << QRect(0, 0, 1280, 690) << "";
    QTest::newRow("1366 x 768, German") << german << QRect(0, 0, 1366, 738) << "";
    QTest::newRow("1920 x 1200, German") << german << QRect(0, 0, 1920, 1160) << "";
    // 1920 x 1080 at 150 % and 2560 x 1440 at 200 % are 1280 x 720 as well.
    const QString everyPanel = "actionPlan! actionPreview! c1_planNear=900 c1_planToInfinity=0 "
                               "c1_planFar=1100 c2_planNear=0.6 c2_planFar=0.7";
    for (const QLocale &locale : {english, german}) {
        const QString language = QLocale::languageToString(locale.language());
        QTest::newRow(qPrintable("1280 x 720, every panel, " + language))
            << locale << QRect(0, 0, 1280, 690) << everyPanel;
        QTest::newRow(qPrintable("1366 x 768, every panel, " + language))
            << locale << QRect(0, 0, 1366, 738) << everyPanel;
    }
    QTest::newRow("1280 x 720, the Plan alone")
        << english << QRect(0, 0, 1280, 690) << "actionDetails! " + everyPanel + " actionPreview!";
    QTest::newRow("English, nothing sharp")
        << english << QRect(0, 0, 1280, 690) << "c1_calcDef=1 c1_apature=32 c2_fdist=0.05";
    QTest::newRow("German, nothing sharp")
        << german << QRect(0, 0, 1280, 690) << "c1_calcDef=1 c1_apature=32 c2_fdist=0.05";
}

void tst_Window::fitsTheScreen()
{
    QFETCH(QLocale, locale);
    QFETCH(QRect, available);
    QFETCH(QString, steps);
    const auto restore = translatedAs(locale);
    const CoutCapture quiet;
    mainWin window;
    act(window, steps);
    window.setGeometry(WindowPlacement::firstGeometry(available, window.minimumSizeHint()));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(available.contains(window.geometry()));
    // The chart first; the forms whole, without scrolling.
    const QWidget *chart = window.frame->findChild<graph *>();
    QVERIFY2(chart->height() >= 0.45 * window.height(),
             qPrintable(QString::number(chart->height())));
    const QScrollArea *forms = window.cameraScroll;
    QVERIFY(!forms->horizontalScrollBar()->isVisible() && !forms->verticalScrollBar()->isVisible());
    // Every panel in front in turn: its controls and every title and number
    // of its tables whole, nothing scrolled sideways.
    const auto *panels = window.findChild<QTabWidget *>("sidePanels");
    for (int k = 0; k < panels->count(); ++k) {
        const_cast<QTabWidget *>(panels)->setCurrentIndex(k);
        QWidget *panel = panels->widget(k);
        QTest::qWait(1); // laid out
        for (const auto *area : panel->findChildren<QAbstractScrollArea *>())
            QVERIFY2(!area->horizontalScrollBar()->isVisible(), qPrintable(area->objectName()));
        for (const auto *control : panel->findChildren<QAbstractSpinBox *>()) {
            QVERIFY2(control->width() >= control->minimumSizeHint().width(),
                     qPrintable(control->objectName()));
        }
        for (const auto *table : panel->findChildren<QTableView *>())
            verifyCellsWhole(table);
    }
    // Sharp again, each limit in its own row.
    act(window, "c1_calcDef=0 c1_apature=2 c2_fdist=4");
    const auto *table = window.findChild<QTableView *>("detailsTable");
    QVERIFY(table->rowSpan(0, 0) == 1 && table->rowSpan(0, 1) == 1);
    // The keyboard reaches camera 1's controls, its presets too, before camera 2's.
    QStringList chain;
    QWidget *w = window.c1_fdist;
    do {
        chain << w->objectName();
        w = w->nextInFocusChain();
    } while (w != window.c1_fdist);
    for (const char *name : {"c1_coc", "c1_calcDef", "c1_crop", "c1_setCOCPS", "pushButton_4"})
        QVERIFY2(chain.indexOf(name) >= 0 && chain.indexOf(name) < chain.indexOf("c2_fdist"), name);
    // The status bar's last label inside the window.
    const auto *last = window.statusBar()->findChild<QLabel *>("readoutC2");
    QVERIFY(last->isVisible());
    QVERIFY(window.rect().contains(QRect(last->mapTo(&window, QPoint()), last->size())));
}

void tst_Window::mnemonics_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany);
}

// Every menu and entry has its key, no two alike in one menu; Alt shows them.
void tst_Window::mnemonics()
{
    QFETCH(QLocale, locale);
    const auto restore = translatedAs(locale);
    mainWin window;
    QList<QWidget *> menus{window.menuBar()};
    for (QMenu *menu : window.menuBar()->findChildren<QMenu *>())
        menus << menu;
    for (const QWidget *menu : menus) {
        QSet<int> keys;
        for (const QAction *entry : menu->actions()) {
            if (entry->isSeparator() || qobject_cast<const QWidgetAction *>(entry))
                continue;
            const QKeySequence key = QKeySequence::mnemonic(entry->text());
            QVERIFY2(!key.isEmpty() && !keys.contains(key[0].toCombined()),
                     qPrintable(menu->objectName() + ": " + entry->text()));
            keys << key[0].toCombined();
        }
    }
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage plain = window.menuBar()->grab().toImage();
    QTest::keyPress(window.c1_fdist, Qt::Key_Alt, Qt::AltModifier);
    QTRY_VERIFY(window.menuBar()->grab().toImage() != plain);
    QTest::keyRelease(window.c1_fdist, Qt::Key_Alt);
    // Each menu opens on its key, with every panel on, whose tabs take no key of theirs.
    act(window, "actionPlan! actionPreview!");
    for (QAction *entry : window.menuBar()->actions()) {
        QTest::keyClick(window.c1_fdist, QKeySequence::mnemonic(entry->text())[0].key(),
                        Qt::AltModifier);
        QTRY_COMPARE(QApplication::activePopupWidget(), entry->menu());
        entry->menu()->close();
    }
    QCOMPARE(window.actionSave_as->shortcut(), QKeySequence("Ctrl+Shift+S"));
}

void tst_Window::everyInputRecalculatesItsCamera()
{
    CoutCapture out;
    mainWin window;
    const QString changes = "c1_fdist=5 c2_fdist=6 c1_apature=4 c2_apature=5.6 c1_flength=50 "
                            "c2_flength=60 c1_coc=0.02 c2_coc=0.03 DSB_leftBorder=2 qxscale=20 "
                            "qyscale=20 boxC1=0 boxC2=0 c1_calcDef=1 c2_calcDef=1 distanceFP=1";
    for (const QString &change : changes.split(' ')) {
        out.clear();
        act(window, change);
        // Both buttons of the radio pair toggle, and each recalculates.
        QVERIFY2(out.lines().size() == (change.startsWith("distance") ? 4 : 2), qPrintable(change));
    }
    QCOMPARE(out.lines().mid(2),
             QStringList(
                 {"init - fdist: 5000 apature: 4 flength: 50 coc: 0.02 adia: 12.5 dif: 0.0027084",
                  "init - fdist: 6000 apature: 5.6 flength: 60 coc: 0.03 adia: 10.7143 dif: "
                  "0.00379176"}));
}

void tst_Window::controls_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("expected");

    // The left border's spin box follows its floor, the last camera's.
    QTest::newRow("floor: camera 1 above border")
        << "c1_flength=600 c2_flength=50"
        << "DSB_leftBorder.minimum=0.1; DSB_leftBorder.value=1.2";
    QTest::newRow("hyperfocal at start")
        << "c2_set_Hyper!"
        << "c2_set_Hyper.text=Set to hyperfocal (729.0 m); c2_fdist.value=729; "
           "c1_set_Hyper.text=Set to hyperfocal (289.0 m); c1_fdist.value=4";
    QTest::newRow("hyperfocal: one decimal, no grouping")
        << "c2_apature=1 c2_flength=1111.11 c2_coc=1 c1_set_Hyper!"
        << "c2_set_Hyper.text=Set to hyperfocal (1234.6 m); c1_fdist.value=289; c2_fdist.value=4";
    QTest::newRow("hyperfocal at f/2.8: as shown")
        << "c1_apature=2.8 c1_set_Hyper!"
        << "c1_set_Hyper.text=Set to hyperfocal (206.4 m); c1_fdist.value=206.43";
    QTest::newRow("hyperfocal below 5 cm: the box's 0.00 m")
        << "c2_apature=32 c2_flength=1 c2_coc=10 c2_set_Hyper!"
        << "c2_set_Hyper.text=Set to hyperfocal (3.13 µm); c2_fdist.value=0";
    // From 1,210 ft on the far limit is infinite, not from the hyperfocal 948.2 ft.
    QTest::newRow("hyperfocal with diffraction, in feet")
        << "actionUnitsFeet! c1_calcDef=1 c1_set_Hyper!"
        << "c1_set_Hyper.text=Set to hyperfocal (1210.7 ft); "
           "readoutC1.text=Camera 1: 605.35 ft – ∞ (∞)";
    QTest::newRow("hyperfocal past the focus range")
        << "c2_apature=0.7 c2_flength=5000 c2_coc=0.0001 c2_set_Hyper!"
        << "c2_set_Hyper.text=Set to hyperfocal (357142857.1 m); "
           "c2_fdist.value=99999";
    // The CoC preset: two pixels of a 3:2 grid along the diagonal of 36 x 24 mm / crop.
    const char *const presets[][3]
        = {{"0", "0", "0.0288"}, {"0", "1", "0.024"},  {"1", "2", "0.0139"}, {"2", "3", "0.0116"},
           {"3", "4", "0.0085"}, {"1", "5", "0.0101"}, {"2", "6", "0.008"},  {"3", "7", "0.0052"}};
    for (const auto &[crop, quality, coc] : presets)
        QTest::addRow("CoC preset, crop %s, quality %s", crop, quality)
            << QStringLiteral("c2_crop=%1 c2_quality=%2 c2_setCOCPS!").arg(crop, quality)
            << QStringLiteral("c2_coc.value=%1; c1_coc.value=0.0125").arg(coc);
    QTest::newRow("CoC preset, camera 1 as built") << "c1_setCOCPS!"
                                                   << "c1_coc.value=0.018; c2_coc.value=0.0125";
    QTest::newRow("scroll bar sets the border") << "SB_leftBorder=37"
                                                << "DSB_leftBorder.value=37";
    QTest::newRow("typed border moves the scroll bar")
        << "SB_leftBorder=37 DSB_leftBorder=12.5"
        << "SB_leftBorder.value=13; DSB_leftBorder.value=12.5";
    QTest::newRow("scroll bar clamped, border kept") << "DSB_leftBorder=10000 SB_leftBorder=999"
                                                     << "DSB_leftBorder.value=999";
    // Save as and Quit have keys only where the platform's scheme gives them (not offscreen).
    QTest::newRow("shortcuts") << ""
                               << "actionNew.shortcut=Ctrl+N; actionOpen.shortcut=Ctrl+O; "
                                  "actionSave.shortcut=Ctrl+S; actionUserGuide.shortcut=F1";
    QTest::newRow("modified by a change") << "c1_fdist=5"
                                          << "mainWin.windowModified=true";
    QTest::newRow("a change undone") << "c1_fdist=5 c1_fdist=4 boxC2=0 boxC2=1"
                                     << "mainWin.windowModified=false";
    QTest::newRow("a step up and down: no change")
        << "c1_fdist!stepUp c1_fdist!stepDown c2_coc!stepDown c2_coc!stepUp"
        << "c1_fdist.value=4; c2_coc.value=0.0125; mainWin.windowModified=false";
    QTest::newRow("scale labels") << "qxscale=37 qyscale=99"
                                  << "qxscaled.text=37; qyscaled.text=99";
    QTest::newRow("CoC preset 4:3") << "c2_quality=1 comboBox_4=1 c2_setCOCPS!"
                                    << "c2_coc.value=0.0245";
    QTest::newRow("CoC from view distance, 3:2")
        << "c1_crop=0 spinBox_2=25 doubleSpinBox_10=25.4 pushButton_4!"
        << "c1_coc.value=0.0283; c2_coc.value=0.0125";
    QTest::newRow("CoC from view distance, 4:3")
        << "c2_crop=3 comboBox_5=1 spinBox=50 doubleSpinBox_7=20 pushButton_2!"
        << "c2_coc.value=0.0346";
    QTest::newRow("view distance missing") << "doubleSpinBox_7=20 pushButton_2!"
                                           << "c2_coc.value=0.0125; statusbar.currentMessage=Enter "
                                              "a view distance to set the CoC from it.";
    QTest::newRow("image width missing")
        << "spinBox_2=20 pushButton_4!"
        << "statusbar.currentMessage=Enter an image width to set the CoC from it.";
    QTest::newRow("f-number: third stops up and down, typed kept")
        << "c1_apature!stepUp c2_apature=3 c2_apature!stepDown"
        << "c1_apature.value=2.2; c2_apature.value=2.8";
    QTest::newRow("f-number: up to f/64, whole without decimals")
        << "c1_apature=64 c1_apature!stepUp c2_apature=5.6"
        << "c1_apature.text=f/64; c2_apature.text=f/5.6";
    QTest::newRow("match depth of field")
        << "actionMatchDepthOfField2!"
        << "c2_apature.value=5.1; c1_apature.value=2; mainWin.windowModified=true; "
           "statusbar.currentMessage=Camera 2: f/2 → f/5.1";
    QTest::newRow("match depth of field: out of reach")
        << "c1_flength=20 actionMatchDepthOfField1!"
        << "c1_apature.value=0.7; statusbar.currentMessage=Camera 1 set to f/0.7; its depth of "
           "field is still 0.702 m against 42.4 mm";
    QTest::newRow("match depth of field: none at any f-number")
        << "c1_coc=0.0001 c1_calcDef=1 actionMatchDepthOfField1!"
        << "c1_apature.value=2; statusbar.currentMessage=Camera 1 unchanged: it has no depth of "
           "field at any f-number from f/0.7 to f/64.";
    QTest::newRow("match background blur: the other focused inside its lens")
        << "c1_fdist=0.08 actionMatchBackgroundBlur2!"
        << "c2_apature.value=2; statusbar.currentMessage=Camera 2 unchanged: Camera 1 focuses at "
           "or inside its focal length.";
    QTest::newRow("match background blur")
        << "c2_crop=2 actionMatchBackgroundBlur2!"
        << "c2_apature.value=5.1; statusbar.currentMessage=Camera 2: f/2 → f/5.1";
    QTest::newRow("copy a camera")
        << "c2_calcDef=1 comboBox_5=1 actionCopyCamera1!"
        << "c1_flength.value=135; c1_crop.currentIndex=0; c1_calcDef.checked=true; "
           "comboBox_8.currentIndex=1; statusbar.currentMessage=Camera 2 copied to Camera 1";
    QTest::newRow("make camera 2 equivalent")
        << "actionMakeEquivalent2!"
        << "c2_flength.value=136; c2_apature.value=3.2; c2_coc.value=0.02; "
           "statusbar.currentMessage=Camera 2: 136.00 mm, f/3.2, CoC 0.0200 mm — same shutter "
           "speed at 2.6 × the ISO";
    QTest::newRow("equivalent out of its box")
        << "c1_apature=45 actionMakeEquivalent2!"
        << "c2_flength.value=135; statusbar.currentMessage=Camera 2 unchanged: it would take "
           "f/72, outside f/0.7 to f/64.";
    QTest::newRow("plan: 3 m to 5 m")
        << "actionPlan! c1_planNear=3 c1_planToInfinity=0 c1_planFar=5 c1_calcDef=1"
        << "c1_planAnswer.text=No single shot keeps 3.00 m – 5.00 m within U 1.00: at its "
           "sharpest, f/19.1, the worst blur is U 4.13.; c1_planStack.text=A stack at f/2: 26 "
           "shots, far to near.";
    QTest::newRow("plan applied, in feet")
        << "actionUnitsFeet! actionPlan! c1_planNear=3 c1_planToInfinity=0 c1_planFar=5 "
           "c1_planApply!"
        << "c1_planNear.text=9.84 ft; c1_fdist.value=3.74904; c1_apature.value=39.5; "
           "c1_planAnswer.text=9.84 ft – 16.40 "
           "ft: focus 12.30 ft, f/39.5 widest (worst U 1.00). At f/39.5 diffraction alone blurs "
           "4.3 CoC.; c1_planNotice.visible=true";
    QTest::newRow("plan: nothing reaches the limit")
        << "actionPlan! c2_planNear=0.5 c2_planToInfinity=1 c2_calcDef=1"
        << "c2_planAnswer.text=No single shot keeps 0.500 m – ∞ within U 1.00: at its sharpest, "
           "f/64, the worst blur is U 33.27.; c2_planApply.enabled=false; c2_planStack.text=At "
           "f/2 a stack would take more than 999 shots.";
    // Within the boxes' ranges, and Apply sets what the answer states.
    QTest::newRow("plan: the focus box's farthest")
        << "c2_flength=5000 actionPlan! c2_planNear=60000 c2_planToInfinity=1 c2_planApply!"
        << "c2_planAnswer.text=60.00 km – ∞: focus 99999.00 m, f/20.1 widest (worst U 1.00). At "
           "f/20.1 diffraction alone blurs 2.2 CoC.; c2_fdist.value=99999; c2_apature.value=20.1";
    QTest::newRow("plan: far before near")
        << "actionPlan! c1_planToInfinity=0 c1_planNear=5 c1_planFar=4"
        << "c1_planAnswer.text=The near distance must lie beyond the focal length, 85.0 mm, and "
           "before the far one.; c1_planApply.enabled=false";
    // Nothing to export or print while no camera is shown, and said why.
    QTest::newRow("no camera: no export")
        << "boxC1=0 boxC2=0"
        << "actionExportTable.enabled=false; actionPrintTable.enabled=false; "
           "actionExport_Chart.enabled=false; actionCopy_Chart.enabled=false; "
           "actionExportTable.toolTip=Switch a camera on first: there is nothing to export or "
           "print while none is shown.";
    QTest::newRow("plan: near inside the focal length")
        << "actionPlan! c2_planNear=0.1"
        << "c2_planAnswer.text=The near distance must lie beyond the focal length, 0.135 m, and "
           "before the far one.; c2_planStack.text=";
    QTest::newRow("the distance scale greys out to infinity")
        << "actionAxisToInfinity!"
        << "qxscale.enabled=false; label_2.enabled=false; qxscaled.enabled=false";
    QTest::newRow("depth of field: camera off")
        << "boxC1=0 c2_calcDef=1"
        << "readoutC1.visible=false; readoutC2.text=Camera 2: 3.98 m – 4.02 m (33.2 mm)";
    QTest::newRow("depth of field: km from 1 km on")
        << "c1_fdist=242.39"
        << "readoutC1.text=Camera 1: 131.85 m – 1.50 km (1.37 km)";
    QTest::newRow("depth of field: far limit in km")
        << "c1_set_Hyper! c2_fdist=0.13"
        << "readoutC1.text=Camera 1: 144.52 m – 982.60 km (982.46 km); "
           "readoutC2.text=Camera 2: nothing sharp, the focus lies at or inside the focal length";
    QTest::newRow("depth of field: to infinity, diffraction too large")
        << "c1_fdist=289.09 c2_apature=32 c2_calcDef=1"
        << "readoutC1.text=Camera 1: 144.54 m – ∞ (∞); "
           "readoutC2.text=Camera 2: nothing sharp, the diffraction disc alone reaches the CoC";
}

void tst_Window::controls()
{
    QFETCH(QString, steps);
    QFETCH(QString, expected);

    const CoutCapture quiet;
    mainWin window;
    window.show();
    act(window, steps);
    QCOMPARE(observe(window, expected), expected);
}

void tst_Window::undoAndRedoEachKindOfStep_data()
{
    QTest::addColumn<QString>("before"); // a step of its own before the one undone
    QTest::addColumn<QString>("steps"); // one user action; "wheel", "drag" and "click" on the chart
    QTest::addColumn<QString>("text");
    QTest::newRow("a typed value") << ""
                                   << "c1_fdist=5"
                                   << "Camera 1: Focus";
    QTest::newRow("arrow steps on one box")
        << ""
        << "c2_apature!stepUp c2_apature!stepUp c2_apature!stepUp"
        << "Camera 2: Apature";
    QTest::newRow("then another box") << "c1_coc=0.02"
                                      << "c2_coc=0.03"
                                      << "Camera 2: Circel of Confusion";
    QTest::newRow("the left border") << ""
                                     << "DSB_leftBorder=2"
                                     << "Left Border";
    // The border and its floor come back with the lens.
    QTest::newRow("a longer lens lifts the border") << ""
                                                    << "c2_flength=600"
                                                    << "Camera 2: Focal length";
    QTest::newRow("a preset's input") << ""
                                      << "comboBox_8=1"
                                      << "Camera 1: Form Factor";
    QTest::newRow("a preset") << ""
                              << "c1_setCOCPS!"
                              << "Set CoC by Pixelsize";
    QTest::newRow("the hyperfocal button") << ""
                                           << "c2_set_Hyper!"
                                           << "Set to Hyperfocal";
    QTest::newRow("a Compare action") << "c1_apature=4"
                                      << "actionMatchDepthOfField2!"
                                      << "Match Camera 2's Depth of Field to Camera 1";
    QTest::newRow("a wheel run") << ""
                                 << "wheel wheel wheel"
                                 << "Zoom";
    QTest::newRow("a drag") << ""
                            << "drag drag"
                            << "Move the Chart";
    QTest::newRow("a double-click") << ""
                                    << "click"
                                    << "Focus by Double-Click";
    QTest::newRow("a camera off") << ""
                                  << "boxC2=0"
                                  << "Switch Camera 2 On or Off";
    QTest::newRow("a plan's Apply") << "actionPlan! c1_planNear=5 c1_planToInfinity=1 c1_coc=0.02"
                                    << "c1_planApply!"
                                    << "Apply the Plan";
    QTest::newRow("New") << "c1_flength=50 qyscale=30"
                         << "actionNew!"
                         << "New";
}

void tst_Window::undoAndRedoEachKindOfStep()
{
    QFETCH(QString, before);
    QFETCH(QString, steps);
    QFETCH(QString, text);
    CoutCapture trace;
    mainWin window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    fakePrompts(window);
    auto *chart = window.frame->findChild<graph *>();
    const auto *undo = window.findChild<QAction *>("actionUndo");
    const auto *redo = window.findChild<QAction *>("actionRedo");
    act(window, before);
    const QString start = formSnapshot(window);
    for (const QString &step : steps.split(' ')) {
        if (step == "wheel")
            emit chart->wheeled(200, 1);
        else if (step == "drag")
            emit chart->dragged(200, 150);
        else if (step == "click")
            emit chart->doubleClicked(200, {});
        else
            act(window, step);
    }
    const QString done = formSnapshot(window);
    QVERIFY(done != start);
    QVERIFY(window.isWindowModified() || steps == "actionNew!");
    QCOMPARE(undo->iconText(), "Undo " + text);
    trace.clear();
    QTest::keySequence(&window, QKeySequence::Undo);
    QCOMPARE(formSnapshot(window), start);
    QCOMPARE(trace.lines().filter("init").size(), 2); // one recalculation, both cameras
    // Back to the file's values: nothing left to save.
    QCOMPARE(window.isWindowModified(), !before.isEmpty());
    QCOMPARE(redo->iconText(), "Redo " + text);
    QTest::keySequence(&window, QKeySequence::Redo);
    QCOMPARE(formSnapshot(window), done);
    QVERIFY(window.isWindowModified() || steps == "actionNew!");
}

void tst_Window::runsOfOneValue_data()
{
    QTest::addColumn<QString>("steps");      // "later": a minute passes
    QTest::addColumn<QStringList>("undone"); // what Undo offers, step by step
    const QString focus = "Camera 1: Focus";
    QTest::newRow("a run") << "c1_fdist=5 c1_fdist=6" << QStringList{focus};
    QTest::newRow("a run back to its start") << "c1_fdist=5 c1_fdist=4" << QStringList();
    QTest::newRow("minutes apart") << "c1_fdist=5 later c1_fdist=4" << QStringList{focus, focus};
    // A run gone leaves the step before it alone.
    QTest::newRow("a run back to its start after a step")
        << "c1_fdist=5 later c1_fdist=6 c1_fdist=5 c1_fdist=7" << QStringList{focus, focus};
    QTest::newRow("editing finished between")
        << "c1_fdist=5 c1_fdist!editingFinished c1_fdist=6" << QStringList{focus, focus};
    QTest::newRow("another value between")
        << "c1_fdist=5 c1_coc=0.02 c1_fdist=6"
        << QStringList{focus, "Camera 1: Circel of Confusion", focus};
}

void tst_Window::runsOfOneValue()
{
    QFETCH(QString, steps);
    QFETCH(QStringList, undone);
    const CoutCapture quiet;
    mainWin window;
    qint64 now = 0;
    window.findChild<UndoHistory *>()->setClock([&now] { return now; });
    for (const QString &step : steps.split(' ')) {
        if (step == "later")
            now += 60000;
        else
            act(window, step);
    }
    auto *undo = window.findChild<QAction *>("actionUndo");
    QStringList offered;
    for (; undo->isEnabled(); undo->trigger())
        offered << undo->iconText().remove("Undo ");
    QCOMPARE(offered, undone);
    QCOMPARE(window.c1_fdist->value(), 4.0);
}

void tst_Window::openStartsAFreshHistory()
{
    const CoutCapture quiet;
    mainWin window;
    FakePrompts *prompts = fakePrompts(window);
    const auto *undo = window.findChild<QAction *>("actionUndo");
    QVERIFY(!undo->isEnabled());
    // A view of the values is no step.
    act(window, "actionUnitsFeet! actionAxisToInfinity!");
    QVERIFY(!undo->isEnabled());
    act(window, "c1_fdist=7");
    QVERIFY(undo->isEnabled());
    prompts->answers << SHARPA_TEST_DATA "/border.cbp";
    act(window, "actionOpen!");
    QCOMPARE(window.currentFileName(), SHARPA_TEST_DATA "/border.cbp");
    QVERIFY(!undo->isEnabled());
}

void tst_Window::newRestoresValuesAndRanges_data()
{
    QTest::addColumn<QString>("units");
    QTest::newRow("metres") << "actionUnitsMetres!";
    QTest::newRow("feet") << "actionUnitsFeet!";
}

void tst_Window::newRestoresValuesAndRanges()
{
    QFETCH(QString, units);

    const CoutCapture quiet;
    mainWin window;
    act(window, units);
    const QString fresh = formSnapshot(window);
    fakePrompts(window);
    // 20 m beyond 5000 mm lenses lifts the border's minimum to 10 m.
    act(window,
        "c1_flength=5000 c2_flength=5000 DSB_leftBorder=20 distanceFP=1 qxscale=3 boxC2=0 "
        "c1_calcDef=1 c2_crop=2 spinBox=4 comboBox_8=1");
    QCOMPARE(window.DSB_leftBorder->minimum(), 10.0);
    act(window, "actionNew!");
    QCOMPARE(formSnapshot(window), fresh);
}

void tst_Window::details_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("lines"); // some of what Copy puts on the clipboard
    QTest::newRow("both cameras") << ""
                                  << "detailsTable"
                                  << QStringList{
                                         "\tCamera 1\tCamera 2",
                                         "Total depth\t0.108 m\t42.4 mm",
                                         "Background blur at ∞ (mm)\t0.923 mm\t2.358 mm",
                                         "Background blur at ∞ (% of width)\t4.10 %\t6.55 %",
                                         "35 mm equivalent focal length\t136 mm\t135 mm",
                                         "35 mm equivalent f-number\tf/3.2\tf/2.0",
                                         "Horizontal angle of view\t15.1°\t15.2°"};
    // Under a foot in inches; the depth in front of the focus is the smaller part.
    QTest::newRow("in feet") << "actionUnitsFeet!"
                             << "detailsTable"
                             << QStringList{"Near limit\t12.95 ft\t13.05 ft",
                                            "Total depth\t4.27 in\t1.67 in",
                                            "In front of focus\t2.10 in\t0.831 in",
                                            "Behind focus\t2.16 in\t0.839 in"};
    // Changed behind another tab, as they are in front again.
    QTest::newRow("behind the Plan")
        << "actionPlan! c2_crop=3 sidePanels.currentIndex=0"
        << "detailsTable" << QStringList{"35 mm equivalent focal length\t136 mm\t270 mm"};
    // The sensor's equivalents follow a crop factor however it changes.
    QTest::newRow("crop factor") << "c2_crop=3"
                                 << "detailsTable"
                                 << QStringList{"35 mm equivalent focal length\t136 mm\t270 mm",
                                                "Horizontal angle of view\t15.1°\t7.6°"};
    QTest::newRow("camera 1 copied")
        << "actionCopyCamera2!"
        << "detailsTable" << QStringList{"35 mm equivalent f-number\tf/3.2\tf/3.2"};
    QTest::newRow("a change, camera 2 off")
        << "boxC2=0 c1_calcDef=1 c1_apature=32"
        << "detailsTable"
        << QStringList{"\tCamera 1",
                       "Near limit\tnothing sharp: the diffraction disc reaches the CoC",
                       "Far limit infinite from\t–"};
    // Published close-range depths, 100 mm, CoC 0.03 mm: 2 N c (1 + m) / m².
    QTest::newRow("1:1 f/16 and 5:1 f/4")
        << "c1_flength=100 c1_coc=0.03 c1_magnification=1 c1_apature=16 c2_flength=100 "
           "c2_coc=0.03 c2_magnification=5 c2_apature=4"
        << "detailsTable"
        << QStringList{"Total depth\t1.92 mm\t57.6 µm", "Magnification\t1:1\t5:1",
                       "Working f-number\tf/32.0\tf/24.0", "Subject to sensor\t0.400 m\t0.720 m"};
    // 2:1 at 150 mm from the lens, the sensor 300 mm behind it.
    QTest::newRow("2:1 f/8 from the sensor plane")
        << "actionFromSensor! boxC2=0 c1_flength=100 c1_coc=0.03 c1_magnification=2 c1_apature=8"
        << "detailsTable"
        << QStringList{"Near limit\t0.4498 m", "Far limit\t0.4502 m", "Total depth\t360 µm",
                       "Hyperfocal distance\t41.77 m"};
    // From the sensor too, and each shot from where its lens stands.
    QTest::newRow("a stack's shots from the sensor plane")
        << "actionFromSensor! actionPlan! c1_planNear=3.5 c1_planFar=4.5"
        << "c1_planShots" << QStringList{"1\t4.43 m\t4.37 m\t4.50 m", "10\t3.52 m\t3.49 m\t3.57 m"};
    // The whole stack, far to near, its first shot's far limit the range's.
    QTest::newRow("a stack's shots")
        << "actionPlan! c1_planNear=3.5 c1_planFar=4.5"
        << "c1_planShots"
        << QStringList{"#\tFocus\tNear\tFar", "1\t4.43 m\t4.37 m\t4.50 m",
                       "10\t3.49 m\t3.45 m\t3.53 m"};
}

void tst_Window::details()
{
    QFETCH(QString, steps);
    QFETCH(QString, table);
    QFETCH(QStringList, lines);

    const CoutCapture quiet;
    mainWin window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto *shown = window.findChild<QTableView *>(table);
    const QAbstractItemModelTester tester(shown->model(),
                                          QAbstractItemModelTester::FailureReportingMode::QtTest);
    act(window, steps);
    shown->setFocus();
    shown->selectAll();
    QTest::keySequence(shown, QKeySequence::Copy);
    const QStringList copied = QGuiApplication::clipboard()->text().split('\n');
    for (const QString &line : lines)
        QVERIFY2(copied.contains(line), qPrintable(copied.join('\n')));
}

void tst_Window::equivalentThereAndBack_data()
{
    QTest::addColumn<QString>("steps");
    QTest::newRow("APS-C to full frame") << "";
    QTest::newRow("full frame to 1.5, diffraction") << "c1_crop=0 c2_crop=1 c1_apature=5.6 "
                                                       "c1_flength=35 c1_coc=0.03 c1_calcDef=1 "
                                                       "c2_calcDef=1 c1_fdist=2.5 c2_fdist=2.5";
}

// The same picture on the other sensor: depth, background blur and angle
// alike to the boxes' rounding, and the way back gives the start.
void tst_Window::equivalentThereAndBack()
{
    QFETCH(QString, steps);
    const CoutCapture quiet;
    mainWin window;
    act(window, steps);
    const std::array<DecimalSpinBox *, 3> boxes{window.c1_flength, window.c1_apature,
                                                window.c1_coc};
    std::array<double, 3> start{};
    for (std::size_t k = 0; k < boxes.size(); ++k)
        start[k] = boxes[k]->value();
    act(window, "actionMakeEquivalent2!");
    const QAbstractItemModel *details = window.findChild<QTableView *>("detailsTable")->model();
    for (int row = 0; row < details->rowCount(); ++row) {
        const QString title = details->headerData(row, Qt::Vertical).toString();
        if (!QStringList{"Total depth", "Background blur at ∞ (% of width)",
                         "Horizontal angle of view"}
                 .contains(title))
            continue;
        const auto number = [&](int column) {
            return QLocale().toDouble(details->index(row, column)
                                          .data()
                                          .toString()
                                          .section(QRegularExpression("[ °]"), 0, 0));
        };
        QVERIFY2(std::abs(number(1) / number(0) - 1) < 0.02, qPrintable(title));
    }
    // Back to the start but for what the way there rounded off: a step of the box at most.
    act(window, "actionMakeEquivalent1!");
    for (std::size_t k = 0; k < boxes.size(); ++k)
        QVERIFY2(std::abs(boxes[k]->value() - start[k])
                     <= std::pow(10, -boxes[k]->decimals()) * 1.001,
                 qPrintable(boxes[k]->objectName()));
}

void tst_Window::mouse_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("gesture"); // over 3.5 m, at column 250
    QTest::addColumn<QString>("expected");
    // 3.5 m stays under the pointer: 3.5 m - 250 columns of 8 mm.
    QTest::newRow("wheel zooms in") << ""
                                    << "wheel"
                                    << "qxscale.value=8; DSB_leftBorder.value=1.5";
    QTest::newRow("to infinity: the wheel moves the border out")
        << "actionAxisToInfinity!"
        << "wheel"
        << "qxscale.value=10; DSB_leftBorder.value=1.25";
    QTest::newRow("drag pans") << ""
                               << "drag"
                               << "qxscale.value=10; DSB_leftBorder.value=0.5";
    QTest::newRow("double-click focuses camera 1") << ""
                                                   << "click"
                                                   << "c1_fdist.value=3.5; c2_fdist.value=4";
    QTest::newRow("with Shift camera 2") << ""
                                         << "shift"
                                         << "c1_fdist.value=4; c2_fdist.value=3.5";
    QTest::newRow("double-click between centimetres, to infinity") << "actionAxisToInfinity!"
                                                                   << "click"
                                                                   << "c2_fdist.value=4";
    QTest::newRow("the same in feet") << "actionUnitsFeet! actionAxisToInfinity!"
                                      << "click"
                                      << "c2_fdist.value=4";
}

void tst_Window::mouse()
{
    QFETCH(QString, steps);
    QFETCH(QString, gesture);
    QFETCH(QString, expected);

    CoutCapture out;
    mainWin window;
    act(window, steps);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *chart = window.frame->findChild<graph *>();
    const QPoint at(30 + 250, 100);
    // The status bar reads the chart where the pointer rests.
    const auto pointTo = [chart](QPoint to) {
        QMouseEvent move(QEvent::MouseMove, to, chart->mapToGlobal(to), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(chart, &move);
    };
    pointTo(at);
    out.clear();
    if (gesture == "wheel") {
        QWheelEvent wheel(at, chart->mapToGlobal(at), {}, {0, 120}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(chart, &wheel);
    } else if (gesture == "drag") {
        QTest::mousePress(chart, Qt::LeftButton, {}, at);
        QTest::mouseMove(chart, at + QPoint(50, 0));
        QTest::mouseRelease(chart, Qt::LeftButton, {}, at + QPoint(50, 0));
    } else {
        QTest::mouseDClick(chart, Qt::LeftButton,
                           gesture == "shift" ? Qt::ShiftModifier : Qt::NoModifier, at);
    }
    QCOMPARE(observe(window, expected), expected);
    QCOMPARE(out.lines().filter("init - ").size(), 2); // one recalculation
    // The readout follows without a move of the mouse.
    const auto *hover = window.findChild<QLabel *>("hoverReadout");
    const QString followed = hover->text();
    pointTo(gesture == "drag" ? at + QPoint(50, 0) : at);
    QCOMPARE(hover->text(), followed);
    // What the double-click set holds what it shows, in the unit shown.
    QCOMPARE(window.c1_fdist->value(), window.c1_fdist->valueFromText(window.c1_fdist->text()));
}

void tst_Window::readoutAtColumn_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("column"); // of 501
    QTest::addColumn<QString>("expected");
    QTest::newRow("from the camera") << "" << 250 << "3.50 m — Camera 1: U 10.5 · Camera 2: U 26.9";
    QTest::newRow("camera 2 off") << "boxC2=0" << 250 << "3.50 m — Camera 1: U 10.5";
    // 3 m left of the focus planes: 0.5 m in front of them, as at 3.5 m from the camera.
    QTest::newRow("from the focus plane") << "distanceFP=1 DSB_leftBorder=3" << 250
                                          << "-0.50 m — Camera 1: U 10.5 · Camera 2: U 26.9";
    // Halfway to infinity lies twice the border, 2 m: half the focus distance, where the blur
    // is that at infinity.
    QTest::newRow("to infinity, in feet")
        << "actionAxisToInfinity! actionUnitsFeet! distanceFP=1" << 250
        << "6.56 ft — Camera 1: U 73.8 · Camera 2: U 188.6";
    QTest::newRow("inside the focal length") << "distanceFP=1 DSB_leftBorder=4" << 0
                                             << "-4.00 m — Camera 1: inside the focal length · "
                                                "Camera 2: inside the focal length";
    QTest::newRow("at infinity") << "actionAxisToInfinity!" << 500
                                 << "∞ — Camera 1: U 73.8 · Camera 2: U 188.6";
    // U 10.55 and 26.95 times the CoC, 0.0125 mm: over 22.5 mm (1.6) and 36.0 mm wide sensors.
    QTest::newRow("in % of the image width")
        << "actionBlurPercent!" << 250 << "3.50 m — Camera 1: 0.586 % · Camera 2: 0.936 %";
    QTest::newRow("on the sensor")
        << "actionBlurSensor!" << 250 << "3.50 m — Camera 1: 132 µm · Camera 2: 337 µm";
    // 2 µm a column around the focus; 5:1 f/8 keeps 57.6 µm on either side.
    const QString macro("boxC2=0 c1_flength=65 c1_coc=0.03 c1_magnification=5 c1_apature=8 "
                        "actionAxisCloseUp! ");
    QTest::newRow("close up") << macro << 260 << "+20.0 µm from the focus — Camera 1: U 0.3";
    QTest::newRow("close up, in feet: as its ticks")
        << macro + "actionUnitsFeet!" << 150 << "-200 µm from the focus — Camera 1: U 3.5";
}

void tst_Window::readoutAtColumn()
{
    QFETCH(QString, steps);
    QFETCH(int, column);
    QFETCH(QString, expected);

    const CoutCapture quiet;
    mainWin window;
    act(window, steps);
    Scene input = window.scene();
    input.axis.columns = 501;
    if (input.axis.mode == ChartGeometry::AxisMode::CloseUp)
        std::tie(input.axis.xs, input.axis.centre) = std::pair(0.002, 0.0);
    QCOMPARE(Readout::atColumn(input, column, QLocale::c()), expected);
}

void tst_Window::fitShowsTheDepths_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("arrow"); // the camera whose focus is off the plot first, from 1; 0: none
    QTest::newRow("both foci left of the border") << "DSB_leftBorder=10" << 1;
    QTest::newRow("camera 2's focus beyond the plot") << "c2_fdist=30" << 2;
    QTest::newRow("back from the axis to infinity")
        << "actionAxisToInfinity! c1_fdist=50 actionAxisLinear!" << 1;
    QTest::newRow("from the focus plane, in feet")
        << "actionUnitsFeet! distanceFP=1 qxscale=1" << 0;
    QTest::newRow("to infinity, in % of the width")
        << "actionAxisToInfinity! actionBlurPercent! DSB_leftBorder=8" << 1;
}

// Fit brings each shown camera's depth of field into the plot, its curve up
// to a few CoC across at least a third of it, four CoC high; an arrow in a
// camera's colour marked a focus off the plot before. One step to undo.
void tst_Window::fitShowsTheDepths()
{
    QFETCH(QString, steps);
    QFETCH(int, arrow);
    const CoutCapture quiet;
    mainWin window;
    window.resize(1280, 720);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    act(window, steps);
    auto *chart = window.frame->findChild<graph *>();
    const ChartGeometry::ChartFrame frame{chart->width(), chart->height()};
    const auto rendered = [&] {
        QImage image(chart->size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        ChartPainter::paint(painter, image.size(), window.scene());
        return image;
    };
    // A triangle at either edge, seven rows high near its base: not a curve.
    const auto arrowed = [&](const QImage &image, int k) {
        for (const int x : {frame.x(0) + 10, frame.x(frame.plotWidth() - 1) - 11}) {
            bool filled = true;
            for (int dy = -3; dy <= 3; ++dy)
                filled = filled
                    && image.pixel(x, frame.topMargin + 14 + (k - 1) * 16 + dy)
                        == ChartPainter::cameraColours[std::size_t(k - 1)];
            if (filled)
                return true;
        }
        return false;
    };
    QCOMPARE(arrow > 0 && arrowed(rendered(), arrow), arrow > 0);
    const Scene before = window.scene();
    act(window, "actionFit!");
    const Scene input = window.scene();
    ChartGeometry::Axis axis = input.axis;
    axis.columns = frame.plotWidth();
    double first = axis.columns;
    double last = 0;
    for (std::size_t k = 0; k < 2; ++k) {
        const CameraOptics &camera = input.cameras[k];
        const DepthOfField depth = depthOfField(camera, input.diffraction[k]);
        for (const double limit : {depth.nearLimit, depth.farLimit}) {
            const double column = axis.columnAt(limit, camera);
            QVERIFY2(column >= 0 && column <= axis.columns - 1,
                     qPrintable(QString("camera %1: %2").arg(k + 1).arg(column)));
        }
        CameraOptics few = camera;
        few.coc *= 3;
        const DepthOfField wide = depthOfField(few, input.diffraction[k]);
        first = std::min(first, axis.columnAt(wide.nearLimit, camera));
        last = std::max(last, std::min(axis.columnAt(wide.farLimit, camera), axis.columns - 1.0));
        QVERIFY(!arrowed(rendered(), int(k) + 1));
    }
    // To infinity, 1/distance crowds them: the axis begins at the nearest.
    QVERIFY2(axis.mode == ChartGeometry::AxisMode::ToInfinity || last - first >= axis.columns / 3.0,
             qPrintable(QString("%1 to %2").arg(first).arg(last)));
    const double perCoc = std::max(input.perCoc[0], input.perCoc[1]);
    QVERIFY(4 * perCoc * input.ys <= frame.plotHeight()
            && (input.ys == 99 || 4 * perCoc * (input.ys + 1) > frame.plotHeight()));
    act(window, "actionUndo!");
    QCOMPARE(window.scene().axis.xs, before.axis.xs);
    QCOMPARE(window.scene().axis.leftBorder, before.axis.leftBorder);
    QCOMPARE(window.scene().ys, before.ys);
}

void tst_Window::closeUpFitsTheDepth_data()
{
    QTest::addColumn<QString>("steps");
    QTest::newRow("5:1 f/8") << "boxC2=0 c1_flength=65 c1_coc=0.03 c1_magnification=5 "
                                "c1_apature=8";
    QTest::newRow("1:2 f/2.8 beside 5:1 f/4, in feet")
        << "actionUnitsFeet! c1_flength=100 c1_magnification=0.5 c1_apature=2.8 c2_flength=65 "
           "c2_magnification=5 c2_apature=4";
}

// Choosing the close-up axis fits the deepest shown depth of field to a
// third of the plot or more, and all of it inside.
void tst_Window::closeUpFitsTheDepth()
{
    QFETCH(QString, steps);
    const CoutCapture quiet;
    mainWin window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    act(window, steps + " actionAxisCloseUp!");
    const Scene input = window.scene();
    const int deeper = input.cameras[0].relativeBlur(input.cameras[0].fdist * 1.01, false)
                < input.cameras[1].relativeBlur(input.cameras[1].fdist * 1.01, false)
            || !input.shown[1]
        ? 0
        : 1;
    // Along a row high in the plot, only the depth of field is tinted.
    auto *chart = window.frame->findChild<graph *>();
    const QImage image = chart->grab().toImage();
    const QColor colour(ChartPainter::cameraColours[std::size_t(deeper)]);
    const ChartGeometry::ChartFrame frame{chart->width(), chart->height()};
    QList<int> tinted;
    for (int column = 0; column < frame.plotWidth(); ++column) {
        const QColor pixel = image.pixelColor(frame.x(column), frame.topMargin + 4);
        const int tint = deeper == 0 ? pixel.green() - pixel.red() : pixel.blue() - pixel.red();
        if (tint > 8 && pixel.red() > 100)
            tinted << column;
    }
    QVERIFY(!tinted.isEmpty());
    QVERIFY2(tinted.size() >= frame.plotWidth() / 3, qPrintable(QString::number(tinted.size())));
    QVERIFY(tinted.first() > 0 && tinted.last() < frame.plotWidth() - 1);
}

void tst_Window::blurMeasureOnTheChart_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("camera");      // from 0
    QTest::addColumn<double>("distance"); // m
    QTest::addColumn<double>("perRow");   // of the measure, at the scale's 10 pixels a unit
    QTest::newRow("% of the width, 1.6 crop") << "actionBlurPercent!" << 0 << 3.0 << 0.01;
    QTest::newRow("% of the width, full frame") << "actionBlurPercent!" << 1 << 4.6 << 0.01;
    QTest::newRow("µm on the sensor") << "actionBlurSensor! c1_coc=0.03" << 0 << 4.4 << 1.0;
}

// The curve at a distance, and the camera's CoC as a line of its colour, lie
// where the blur in the measure puts them: d / w × 100 % or d in µm.
void tst_Window::blurMeasureOnTheChart()
{
    QFETCH(QString, steps);
    QFETCH(int, camera);
    QFETCH(double, distance);
    QFETCH(double, perRow);
    const CoutCapture quiet;
    mainWin window;
    act(window, steps);
    const Scene input = window.scene();
    QImage image(800, 500, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    ChartPainter::paint(painter, image.size(), input);
    painter.end();
    const ChartGeometry::ChartFrame frame{800, 500};
    ChartGeometry::Axis axis = input.axis;
    axis.columns = frame.plotWidth();
    const auto k = std::size_t(camera);
    const CameraOptics &optics = input.cameras[k];
    const int column = qRound(axis.columnAt(distance * 1000, optics));
    const double width = Presets::sensorWidth(camera == 0 ? 2 : 0, 0);
    const bool percent = perRow < 1;
    const auto rowOf = [&](double u) {
        const double mm = u * optics.coc;
        return frame.axisRow() - (percent ? mm / width * 100 : mm * 1000) / perRow;
    };
    const QRgb colour = ChartPainter::cameraColours[k];
    const auto near = [&](int x, double row) {
        for (int y = qFloor(row) - 1; y <= qCeil(row) + 1; ++y) {
            if (image.pixel(frame.x(x), y) == colour)
                return true;
        }
        return false;
    };
    QVERIFY(near(column, rowOf(optics.relativeBlur(axis.sampleAt(optics, column), false))));
    QVERIFY(near(3, rowOf(1)));
}

void tst_Window::keepsTheFraming_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("expected");
    QTest::newRow("switched on") << "actionKeepFraming!"
                                 << "framingWidth.value=0.9";
    QTest::newRow("a longer lens follows") << "actionKeepFraming! c2_flength=200"
                                           << "c2_flength.value=200";
    QTest::newRow("another sensor follows") << "actionKeepFraming! c1_crop=0"
                                            << "c1_crop.currentIndex=0";
    QTest::newRow("in feet") << "actionUnitsFeet! framingWidth=1.8288 actionKeepFraming!"
                             << "framingWidth.text=6.00 ft";
    // The width follows a typed focus, and the other camera the width.
    QTest::newRow("a typed focus") << "actionKeepFraming! c1_fdist=3"
                                   << "c1_fdist.value=3";
    QTest::newRow("undone in one step") << "actionKeepFraming! actionUndo!"
                                        << "c1_fdist.value=4; c2_fdist.value=4";
}

// Each camera's frame at its focus spans the subject's width, w (s - f) / f.
void tst_Window::keepsTheFraming()
{
    QFETCH(QString, steps);
    QFETCH(QString, expected);
    const CoutCapture quiet;
    mainWin window;
    act(window, steps);
    QCOMPARE(observe(window, expected), expected);
    if (!window.findChild<QAction *>("actionKeepFraming")->isChecked())
        return;
    const double width = window.findChild<QDoubleSpinBox *>("framingWidth")->value();
    for (const int k : {1, 2}) {
        const auto value = [&](const char *name) {
            return window.findChild<QObject *>(QString("c%1_%2").arg(k).arg(name))
                ->property(QString(name) == "crop" ? "currentIndex" : "value");
        };
        const double f = value("flength").toDouble();
        const double s = value("fdist").toDouble() * 1000;
        const double w = Presets::sensorWidth(value("crop").toInt(), 0);
        QVERIFY2(qAbs(w * (s - f) / f / 1000 - width) < 1e-4,
                 qPrintable(QString("camera %1: %2 m").arg(k).arg(w * (s - f) / f / 1000)));
    }
}

void tst_Window::previewDisc_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("camera");        // whose picture, from 1
    QTest::addColumn<double>("background"); // m
    QTest::newRow("85 mm f/2 on 1.6, at 8 m") << "boxC2=0" << 1 << 8.0;
    QTest::newRow("at 3 m, in front of the focus") << "boxC2=0" << 1 << 3.0;
    QTest::newRow("full frame, diffraction")
        << "boxC2=0 c1_crop=0 c1_apature=8 c1_calcDef=1" << 1 << 20.0;
    // Laid at a quarter of the pixels.
    QTest::newRow("f/1 at 100 m: a large disc") << "boxC2=0 c1_apature=1" << 1 << 100.0;
    // Beside the 85 mm on 1.6, the same picture: nearly the same view of the
    // background, its own disc.
    QTest::newRow("135 mm f/2 on full frame, the framing kept") << "actionKeepFraming!" << 2 << 8.0;
}

// One bright point of a black photo spreads to the disc whose width the
// chart's readout gives at the background's distance, all its light kept.
void tst_Window::previewDisc()
{
    QFETCH(QString, steps);
    QFETCH(int, camera);
    QFETCH(double, background);
    const CoutCapture quiet;
    const QTemporaryDir folder;
    QImage photo(640, 427, QImage::Format_RGB32);
    // Four white pixels: light enough to stay above the 8 bits' steps
    // when spread over a large disc.
    photo.fill(Qt::black);
    for (const QPoint at : {QPoint(319, 213), QPoint(320, 213), QPoint(319, 214), QPoint(320, 214)})
        photo.setPixel(at, qRgb(255, 255, 255));
    QVERIFY(photo.save(folder.filePath("point.png")));
    mainWin window;
    fakePrompts(window)->answers << folder.filePath("point.png");
    act(window, "actionPreview! previewSubject=0 " + steps);
    auto *distance = window.findChild<QDoubleSpinBox *>("previewBackground");
    distance->setValue(background);
    auto *scene = window.findChild<QComboBox *>("previewScene");
    scene->setCurrentIndex(3);
    emit scene->activated(3);
    auto *panel = window.findChild<PreviewPanel *>();
    QTRY_VERIFY(panel->isCurrent());
    const QImage picture
        = window.findChild<PictureView *>(QString("c%1_preview").arg(camera))->image();
    QCOMPARE(picture.size(), QSize(640, 427));
    // The light in linear terms; its spread across: a uniform disc of
    // diameter d has a mean square distance from its middle of d² / 16,
    // the two pixels' own a quarter more.
    double light = 0;
    double along = 0;
    double moment = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const double c = qRed(picture.pixel(x, y)) / 255.0;
            const double linear = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
            light += linear;
            along += linear * x;
            moment += linear * x * x;
        }
    }
    const double middle = along / light;
    const double diameter = 4 * std::sqrt(moment / light - middle * middle - 0.25);
    // What the hover readout says there, "Camera 1: 2.05 %".
    act(window, "actionBlurPercent!");
    const Scene input = window.scene();
    const auto k = std::size_t(camera - 1);
    const QString said = Readout::blurText(
        input, k, input.cameras[k].relativeBlur(background * 1000, input.diffraction[k]),
        QLocale::c());
    const double percent = said.section(' ', 2, 2).toDouble();
    const double expected = percent / 100 * 640;
    QVERIFY2(qAbs(diameter - expected) < std::max(0.5, 0.05 * expected),
             qPrintable(QString("%1 pixels for %2 %").arg(diameter).arg(percent)));
    QVERIFY2(qAbs(light / 4 - 1) < 0.1, qPrintable(QString::number(light)));
    if (camera == 2)
        return;
    // Copied and exported as it is shown, the suffix added.
    fakePrompts(window)->answers << folder.filePath("shown");
    act(window, "previewCopy! previewExport!");
    QCOMPARE(QGuiApplication::clipboard()->image(), picture);
    QCOMPARE(QImage(folder.filePath("shown.png")), picture);
}

void tst_Window::previewPhotos_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");       // empty: text, not a picture
    QTest::addColumn<QString>("expected"); // the warning's start; empty: taken
    QTest::newRow("not a picture")
        << "notes.jpg" << QSize() << "%1 cannot be used as a background.";
    QTest::newRow("missing") << "gone.png" << QSize(-1, -1) << "%1 cannot be used as a background.";
    QTest::newRow("a large photo, scaled first") << "large.png" << QSize(3600, 2400) << "";
}

// A photo that cannot be read is refused with its reason and the scene stays;
// a large one is scaled down before it is blurred.
void tst_Window::previewPhotos()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(QString, expected);
    const QTemporaryDir folder;
    const QString path = folder.filePath(name);
    if (size.isEmpty() && size.width() == 0) {
        QFile text(path);
        QVERIFY(text.open(QIODevice::WriteOnly) && text.write("a shopping list") > 0);
    } else if (size.isValid()) {
        QImage large(size, QImage::Format_RGB32);
        large.fill(Qt::darkGreen);
        QVERIFY(large.save(path));
    }
    const PreviewPanel::Photo read = PreviewPanel::loadPhoto(path);
    QCOMPARE(read.image.isNull(), !expected.isEmpty());
    QCOMPARE(read.reason.isEmpty(), expected.isEmpty());
    QVERIFY(std::max(read.image.width(), read.image.height()) <= 2400);
    const CoutCapture quiet;
    mainWin window;
    FakePrompts *prompts = fakePrompts(window);
    prompts->answers << path;
    act(window, "actionPreview!");
    auto *scene = window.findChild<QComboBox *>("previewScene");
    scene->setCurrentIndex(3);
    emit scene->activated(3);
    // Read beside the window's work.
    QTRY_VERIFY(window.findChild<PreviewPanel *>()->isCurrent());
    QCOMPARE(scene->currentIndex(), expected.isEmpty() ? 3 : 0);
    QCOMPARE(prompts->warnings.value(0).section('\n', 0, 0), expected.arg(path));
}

// The distance under the pointer becomes the preview's background, shown.
void tst_Window::chartOffersTheBackground()
{
    const CoutCapture quiet;
    mainWin window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *chart = window.frame->findChild<graph *>();
    const QPoint at(30 + 200, 100);
    QString offered;
    QTimer::singleShot(0, [&offered] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        offered = menu->actions().value(0)->text();
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    emit chart->customContextMenuRequested(at);
    // From the left border, 1 m, 10 mm a column.
    QCOMPARE(offered, "Preview a Background at 3.00 m");
    QCOMPARE(window.findChild<QDoubleSpinBox *>("previewBackground")->value(), 3.0);
    QVERIFY(window.findChild<QAction *>("actionPreview")->isChecked());
}

void tst_Window::fromTheSensorPlane_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("typed"); // into camera 1's focus box
    QTest::addColumn<QString>("expected");
    // 100 mm focused at 0.3 m: the sensor lies 150 mm behind the lens.
    const QString lens("actionFromSensor! c1_flength=100 ");
    QTest::newRow("typed, short of 1:1") << lens << "0.45"
                                         << "c1_fdist.value=0.3; c1_fdist.text=⊖ 0.4500 m";
    QTest::newRow("closer than 1:1 allows") << lens << "0.3"
                                            << "c1_fdist.value=0.2; c1_fdist.text=⊖ 0.4000 m";
    QTest::newRow("beyond 1:1 the focus keeps its side")
        << lens + "c1_magnification=2"
        << "0.5"
        << "c1_fdist.value=0.138197; c1_magnification.text=2.6:1";
    QTest::newRow("limits and hyperfocal") << lens + "c1_fdist=0.3 c1_apature=8 c1_coc=0.03"
                                           << ""
                                           << "readoutC1.text=Camera 1: 0.449 m – 0.451 m (2.88 "
                                              "mm); c1_set_Hyper.text=Set to hyperfocal (41.8 m)";
    // The range as typed; the plan's focus as the focus box will show it.
    QTest::newRow("a plan")
        << lens + "c1_fdist=0.3 actionPlan! c1_planNear=0.447 c1_planFar=0.453"
        << ""
        << "c1_planNear.text=⊖ 0.4470 m; c1_planAnswer.text=0.447 m – 0.453 m: focus ⊖ 0.4500 m, "
           "f/40.6 widest (worst U 1.00). At f/40.6 diffraction alone blurs 4.4 CoC.";
}

void tst_Window::fromTheSensorPlane()
{
    QFETCH(QString, steps);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    const CoutCapture quiet;
    mainWin window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    act(window, steps);
    if (!typed.isEmpty()) {
        auto *box = window.findChild<QDoubleSpinBox *>("c1_fdist");
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, typed);
        QTest::keyClick(box, Qt::Key_Return);
    }
    QCOMPARE(observe(window, expected), expected);
}

void tst_Window::aboutAndHelp()
{
    const CoutCapture quiet;
    mainWin window;
    QString shown;
    QTimer::singleShot(0, [&shown] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        shown = box->windowTitle() + '|' + box->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    act(window, "actionAbout!");
    QCOMPARE(shown,
             "Sharpa|Sharpa\nVersion 0.01beta\nCopyright (C) 2026 The Sharpa developers\n"
             "Free software under the MIT License, without any warranty.");
    QDesktopServices::setUrlHandler("http", this, "open");
    act(window, "actionHelp!");
    window.vcheck();
    QDesktopServices::unsetUrlHandler("http");
    const QString page("http://sharpa.example.org/links/sharpa0.01beta.html");
    QCOMPARE(opened, QList<QUrl>({page, page}));
    FakePrompts *prompts = fakePrompts(window);
    act(window, "actionHelp!"); // no handler, and no browser offscreen
    QCOMPARE(
        prompts->warnings,
        QStringList{"The version page could not be opened in a browser. Its address is\n" + page});
}

namespace {

// Where camera 1 of the start form (85 mm, CoC 0.0125 mm) blurs one CoC,
// focused at focus and stopped down to apature: found on the blur itself.
std::pair<double, double> limitsOnTheBlur(double focus, double apature)
{
    CameraOptics camera;
    camera.fdist = focus;
    camera.flength = 85;
    camera.coc = 0.0125;
    camera = camera.atApature(apature);
    // Halved in ratio: the far side may reach a billion kilometres.
    const auto edge = [&](double in, double out) {
        if (camera.relativeBlur(out, false) <= 1)
            return out;
        out = std::min(out, 1e15);
        for (int k = 0; k < 200; ++k)
            (camera.relativeBlur(std::sqrt(in * out), false) <= 1 ? in : out) = std::sqrt(in * out);
        return in;
    };
    return {edge(focus, 85.0001), edge(focus, qInf())};
}

} // namespace

void tst_Window::tablesReadBack_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("answer");    // the file; "print" prints it
    QTest::addColumn<QStringList>("words"); // in the text read back
    const auto metres = [](double mm, const QLocale &locale = QLocale::c(), int decimals = 2) {
        return locale.toString(Length::millimetres(mm).metres(), 'f', decimals) + " m";
    };
    const auto [near5, far5] = limitsOnTheBlur(5000, 2);
    const auto [near02, far02] = limitsOnTheBlur(200, 22);
    const QLocale german(QLocale::German, QLocale::Germany);
    QTest::newRow("PDF") << QLocale::c() << ""
                         << "t.pdf"
                         << QStringList{"Depth of field: Camera 1", "f/2 (set)", "H 289.08 m",
                                        metres(near5) + " –", metres(far5),
                                        // close, to tell them apart
                                        metres(near02, QLocale::c(), 3) + " –",
                                        metres(far02, QLocale::c(), 3), "Camera 2",
                                        "Made with Sharpa 0.01beta"};
    QTest::newRow("PDF, German") << german << ""
                                 << "t.pdf"
                                 << QStringList{"Schärfentiefe: Kamera 1", metres(far5, german)};
    QTest::newRow("printed") << QLocale::c() << "boxC1=0"
                             << "print" << QStringList{"Depth of field: Camera 2", "H 729.13 m"};
    QTest::newRow("CSV") << QLocale::c() << ""
                         << "t" // the filter's suffix
                         << QStringList{"Focus [m],f/1.4 near [m],f/1.4 far [m],f/2 near [m]"};
    QTest::newRow("camera 1 off") << QLocale::c() << "boxC1=0"
                                  << "t.csv"
                                  << QStringList{"Depth of field: Camera 2", "!Camera 1"};
    QTest::newRow("CSV in feet") << QLocale::c() << "actionUnitsFeet!"
                                 << "t.csv" << QStringList{"Focus [ft],f/1.4 near [ft]"};
    // Stops around the camera's own, which is added where it is none.
    QTest::newRow("CSV at f/32: nine as far as the stops go")
        << QLocale::c() << "c1_apature=32"
        << "t.csv" << QStringList{"Focus [m],f/4 near [m]", "f/32 far [m],f/45", "f/64 far [m]\n"};
    QTest::newRow("CSV at f/1.1, without a gap")
        << QLocale::c() << "c1_apature=1.1"
        << "t.csv"
        << QStringList{"f/0.7 far [m],f/1 near [m],f/1 far [m],f/1.1 near [m],f/1.1 far [m],f/1.4"};
    QTest::newRow("CSV at f/3.2") << QLocale::c() << "c1_apature=3.2"
                                  << "t.csv"
                                  << QStringList{"f/2.8 far [m],f/3.2 near [m],f/3.2 far [m],f/4"};
    QTest::newRow("a shot card") << QLocale::c() << "actionPlan!"
                                 << "t.csv"
                                 << QStringList{"Shot card: Camera 1, 3.50 m – 4.50 m",
                                                "1,4.432,4.367,4.500", "10,3.490,3.449,3.531"};
    QTest::newRow("from the sensor plane")
        << QLocale::c() << "actionFromSensor!"
        << "t.csv" << QStringList{"distances in m from the sensor plane", "\n0.500,"};
    // At 1:1 f/8, CoC 0.0125 mm, each shot keeps 200 µm before its focus and
    // as much beyond: the first moves 200 µm in, each next one 400 µm on.
    QTest::newRow("a shot card on a rail")
        << QLocale::c()
        << "actionPlan! c1_magnification=1 c1_apature=8 c1_planRail=1 c1_planDepth=2.5"
        << "t.csv"
        << QStringList{"On a rail at f/8: 7 shots, 400 µm apart, near to far.",
                       "f/8 · 85 mm · CoC 0.0125 mm · diffraction off",
                       "#,Rail [mm],Near [m],Far [m]", "1,0.200,0.1700,0.1704",
                       "7,2.600,0.1724,0.1728\n"};
}

void tst_Window::tablesReadBack()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, steps);
    QFETCH(QString, answer);
    QFETCH(QStringList, words);
    const auto restore = translatedAs(locale);
    const CoutCapture quiet;
    mainWin window;
    window.show(); // a plan follows only where it shows
    act(window, steps);
    QTemporaryDir dir;
    FakePrompts *prompts = fakePrompts(window);
    prompts->chosen = 1; // the shot cards, where there are plans
    prompts->filter = "CSV, comma-separated values (*.csv)";
    const QString path = dir.filePath(answer == "print" ? "p.pdf" : answer);
    prompts->answers << path;
    act(window, answer == "print" ? "actionPrintTable!" : "actionExportTable!");
    const QString written = QDir(dir.path()).entryList(QDir::Files).value(0);
    QString text;
    if (written.endsWith(".pdf")) {
        QProcess poppler;
        poppler.start("pdftotext", {path, "-"});
        QVERIFY(poppler.waitForFinished());
        text = QString::fromUtf8(poppler.readAll()).replace("ﬁ", "fi").replace("ﬀ", "ff");
    } else {
        QCOMPARE(written, "t.csv");
        QFile file(dir.filePath(written));
        QVERIFY(file.open(QIODevice::ReadOnly));
        text = QString::fromUtf8(file.readAll());
    }
    for (const QString &word : words) // "!word": not in it
        QVERIFY2(text.contains(word.mid(word.startsWith('!'))) != word.startsWith('!'),
                 qPrintable(word + " in:\n" + text));
    if (!written.endsWith(".csv") || (!steps.isEmpty() && !steps.contains("Feet")))
        return;
    // Camera 1's table: its title, header, the hyperfocal distances, a row
    // at them and the round distances; 9 stops, a near and a far column each.
    const QList<QStringList> rows = [&] {
        QList<QStringList> parsed;
        for (const QString &line : text.section("\n\n", 0, 0).split('\n'))
            parsed << line.split(',');
        return parsed;
    }();
    const bool feet = steps.contains("Feet");
    QCOMPARE(rows.size(), 15);
    QCOMPARE(rows[1].size(), 1 + 2 * 9);
    QCOMPARE(rows[2][0], "Hyperfocal distance");
    // At f/2, the second stop, the focus from which the far limit is infinite, as the
    // Details state it.
    const QAbstractItemModel *details = window.findChild<QTableView *>("detailsTable")->model();
    int row = 0;
    while (details->headerData(row, Qt::Vertical).toString() != "Far limit infinite from")
        ++row;
    QCOMPARE(QString::number(rows[2][3].toDouble(), 'f', 2) + (feet ? " ft" : " m"),
             details->index(row, 0).data().toString().remove(','));
    const LengthUnit unit = feet ? LengthUnit::Feet : LengthUnit::Metres;
    const auto mm = [unit](const QString &value) {
        return Length::in(value.toDouble(), unit).millimetres();
    };
    const double written3 = mm("0.0005") * 1.001; // the third decimal's rounding
    for (const QStringList &row : rows.mid(4)) {
        const auto [nearLimit, farLimit] = limitsOnTheBlur(mm(row[0]), 2);
        QVERIFY2(std::abs(mm(row[3]) - nearLimit) < written3, qPrintable(row.join(',')));
        QVERIFY2(std::isinf(farLimit) ? row[4] == "∞" : std::abs(mm(row[4]) - farLimit) < written3,
                 qPrintable(row.join(',')));
    }
}

void tst_Window::tablesThatCannotBeMade_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("warning");
    QTest::newRow("a refused printer")
        << "actionPrintTable!"
        << "The table could not be printed on /no/such/folder/p.pdf.";
    QTest::newRow("PDF under a memory limit") << "actionExportTable!"
                                              << "There is not enough memory to export the table.";
}

// Said, and the program goes on.
void tst_Window::tablesThatCannotBeMade()
{
    QFETCH(QString, action);
    QFETCH(QString, warning);
    const CoutCapture quiet;
    mainWin window;
    QTemporaryDir dir;
    FakePrompts *prompts = fakePrompts(window);
    const bool limited = warning.contains("memory");
    prompts->answers << (limited ? dir.filePath("t.pdf") : "/no/such/folder/p.pdf");
    rlimit previous{};
    ::getrlimit(RLIMIT_AS, &previous);
    QFile status("/proc/self/status"); // the address space as it is, and a little more
    QVERIFY(status.open(QIODevice::ReadOnly));
    const rlimit tight{
        (QString(status.readAll()).section("VmSize:", 1).section("kB", 0, 0).toULongLong() << 10)
            + (rlim_t(32) << 20),
        previous.rlim_max};
    QVERIFY(!limited || ::setrlimit(RLIMIT_AS, &tight) == 0);
    act(window, action);
    ::setrlimit(RLIMIT_AS, &previous);
    QCOMPARE(prompts->warnings, QStringList{warning});
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
}

void tst_Window::exportAndCopy_data()
{
    QTest::addColumn<QString>("answer"); // a name without a suffix gets the filter's, "|svg"
    for (const char *answer :
         {"chart.PNG", "chart", "chart|svg", "chart.svg", "chart.pdf", "folder.pdf", "huge.png"})
        QTest::newRow(answer) << answer;
}

void tst_Window::exportAndCopy()
{
    QFETCH(QString, answer);
    const QString filter = answer.section('|', 1);
    answer = answer.section('|', 0, 0);
    const QString written = answer.startsWith("folder") || answer.startsWith("huge") ? ""
        : answer.contains('.')                                                       ? answer
                               : answer + '.' + (filter.isEmpty() ? "png" : filter);

    const CoutCapture quiet;
    mainWin window;
    window.resize(1100, 700); // the legend's lines unbroken
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QWidget *chart = window.frame->findChild<graph *>();
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("folder.pdf"));
    FakePrompts *prompts = fakePrompts(window);
    prompts->answers << dir.filePath(answer);
    prompts->filter = filter == "svg" ? "SVG drawing (*.svg)" : "";
    // More pixels than an image can hold: no memory can be had for it.
    prompts->size = answer.startsWith("huge") ? QSize(70000000, 40) : QSize();
    act(window, "actionExport_Chart! actionCopy_Chart!");
    QCOMPARE(prompts->questions.value(0),
             "save|Export Chart|PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)");
    if (written.isEmpty()) {
        QVERIFY(prompts->warnings.value(0).startsWith(
            answer.startsWith("huge")
                ? "There is not enough memory for a figure of 70000000 × 40 pixels."
                : "Could not export the chart to " + dir.filePath(answer) + ".\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
        return;
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{written});
    // A figure: the chart at the widget's size, the legend under it; a PNG at twice the pixels.
    const bool png = written.endsWith("png", Qt::CaseInsensitive);
    const QSize figure = QGuiApplication::clipboard()->image().size() / 2;
    QCOMPARE(window.statusBar()->currentMessage(),
             "The chart is on the clipboard, with its legend.");
    QVERIFY(figure.width() == chart->width() && figure.height() > chart->height() + 20);
    const QSizeF asked = QSizeF(figure) * (png ? 2 : 0.75);
    QCOMPARE(prompts->questions.value(1),
             QString("size|%1|%2x%3")
                 .arg(png ? "px" : "pt")
                 .arg(qRound(asked.width()))
                 .arg(qRound(asked.height())));
    const qreal ratio = png ? 2 : 1;
    const QString path = dir.filePath(written);
    QImage image = QImage(path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    if (written.endsWith("svg")) {
        const QByteArray svg = file.readAll();
        QVERIFY(svg.contains(">Distance [m]<") && svg.contains("CoC 0.0125 mm · diffraction off"));
        // Curves as paths sampled between the columns.
        QVERIFY(QRegularExpression(R"re(d="M[^"]* L\d+\.25,)re").match(QString(svg)).hasMatch());
        image = QImage(figure, QImage::Format_RGB32);
        QPainter painter(&image);
        QSvgRenderer(path).render(&painter);
    } else if (written.endsWith("pdf")) {
        QProcess poppler;
        poppler.start("pdftotext", {"-bbox", path, "-"});
        QVERIFY(poppler.waitForFinished());
        const QString text = poppler.readAll();
        QVERIFY(text.contains(">diffraction<"));
        // The axis title's last word inside the page.
        const auto number = [&text](const char *pattern) {
            return QRegularExpression(pattern).match(text).captured(1).toDouble();
        };
        QVERIFY(number(R"re(xMax="([\d.]+)"[^>]*>\[m\]<)re")
                < number(R"re(<page width="([\d.]+)")re"));
        poppler.start(
            "pdftoppm",
            {"-png", "-singlefile", "-r", QString::number(chart->logicalDpiY()), path, path});
        QVERIFY(poppler.waitForFinished());
        image = QImage(path + ".png");
    }
    const QSize off = image.size() - figure * ratio; // a page has whole points
    QVERIFY(off.isNull() || (!png && qAbs(off.width()) + qAbs(off.height()) <= 2));
    // The x axis 30 pixels above the chart's bottom: black, or grey across two rows where
    // smoothed; camera 1's swatch in the legend under it.
    const int axis = int((chart->height() - 30) * ratio);
    for (int x = 40; x < figure.width() - 20; x += 20)
        QVERIFY2(qGray(image.pixel(int(x * ratio), axis))
                         + qGray(image.pixel(int(x * ratio), axis - 1))
                     < 320,
                 qPrintable(QString::number(x)));
    QCOMPARE(image.pixel(QPointF(9, chart->height() + 15).toPoint() * ratio),
             ChartPainter::cameraColours[0]);
    // Nothing cut at the right edge: the axis title ends inside the figure.
    for (int y = int((chart->height() - 22) * ratio); y < int((chart->height() - 8) * ratio); ++y)
        QCOMPARE(qGray(image.pixel(image.width() - 1, y)), 255);
    const QByteArray twice = ChartExport::encode(
        ChartExport::Format::Png, {QSize(300, 200), 2, 96, {}, {}, {}}, window.scene());
    const QImage big = QImage::fromData(twice);
    // Device pixels, drawn at that scale: the x axis one device row thick.
    QCOMPARE(big.size(), QSize(600, 400));
    QCOMPARE(qGray(big.pixel(200, 2 * (200 - 30))), 0);
    QCOMPARE(qGray(big.pixel(200, 2 * (200 - 30) + 1)), 255);
}

void tst_Window::figureSpansTheScreensDistances_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("width"); // of the PNG; 0: the smallest offered
    QTest::newRow("smallest") << "" << 0;
    QTest::newRow("narrow, from the focus plane") << "distanceFP=1 DSB_leftBorder=3" << 700;
    QTest::newRow("wide, in feet") << "actionUnitsFeet! qxscale=7" << 4000;
}

// Where camera 1's curve crosses U = 3 before and after its focus, as
// shares of the plot's width in a chart of that width; each crossing is
// one pixel of the curve's colour on that row.
static QPair<double, double> crossings(const QImage &image, int width, int ratio, int ys)
{
    int line = 0; // U = 1: the first black row past the y axis's arrow head
    while (line < image.height() && qGray(image.pixel(45 * ratio, line)) != 0)
        ++line;
    QList<int> columns;
    for (int x = 0; x < image.width(); ++x)
        if (image.pixel(x, line - 2 * ys * ratio) == ChartPainter::cameraColours[0])
            columns << x;
    const auto share = [&](int x) {
        return (double(x) / ratio - 30) / (width - 40 - 1);
    };
    return {share(columns.value(0)), share(columns.value(columns.size() - 1))};
}

void tst_Window::figureSpansTheScreensDistances()
{
    QFETCH(QString, steps);
    QFETCH(int, width);
    const CoutCapture quiet;
    mainWin window;
    window.resize(1100, 700);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    act(window, "boxC2=0 qyscale=20 " + steps);
    const QWidget *chart = window.frame->findChild<graph *>();
    const QImage screen = renderChart(window, chart->size());
    QTemporaryDir dir;
    FakePrompts *prompts = fakePrompts(window);
    prompts->answers << dir.filePath("a.png") << dir.filePath("b.png");
    act(window, "actionExport_Chart!");
    const QSize size = width == 0 ? prompts->smallest : QSize(width, 600);
    prompts->size = size;
    act(window, "actionExport_Chart!");
    const QImage figure(dir.filePath("b.png"));
    QCOMPARE(figure.size(), size);
    const auto [nearOnScreen, farOnScreen] = crossings(screen, screen.width(), 1, 20);
    const auto [near, far] = crossings(figure, figure.width() / 2 - 4, 2, 20);
    QVERIFY(nearOnScreen > 0.05 && farOnScreen < 0.95 && nearOnScreen < farOnScreen);
    // Within a pixel of the figure's plot.
    const double pixel = 1.0 / (figure.width() / 2.0 - 44);
    QVERIFY2(
        qAbs(near - nearOnScreen) <= pixel + 0.002 && qAbs(far - farOnScreen) <= pixel + 0.002,
        qPrintable(
            QString("%1 %2 against %3 %4").arg(near).arg(far).arg(nearOnScreen).arg(farOnScreen)));
    if (width > 0)
        return;
    // The smallest figure: the legend's swatch under the chart, and its last line whole.
    bool swatch = false;
    for (int y = figure.height() / 2; y < figure.height(); ++y)
        swatch |= figure.pixel(18, y) == ChartPainter::cameraColours[0];
    QVERIFY(swatch);
    for (int x = 0; x < figure.width(); ++x)
        QCOMPARE(qGray(figure.pixel(x, figure.height() - 1)), 255);
}

void tst_Window::figureSizeTyped_data()
{
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("said"); // under the fields; OK is on only for the range
    const QString range = "Width from 40 to 20000 px, height from 60 to 900 px.";
    QTest::newRow("smallest") << "40"
                              << "60" << range;
    QTest::newRow("largest") << "20000"
                             << "900" << range;
    QTest::newRow("narrow") << "39"
                            << "60"
                            << "The width must be from 40 to 20000 px.";
    QTest::newRow("wide") << "100000"
                          << "60"
                          << "The width must be from 40 to 20000 px.";
    QTest::newRow("empty") << ""
                           << "60"
                           << "The width must be from 40 to 20000 px.";
    QTest::newRow("tall") << "40"
                          << "2147483648"
                          << "The height must be from 60 to 900 px.";
    QTest::newRow("low") << "40"
                         << "59"
                         << "The height must be from 60 to 900 px.";
}

void tst_Window::figureSizeTyped()
{
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(QString, said);
    const bool fits = said.startsWith("Width");
    QWidget parent;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        const QList<QLineEdit *> sides = dialog->findChildren<QLineEdit *>();
        for (const auto &[side, typed] :
             {std::pair{sides.value(0), width}, {sides.value(1), height}}) {
            side->selectAll();
            QTest::keyClick(side, Qt::Key_Delete);
            QTest::keyClicks(side, typed);
            QCOMPARE(side->text(), typed);
        }
        QCOMPARE(dialog->findChild<QLabel *>("range")->text(), said);
        QTest::keyClick(sides.value(1), Qt::Key_Return);
        if (dialog->isVisible())
            dialog->reject();
    });
    QCOMPARE(Prompts().figureSize(&parent, "px", QSize(200, 100), QSize(40, 60), QSize(20000, 900)),
             fits ? QSize(width.toInt(), height.toInt()) : QSize());
}

void tst_Window::eitherDecimalSeparator_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("typed");
    QTest::newRow("English, comma") << QLocale::c() << "2,5";
    QTest::newRow("English, point") << QLocale::c() << "2.5";
    QTest::newRow("German, point") << QLocale(QLocale::German) << "2.5";
    QTest::newRow("German, comma") << QLocale(QLocale::German) << "2,5";
}

void tst_Window::eitherDecimalSeparator()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, typed);

    QLocale::setDefault(locale);
    const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
    const CoutCapture quiet;
    mainWin window;
    for (QDoubleSpinBox *box : {window.c2_fdist, window.c1_coc}) {
        box->selectAll();
        QTest::keyClicks(box, typed);
        QTest::keyClick(box, Qt::Key_Enter);
        QCOMPARE(box->value(), 2.5);
    }
}

QTEST_MAIN(tst_Window)
#include "tst_window.moc"
