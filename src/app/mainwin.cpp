#include "mainwin.h"

#include "chart/graph.h"

#include <QVBoxLayout>

#include <cstdio>
#include <cstdlib>
#include <iostream>

mainWin::mainWin()
{
    version = QStringLiteral("0.01beta");
    setupUi(this);
    setWindowTitle(QStringLiteral("Sharpa"));
    connectControls();
    installChart();
    fileName = QString();
    run();
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

mainWin::CameraControls mainWin::controls(int index) const
{
    if (index == 0)
        return {c1_fdist, c1_apature, c1_flength, c1_coc, c1_set_Hyper, c1_crop, c1_quality};
    return {c2_fdist, c2_apature, c2_flength, c2_coc, c2_set_Hyper, c2_crop, c2_quality};
}

void mainWin::connectControls()
{
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
}

void mainWin::installChart()
{
    auto *chartLayout = new QVBoxLayout(frame);
    auto *chart = new graph(frame);
    chart->setMainWindow(this);
    chartLayout->addWidget(chart);
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
}

void mainWin::setDist()
{
    DSB_leftBorder->setValue(SB_leftBorder->value());
}

void mainWin::setC1CocPS() {}

void mainWin::setC2CocPS() {}

void mainWin::load() {}

void mainWin::save() {}

void mainWin::saveAs() {}

void mainWin::quit()
{
    std::exit(0);
}

void mainWin::about() {}

void mainWin::vcheck() {}

void mainWin::help() {}

void mainWin::setC1Hyper() {}

void mainWin::setC2Hyper() {}
