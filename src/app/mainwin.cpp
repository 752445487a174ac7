#include "mainwin.h"

#include "appicon.h"
#include "camerasettings.h"
#include "chart/chartinput.h"
#include "chart/chartpainter.h"
#include "chart/graph.h"
#include "decimalkeys.h"
#include "optics/presets.h"
#include "prompts.h"
#include "readout.h"
#include "safefile.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLocale>
#include <QMouseEvent>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

mainWin::mainWin()
    : prompts(std::make_unique<Prompts>())
{
    version = QStringLiteral("0.01beta");
    setupUi(this);
    initialForm = FormState::capture(this);
    setWindowTitle(QStringLiteral("Sharpa[*]"));
    setWindowIcon(applicationIcon());
    connectControls();
    installChart();
    addChartActions();
    installReadout();
    acceptBothDecimalSeparators(this);
    setAcceptDrops(true);
    fitToScreen();
    run();
    markSaved();
}

void mainWin::fitToScreen()
{
    // Never larger than the screen, never smaller than the form allows.
    resize(size().boundedTo(screen()->availableSize()).expandedTo(minimumSizeHint()));
}

mainWin::~mainWin() = default;

const CameraOptics &mainWin::camera(int index) const
{
    return cameras.at(std::size_t(index));
}

QString mainWin::versionText() const
{
    return version;
}

QString mainWin::currentFileName() const
{
    return fileName;
}

void mainWin::setPrompts(std::unique_ptr<Prompts> replacement)
{
    prompts = std::move(replacement);
}

mainWin::CameraControls mainWin::controls(int index) const
{
    if (index == 0)
        return {boxC1,      c1_fdist,         c1_apature, c1_flength,  c1_coc,
                c1_calcDef, c1_set_Hyper,     c1_crop,    c1_quality,  comboBox_7,
                spinBox_2,  doubleSpinBox_10, comboBox_8, pushButton_4};
    return {boxC2,   c2_fdist,   c2_apature, c2_flength, c2_coc,          c2_calcDef, c2_set_Hyper,
            c2_crop, c2_quality, comboBox_4, spinBox,    doubleSpinBox_7, comboBox_5, pushButton_2};
}

void mainWin::connectControls()
{
    actionNew->setShortcut(QKeySequence::New);
    actionOpen->setShortcut(QKeySequence::Open);
    actionSave->setShortcut(QKeySequence::Save);
    actionSave_as->setShortcut(QKeySequence::SaveAs);
    actionQuit->setShortcut(QKeySequence::Quit);
    actionHelp->setShortcut(QKeySequence::HelpContents);
    connect(actionQuit, &QAction::triggered, this, &mainWin::quit);
    connect(actionOpen, &QAction::triggered, this, &mainWin::load);
    connect(actionSave, &QAction::triggered, this, &mainWin::save);
    connect(actionSave_as, &QAction::triggered, this, &mainWin::saveAs);
    for (QDoubleSpinBox *input : {c1_fdist, c2_fdist, c1_apature, c2_apature, c1_flength,
                                  c2_flength, c1_coc, c2_coc, DSB_leftBorder})
        connect(input, &QDoubleSpinBox::valueChanged, this, &mainWin::run);
    connect(qxscale, &QSlider::valueChanged, this, &mainWin::run);
    connect(qyscale, &QSlider::valueChanged, this, &mainWin::run);
    connect(distanceCam, &QRadioButton::toggled, this, &mainWin::run);
    connect(distanceFP, &QRadioButton::toggled, this, &mainWin::run);
    connect(SB_leftBorder, &QScrollBar::valueChanged, this, &mainWin::setDist);
    connect(c1_set_Hyper, &QPushButton::clicked, this, &mainWin::setC1Hyper);
    connect(c2_set_Hyper, &QPushButton::clicked, this, &mainWin::setC2Hyper);
    connect(boxC1, &QGroupBox::toggled, this, &mainWin::run);
    connect(boxC2, &QGroupBox::toggled, this, &mainWin::run);
    connect(c1_setCOCPS, &QPushButton::released, this, &mainWin::setC1CocPS);
    connect(c2_setCOCPS, &QPushButton::released, this, &mainWin::setC2CocPS);
    connect(c1_calcDef, &QCheckBox::toggled, this, &mainWin::run);
    connect(c2_calcDef, &QCheckBox::toggled, this, &mainWin::run);

    // Menu entries that the slot table leaves unbound.
    connect(actionNew, &QAction::triggered, this, &mainWin::newForm);
    connect(actionHelp, &QAction::triggered, this, &mainWin::help);
    connect(actionAbout, &QAction::triggered, this, &mainWin::about);
    for (int k = 0; k < 2; ++k)
        connect(controls(k).setViewCoc, &QPushButton::clicked, this,
                [this, k] { setCocFromViewDistance(k); });
}

void mainWin::installChart()
{
    auto *chartLayout = new QVBoxLayout(frame);
    auto *chart = new graph(frame);
    chart->setSource([this] { return chartInput(); });
    chartLayout->addWidget(chart);
}

ChartInput mainWin::chartInput() const
{
    ChartInput input;
    input.scale.xs = qxscale->value();
    input.scale.ys = qyscale->value();
    input.scale.leftBorder = qint64(DSB_leftBorder->value() * 1000);
    input.scale.fromCamera = distanceCam->isChecked();
    input.cameras = cameras;
    input.shown = {boxC1->isChecked(), boxC2->isChecked()};
    input.diffraction = {c1_calcDef->isChecked(), c2_calcDef->isChecked()};
    input.credit = QStringLiteral("Sharpa ") + version;
    return input;
}

void mainWin::addChartActions()
{
    auto *exportAction = new QAction(tr("Export Chart..."), this);
    exportAction->setObjectName(QStringLiteral("actionExport_Chart"));
    menuFile->insertSeparator(actionQuit);
    menuFile->insertAction(actionQuit, exportAction);
    connect(exportAction, &QAction::triggered, this, &mainWin::exportChart);

    auto *edit = new QMenu(tr("Edit"), menubar);
    edit->setObjectName(QStringLiteral("menuEdit"));
    menubar->insertMenu(menuHelp->menuAction(), edit);
    QAction *copy = edit->addAction(tr("Copy Chart"));
    copy->setObjectName(QStringLiteral("actionCopy_Chart"));
    connect(copy, &QAction::triggered, this, &mainWin::copyChart);
}

void mainWin::exportChart()
{
    const QStringList filters = ChartExport::fileFilters();
    QString filter = filters.first();
    const QString answer = prompts->saveFileName(this, tr("Export Chart"), QDir::currentPath(),
                                                 filters.join(QStringLiteral(";;")), &filter);
    if (answer.isEmpty())
        return;
    const auto [path, format] = ChartExport::target(answer, int(filters.indexOf(filter)));
    QString error;
    if (!writeWholeFile(path, ChartExport::encode(format, chartPage(), chartInput()), &error))
        reportFailure(tr("Could not export the chart to %1.\n%2"), path, error);
}

void mainWin::copyChart()
{
    QGuiApplication::clipboard()->setImage(ChartExport::image(chartPage(), chartInput()));
}

ChartExport::Page mainWin::chartPage() const
{
    const QWidget *chart = frame->findChild<graph *>();
    return {chart->size(), chart->devicePixelRatioF(), qreal(chart->logicalDpiY())};
}

void mainWin::run()
{
    // The left border may not go below twice a focal length; camera 2's
    // floor is applied last and wins whenever both apply.
    for (const QDoubleSpinBox *focalLength : {c1_flength, c2_flength}) {
        const double floor = 2 * focalLength->value();
        if (DSB_leftBorder->value() * 1000 > floor)
            DSB_leftBorder->setMinimum(floor / 1000);
    }
    {
        // Follows a typed border without writing back to it.
        const QSignalBlocker quiet(SB_leftBorder);
        SB_leftBorder->setValue(int(std::clamp(std::round(DSB_leftBorder->value()), 1.0, 1000.0)));
    }
    qxscaled->setText(QString::number(qxscale->value()));
    qyscaled->setText(QString::number(qyscale->value()));
    // May move the scroll bar and so re-enter run() through setDist().
    SB_leftBorder->setRange(1, 1000);

    for (int k = 0; k < 2; ++k) {
        const CameraControls c = controls(k);
        cameras[std::size_t(k)].init(c.fdist->value() * 1000, c.apature->value(),
                                     c.flength->value(), c.coc->value());
    }
    for (int k = 0; k < 2; ++k) {
        const double metres = cameras[std::size_t(k)].hyperfocal() / 1000;
        controls(k).setHyper->setText(tr("Set to hyperfocal (") + QString::number(metres, 'f', 1)
                                      + tr("m)"));
    }
    // Only the chart is repainted at once: the whole window takes several
    // times longer, and the labels and buttons changed above repaint
    // themselves on the event loop's next pass.
    frame->repaint();
    showDepthOfField();
    setWindowModified(unsaved.isModified(currentSettings()));
}

void mainWin::setDist()
{
    DSB_leftBorder->setValue(SB_leftBorder->value());
}

void mainWin::setC1CocPS()
{
    setCocFromPixelSize(0);
}

void mainWin::setC2CocPS()
{
    setCocFromPixelSize(1);
}

void mainWin::setCocFromPixelSize(int camera)
{
    const CameraControls c = controls(camera);
    c.coc->setValue(Presets::circleOfConfusion(c.crop->currentIndex(), c.quality->currentIndex(),
                                               c.pixelForm->currentIndex()));
}

void mainWin::setCocFromViewDistance(int camera)
{
    const CameraControls c = controls(camera);
    if (c.viewDistance->value() == 0 || c.printWidth->value() == 0) {
        statusBar()->showMessage(c.viewDistance->value() == 0
                                     ? tr("Enter a view distance to set the CoC from it.")
                                     : tr("Enter an image width to set the CoC from it."),
                                 5000);
        return;
    }
    c.coc->setValue(
        Presets::viewingCircleOfConfusion(c.crop->currentIndex(), c.viewForm->currentIndex(),
                                          c.viewDistance->value(), c.printWidth->value()));
}

void mainWin::installReadout()
{
    for (int k = 0; k < 2; ++k) {
        readouts[std::size_t(k)] = new QLabel(statusBar());
        readouts[std::size_t(k)]->setObjectName(QStringLiteral("readoutC%1").arg(k + 1));
        // The camera's chart colour on its readout and at its group's title.
        const QString colour = QColor(ChartPainter::cameraColours[std::size_t(k)]).name();
        readouts[std::size_t(k)]->setStyleSheet(QStringLiteral("color: %1").arg(colour));
        // Long limits may be cut, but never widen the window.
        readouts[std::size_t(k)]->setMinimumWidth(1);
        statusBar()->addPermanentWidget(readouts[std::size_t(k)]);
        QGroupBox *box = controls(k).box;
        box->setStyleSheet(
            QStringLiteral("#%1::title { color: %2; }").arg(box->objectName(), colour));
    }
    QWidget *chart = frame->findChild<graph *>();
    chart->setMouseTracking(true);
    chart->installEventFilter(this);
}

void mainWin::showDepthOfField()
{
    for (int k = 0; k < 2; ++k) {
        const CameraControls c = controls(k);
        QLabel *readout = readouts[std::size_t(k)];
        readout->setVisible(c.box->isChecked() && !hovering);
        if (c.box->isChecked())
            readout->setText(Readout::depthOfField(
                k, depthOfField(cameras[std::size_t(k)], c.diffraction->isChecked() ? 1 : 0),
                QLocale()));
    }
}

bool mainWin::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseMove && event->type() != QEvent::Leave)
        return QMainWindow::eventFilter(watched, event);
    const auto *chart = static_cast<QWidget *>(watched);
    const ChartGeometry::ChartFrame plot{chart->width(), chart->height()};
    QPoint at(-1, -1);
    if (event->type() == QEvent::MouseMove)
        at = static_cast<QMouseEvent *>(event)->position().toPoint();
    const int column = at.x() - plot.leftMargin;
    if (column >= 0 && column < plot.plotWidth() && at.y() >= plot.topMargin
        && at.y() <= plot.axisRow()) {
        hovering = true;
        for (QLabel *readout : readouts)
            readout->hide();
        statusBar()->showMessage(Readout::atColumn(chartInput(), column, QLocale()));
    } else if (hovering) {
        hovering = false;
        statusBar()->clearMessage();
        showDepthOfField();
    }
    return QMainWindow::eventFilter(watched, event);
}

void mainWin::setC1Hyper()
{
    setFocusToHyperfocal(0);
}

void mainWin::setC2Hyper()
{
    setFocusToHyperfocal(1);
}

void mainWin::setFocusToHyperfocal(int camera)
{
    controls(camera).fdist->setValue(cameras[std::size_t(camera)].hyperfocal() / 1000);
}
