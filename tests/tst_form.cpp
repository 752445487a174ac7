#include "ui_mainwin.h"

#include <QtTest>

#include <QTranslator>

// The form directly after setupUi, before the window recalculates.
class tst_Form : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void objects_data();
    void objects();
    void doubleSpinBoxes_data();
    void doubleSpinBoxes();
    void comboBoxes_data();
    void comboBoxes();
    void texts_data();
    void texts();
    void sliders_data();
    void sliders();
    void checkStates();
    void radioPairIsExclusive();
    void checkableGroupDisablesItsControls();
    void controlRowOrder();
    void cameraGridCells_data();
    void cameraGridCells();
    void spacers();
    void menus();
    void windowGeometry();
    void textsUseTheMainWinContext();

private:
    QMainWindow *window = nullptr;
    Ui_mainWin ui;

    template<typename T>
    T *child(const QString &name) const
    {
        auto *object = window->findChild<T *>(name);
        if (!object)
            qWarning("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
        return object;
    }
};

void tst_Form::init()
{
    window = new QMainWindow;
    ui.setupUi(window);
}

void tst_Form::cleanup()
{
    delete window;
    window = nullptr;
}

void tst_Form::objects_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("parentName");

    const char *const table[][3] = {
        {"centralwidget", "QWidget", "mainWin"},
        {"frame", "QFrame", "centralwidget"},
        {"DSB_leftBorder", "QDoubleSpinBox", "centralwidget"},
        {"distanceFP", "QRadioButton", "centralwidget"},
        {"qyscaled", "QLabel", "centralwidget"},
        {"SB_leftBorder", "QScrollBar", "centralwidget"},
        {"boxC2", "QGroupBox", "centralwidget"},
        {"c1_set_Hyper", "QPushButton", "boxC1"},
        {"label_23", "QLabel", "boxC1"},
        {"groupBox_6", "QGroupBox", "boxC1"},
        {"c1_quality", "QComboBox", "groupBox_6"},
        {"comboBox_7", "QComboBox", "groupBox_6"},
        {"groupBox_7", "QGroupBox", "boxC1"},
        {"spinBox_2", "QSpinBox", "groupBox_7"},
        {"doubleSpinBox_10", "QDoubleSpinBox", "groupBox_7"},
        {"pushButton_4", "QPushButton", "groupBox_7"},
        {"c2_calcDef", "QCheckBox", "boxC2"},
        {"groupBox_3", "QGroupBox", "boxC2"},
        {"c2_crop", "QComboBox", "groupBox_3"},
        {"comboBox_4", "QComboBox", "groupBox_3"},
        {"groupBox_4", "QGroupBox", "boxC2"},
        {"comboBox_5", "QComboBox", "groupBox_4"},
        {"menuFile", "QMenu", "menubar"},
        {"statusbar", "QStatusBar", "mainWin"},
        {"actionSave_as", "QAction", "mainWin"},
    };
    for (const auto &row : table)
        QTest::newRow(row[0]) << row[1] << row[2];
}

void tst_Form::objects()
{
    QFETCH(QString, className);
    QFETCH(QString, parentName);

    QCOMPARE(window->objectName(), QStringLiteral("mainWin"));
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    auto *object = window->findChild<QObject *>(name);
    QVERIFY(object);
    QCOMPARE(QString::fromLatin1(object->metaObject()->className()), className);
    QVERIFY(object->parent());
    QCOMPARE(object->parent()->objectName(), parentName);
}

void tst_Form::doubleSpinBoxes_data()
{
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<double>("singleStep");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("suffix");

    QTest::newRow("DSB_leftBorder") << 2 << 0.0 << 99999.0 << 0.1 << 1.0 << ""
                                    << " m";
    for (const char *camera : {"c1_", "c2_"}) {
        const QByteArray p(camera);
        QTest::newRow(p + "fdist") << 2 << 0.0 << 99999.0 << 0.1 << 4.0 << ""
                                   << " m";
        QTest::newRow(p + "apature") << 1 << 0.7 << 32.0 << 0.33333 << 2.0 << "f/"
                                     << "";
        QTest::newRow(p + "coc") << 4 << 0.0001 << 10.0 << 0.001 << 0.0125 << ""
                                 << " mm";
    }
    QTest::newRow("c1_flength") << 2 << 1.0 << 5000.0 << 10.0 << 85.0 << ""
                                << " mm";
    QTest::newRow("c2_flength") << 2 << 1.0 << 5000.0 << 10.0 << 135.0 << ""
                                << " mm";
    QTest::newRow("doubleSpinBox_10") << 2 << 0.0 << 99.99 << 1.0 << 0.0 << ""
                                      << "";
    QTest::newRow("doubleSpinBox_7") << 2 << 0.0 << 99.99 << 1.0 << 0.0 << ""
                                     << "";
}

void tst_Form::doubleSpinBoxes()
{
    QFETCH(int, decimals);
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(double, singleStep);
    QFETCH(double, value);
    QFETCH(QString, prefix);
    QFETCH(QString, suffix);

    auto *box = child<QDoubleSpinBox>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(box);
    QCOMPARE(box->decimals(), decimals);
    // The smallest CoC survives only because decimals are set before the range.
    QCOMPARE(box->minimum(), minimum);
    QCOMPARE(box->maximum(), maximum);
    QCOMPARE(box->singleStep(), singleStep);
    QCOMPARE(box->value(), value);
    QCOMPARE(box->prefix(), prefix);
    QCOMPARE(box->suffix(), suffix);
}

void tst_Form::comboBoxes_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("current");

    const QStringList crops{"1.0", "1.5", "1.6", "2.0"};
    const QStringList quality{"Standard",       "6 Mill. Pixel",  "8 Mill. Pixel",
                              "10 Mill. Pixel", "12 Mill. Pixel", "15 Mill. Pixel",
                              "21 Mill. Pixel", "32 Mill. Pixel"};
    const QStringList forms{"3:2", "4:3"};
    QTest::newRow("c1_crop") << crops << 2;
    QTest::newRow("c2_crop") << crops << 0;
    QTest::newRow("c1_quality") << quality << 0;
    QTest::newRow("c2_quality") << quality << 0;
    for (const char *name : {"comboBox_7", "comboBox_4", "comboBox_8", "comboBox_5"})
        QTest::newRow(name) << forms << 0;
}

void tst_Form::comboBoxes()
{
    QFETCH(QStringList, items);
    QFETCH(int, current);

    auto *box = child<QComboBox>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(box);
    QStringList actual;
    for (int i = 0; i < box->count(); ++i)
        actual << box->itemText(i);
    QCOMPARE(actual, items);
    QCOMPARE(box->currentIndex(), current);
    QVERIFY(!box->isEditable());
}

void tst_Form::texts_data()
{
    QTest::addColumn<QString>("text");

    const char *const table[][2] = {
        {"label_3", "Left Border"},
        {"distanceCam", "Distance from Camera"},
        {"distanceFP", "Distance from focus plane"},
        {"label_2", "Distance scale"},
        {"boxC2", "Camera 2"},
        {"label_21", "Apature"},
        {"label_23", "Circel of Confusion"},
        {"label_7", "Circel of Confusion"},
        {"c2_set_Hyper", "Set to hyperfocal"},
        {"c1_calcDef", "Calc with diffraction"},
        {"groupBox_3", "Set CoC by Pixelsize"},
        {"label_14", "Crop factor"},
        {"label_16", "Quality"},
        {"label_10", "Form Factor"},
        {"groupBox_7", "Set CoC by view distance"},
        {"label_11", "View distance"},
        {"label_13", "Form Factor"},
        {"label_18", "Image width"},
        {"pushButton_2", "Set"},
    };
    for (const auto &row : table)
        QTest::newRow(row[0]) << row[1];
}

void tst_Form::texts()
{
    QFETCH(QString, text);

    auto *object = window->findChild<QObject *>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(object);
    const char *property = qobject_cast<QGroupBox *>(object) ? "title" : "text";
    QCOMPARE(object->property(property).toString(), text);
}

void tst_Form::sliders_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");

    QTest::newRow("qxscale") << 1 << 99 << 10;
    QTest::newRow("qyscale") << 1 << 99 << 10;
    QTest::newRow("SB_leftBorder") << 0 << 99 << 0;
    QTest::newRow("spinBox_2") << 0 << 99 << 0;
    QTest::newRow("spinBox") << 0 << 99 << 0;
}

void tst_Form::sliders()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, value);

    auto *object = window->findChild<QObject *>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(object);
    QCOMPARE(object->property("minimum").toInt(), minimum);
    QCOMPARE(object->property("maximum").toInt(), maximum);
    QCOMPARE(object->property("value").toInt(), value);
    if (auto *slider = qobject_cast<QAbstractSlider *>(object)) {
        QCOMPARE(slider->orientation(), Qt::Horizontal);
        slider->setValue(-5);
        QCOMPARE(slider->value(), minimum);
        slider->setValue(500);
        QCOMPARE(slider->value(), maximum);
    }
}

void tst_Form::checkStates()
{
    QVERIFY(ui.distanceCam->isChecked());
    QVERIFY(!ui.distanceFP->isChecked());
    for (QGroupBox *box : {ui.boxC1, ui.boxC2}) {
        QVERIFY(box->isCheckable());
        QVERIFY(box->isChecked());
        QVERIFY(!box->isFlat());
    }
    for (QGroupBox *box : {ui.groupBox_6, ui.groupBox_7, ui.groupBox_3, ui.groupBox_4}) {
        QVERIFY(box->isFlat());
        QVERIFY(!box->isCheckable());
    }
    QVERIFY(!ui.c1_calcDef->isChecked());
    QVERIFY(!ui.c2_calcDef->isChecked());
    QCOMPARE(ui.frame->frameShape(), QFrame::StyledPanel);
    QCOMPARE(ui.frame->frameShadow(), QFrame::Raised);
    QCOMPARE(ui.frame->sizePolicy().verticalPolicy(), QSizePolicy::MinimumExpanding);
    QCOMPARE(ui.frame->sizePolicy().horizontalPolicy(), QSizePolicy::Preferred);
    QCOMPARE(ui.label_24->textFormat(), Qt::RichText);
    QTextDocument document;
    document.setHtml(ui.label_24->text());
    QCOMPARE(document.toPlainText(), QStringLiteral("Uz-Scale"));
}

void tst_Form::radioPairIsExclusive()
{
    ui.distanceFP->setChecked(true);
    QVERIFY(!ui.distanceCam->isChecked());
    ui.distanceCam->setChecked(true);
    QVERIFY(!ui.distanceFP->isChecked());
    // A checked button of the pair cannot be unchecked on its own.
    ui.distanceCam->setChecked(false);
    QVERIFY(ui.distanceCam->isChecked());
}

void tst_Form::checkableGroupDisablesItsControls()
{
    ui.boxC2->setChecked(false);
    QVERIFY(!ui.c2_fdist->isEnabled());
    QVERIFY(!ui.c2_setCOCPS->isEnabled());
    QVERIFY(ui.c1_fdist->isEnabled());
}

void tst_Form::controlRowOrder()
{
    const QList<QWidget *> expected{ui.DSB_leftBorder, ui.label_3, nullptr,     ui.distanceCam,
                                    ui.distanceFP,     nullptr,    ui.label_2,  ui.qxscale,
                                    ui.qxscaled,       nullptr,    ui.label_24, ui.qyscale,
                                    ui.qyscaled};
    QCOMPARE(ui.hboxLayout->count(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        QLayoutItem *item = ui.hboxLayout->itemAt(i);
        if (expected[i])
            QCOMPARE(item->widget(), expected[i]);
        else
            QVERIFY2(item->spacerItem(), qPrintable(QString::number(i)));
    }
    const QList<QLayoutItem *> column{ui.vboxLayout->itemAt(0), ui.vboxLayout->itemAt(1),
                                      ui.vboxLayout->itemAt(2), ui.vboxLayout->itemAt(3)};
    QCOMPARE(column[0]->widget(), ui.frame);
    QCOMPARE(column[1]->layout(), ui.hboxLayout);
    QCOMPARE(column[2]->widget(), ui.SB_leftBorder);
    QCOMPARE(column[3]->layout(), ui.hboxLayout1);
    QCOMPARE(ui.hboxLayout1->itemAt(1)->widget(), ui.boxC1);
    QCOMPARE(ui.hboxLayout1->itemAt(3)->widget(), ui.boxC2);
}

void tst_Form::cameraGridCells_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("camera1");
    QTest::addColumn<QString>("camera2");

    QTest::newRow("focus label") << 0 << 0 << "label_20"
                                 << "label_4";
    QTest::newRow("focus") << 0 << 1 << "c1_fdist"
                           << "c2_fdist";
    QTest::newRow("hyperfocal") << 0 << 2 << "c1_set_Hyper"
                                << "c2_set_Hyper";
    QTest::newRow("f-number label") << 1 << 0 << "label_21"
                                    << "label_5";
    QTest::newRow("f-number") << 1 << 1 << "c1_apature"
                              << "c2_apature";
    QTest::newRow("empty 1,2") << 1 << 2 << ""
                               << "";
    QTest::newRow("focal length label") << 2 << 0 << "label_22"
                                        << "label_6";
    QTest::newRow("focal length") << 2 << 1 << "c1_flength"
                                  << "c2_flength";
    QTest::newRow("empty 2,2") << 2 << 2 << ""
                               << "";
    QTest::newRow("coc label") << 3 << 0 << "label_23"
                               << "label_7";
    QTest::newRow("coc") << 3 << 1 << "c1_coc"
                         << "c2_coc";
    QTest::newRow("diffraction") << 3 << 2 << "c1_calcDef"
                                 << "c2_calcDef";
}

void tst_Form::cameraGridCells()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, camera1);
    QFETCH(QString, camera2);

    const QList<QPair<QGridLayout *, QString>> grids{{ui.gridLayout, camera1},
                                                     {ui.gridLayout1, camera2}};
    for (const auto &[grid, name] : grids) {
        QLayoutItem *item = grid->itemAtPosition(row, column);
        if (name.isEmpty()) {
            QVERIFY(!item);
            continue;
        }
        QVERIFY(item && item->widget());
        QCOMPARE(item->widget()->objectName(), name);
    }
    QCOMPARE(ui.hboxLayout2->itemAt(0)->layout(), ui.gridLayout);
    QCOMPARE(ui.hboxLayout9->itemAt(0)->layout(), ui.gridLayout1);
}

void tst_Form::spacers()
{
    int count = 0;
    const QList<QLayout *> layouts = window->findChildren<QLayout *>();
    for (QLayout *layout : layouts) {
        if (layout->objectName().isEmpty()) // the main window's own layout
            continue;
        for (int i = 0; i < layout->count(); ++i) {
            QSpacerItem *spacer = layout->itemAt(i)->spacerItem();
            if (!spacer)
                continue;
            ++count;
            QCOMPARE(spacer->sizeHint(), QSize(40, 20));
            QCOMPARE(spacer->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
            QCOMPARE(spacer->sizePolicy().verticalPolicy(), QSizePolicy::Minimum);
        }
    }
    QCOMPARE(count, 18);
    // The pixel-size "Set" button is pushed to the right by its spacer.
    QVERIFY(ui.hboxLayout5->itemAt(0)->spacerItem());
    QCOMPARE(ui.hboxLayout5->itemAt(1)->widget(), ui.c1_setCOCPS);
    QCOMPARE(ui.hboxLayout4->itemAt(1)->widget(), ui.c1_quality);
    QCOMPARE(ui.hboxLayout14->itemAt(1)->widget(), ui.comboBox_5);
}

void tst_Form::menus()
{
    const QList<QAction *> bar = ui.menubar->actions();
    QCOMPARE(bar.size(), 2);
    QCOMPARE(bar[0]->menu(), ui.menuFile);
    QCOMPARE(bar[1]->menu(), ui.menuHelp);
    QCOMPARE(ui.menuFile->title(), QStringLiteral("File"));
    QCOMPARE(ui.menuHelp->title(), QStringLiteral("Help"));

    QStringList file;
    for (QAction *action : ui.menuFile->actions()) {
        QVERIFY(!action->isSeparator());
        QVERIFY(!action->isCheckable());
        QVERIFY(action->shortcut().isEmpty());
        file << action->objectName() + QLatin1Char('=') + action->text();
    }
    QCOMPARE(file,
             QStringList({"actionNew=New", "actionOpen=Open", "actionSave=Save",
                          "actionSave_as=Save as", "actionQuit=Quit"}));
    QStringList help;
    for (QAction *action : ui.menuHelp->actions())
        help << action->objectName() + QLatin1Char('=') + action->text();
    QCOMPARE(help, QStringList({"actionHelp=Help", "actionAbout=About"}));
}

void tst_Form::windowGeometry()
{
    QCOMPARE(window->size(), QSize(852, 724));
    QCOMPARE(window->windowTitle(), QStringLiteral("MainWindow"));
    QCOMPARE(window->centralWidget(), ui.centralwidget);
    QCOMPARE(window->menuBar(), ui.menubar);
    QCOMPARE(window->statusBar(), ui.statusbar);
}

namespace {
// Marks every text it is asked for in the form's context.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "mainWin") != 0)
            return {};
        return QStringLiteral("#") + QString::fromUtf8(sourceText);
    }
};
} // namespace

void tst_Form::textsUseTheMainWinContext()
{
    MarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    ui.retranslateUi(window);
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(ui.label_23->text(), QStringLiteral("#Circel of Confusion"));
    QCOMPARE(ui.c1_apature->prefix(), QStringLiteral("#f/"));
    QCOMPARE(ui.DSB_leftBorder->suffix(), QStringLiteral("# m"));
    QCOMPARE(ui.c2_quality->itemText(7), QStringLiteral("#32 Mill. Pixel"));
    QCOMPARE(ui.actionSave_as->text(), QStringLiteral("#Save as"));
    QCOMPARE(ui.menuHelp->title(), QStringLiteral("#Help"));
    QCOMPARE(ui.boxC2->title(), QStringLiteral("#Camera 2"));
}

QTEST_MAIN(tst_Form)
#include "tst_form.moc"
