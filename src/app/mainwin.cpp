#include "mainwin.h"

#include "appicon.h"
#include "camerasettings.h"
#include "chart/graph.h"
#include "optics/presets.h"
#include "prompts.h"

#include <QDir>
#include <QVBoxLayout>

#include <cstdlib>
#include <iostream>

namespace {

QString fileFilter()
{
    return mainWin::tr(" 0.01 (*.cbp)");
}

} // namespace

mainWin::mainWin()
    : prompts(std::make_unique<Prompts>())
{
    version = QStringLiteral("0.01beta");
    setupUi(this);
    initialForm = FormState::capture(this);
    setWindowTitle(QStringLiteral("Sharpa"));
    setWindowIcon(applicationIcon());
    connectControls();
    installChart();
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

void mainWin::setPrompts(std::unique_ptr<Prompts> replacement)
{
    prompts = std::move(replacement);
}

mainWin::CameraControls mainWin::controls(int index) const
{
    if (index == 0)
        return {boxC1, c1_fdist, c1_apature, c1_flength, c1_coc, c1_set_Hyper, c1_crop, c1_quality};
    return {boxC2, c2_fdist, c2_apature, c2_flength, c2_coc, c2_set_Hyper, c2_crop, c2_quality};
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

    // Menu entries that the slot table leaves unbound.
    connect(actionNew, &QAction::triggered, this, &mainWin::newForm);
    connect(actionHelp, &QAction::triggered, this, &mainWin::help);
    connect(actionAbout, &QAction::triggered, this, &mainWin::about);
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
    c.coc->setValue(Presets::circleOfConfusion(c.crop->currentIndex(), c.quality->currentIndex()));
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

void mainWin::quit()
{
    std::exit(0);
}

void mainWin::newForm()
{
    initialForm.restore();
    fileName.clear();
    setWindowTitle(QStringLiteral("Sharpa"));
    run();
}

void mainWin::load()
{
    const QString path
        = prompts->openFileName(this, tr("Open File"), QDir::currentPath(), fileFilter());
    if (path.isEmpty())
        return;
    QString error;
    const std::optional<CameraSettings> settings = SettingsFile::read(path, &error);
    if (!settings) {
        reportFailure(tr("Could not open the camera settings file %1.\n%2"), path, error);
        return;
    }
    fileName = path;
    showFileName();
    applySettings(*settings);
    run();
}

void mainWin::save()
{
    QString path = fileName;
    if (path.isEmpty())
        path = prompts->saveFileName(this, tr("Save File"), QDir::currentPath(), fileFilter());
    if (!path.isEmpty())
        writeSettings(path);
}

void mainWin::saveAs()
{
    const QString path
        = prompts->saveFileName(this, tr("Save File"), QDir::currentPath(), fileFilter());
    if (!path.isEmpty())
        writeSettings(path);
}

void mainWin::writeSettings(const QString &path)
{
    QString error;
    if (!SettingsFile::write(path, currentSettings(), &error)) {
        reportFailure(tr("Could not save the camera settings to %1.\n%2"), path, error);
        return;
    }
    fileName = path;
    showFileName();
}

// message takes the file as %1 and the reason as %2.
void mainWin::reportFailure(const QString &message, const QString &path, const QString &reason)
{
    prompts->warn(this, QStringLiteral("Sharpa"),
                  message.arg(QDir::toNativeSeparators(path), reason));
}

void mainWin::showFileName()
{
    setWindowTitle(QStringLiteral("Sharpa ") + fileName);
}

CameraSettings mainWin::currentSettings() const
{
    CameraSettings settings;
    settings.leftBorder = DSB_leftBorder->value();
    settings.distanceCam = distanceCam->isChecked();
    settings.distanceFP = distanceFP->isChecked();
    settings.xScale = qxscale->value();
    settings.yScale = qyscale->value();
    for (int k = 0; k < 2; ++k) {
        const CameraControls c = controls(k);
        settings.cameras[std::size_t(k)] = {c.box->isChecked(), c.fdist->value(),
                                            c.apature->value(), c.flength->value(), c.coc->value()};
    }
    return settings;
}

void mainWin::applySettings(const CameraSettings &settings)
{
    // In file order, one control at a time: each value is echoed on its own
    // line, then set; the change recalculates as if typed, and the control
    // applies the range it has at that moment.
    const auto apply = [](auto value, auto &&setter) {
        std::cout << value << '\n';
        setter(value);
    };
    apply(settings.leftBorder, [this](double v) { DSB_leftBorder->setValue(v); });
    apply(settings.distanceCam, [this](bool v) { distanceCam->setChecked(v); });
    apply(settings.distanceFP, [this](bool v) { distanceFP->setChecked(v); });
    apply(settings.xScale, [this](int v) { qxscale->setValue(v); });
    apply(settings.yScale, [this](int v) { qyscale->setValue(v); });
    for (int k = 0; k < 2; ++k) {
        const CameraSettings::Camera &camera = settings.cameras[std::size_t(k)];
        const CameraControls c = controls(k);
        apply(camera.inUse, [&c](bool v) { c.box->setChecked(v); });
        apply(camera.fdist, [&c](double v) { c.fdist->setValue(v); });
        apply(camera.apature, [&c](double v) { c.apature->setValue(v); });
        apply(camera.flength, [&c](double v) { c.flength->setValue(v); });
        apply(camera.coc, [&c](double v) { c.coc->setValue(v); });
    }
}
