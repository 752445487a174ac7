#include "mainwin.h"

#include "appicon.h"
#include "camerabuttons.h"
#include "chart/graph.h"
#include "chart/scene.h"
#include "chartactions.h"
#include "chartgestures.h"
#include "compareactions.h"
#include "detailspanel.h"
#include "document.h"
#include "information.h"
#include "plandock.h"
#include "preferences.h"
#include "product.h"
#include "prompts.h"
#include "readout.h"
#include "session.h"
#include "standardkeys.h"
#include "tableactions.h"
#include "undohistory.h"
#include "viewoptions.h"
#include "windowplacement.h"

#include <QCloseEvent>

#include <cstdlib>

// The form is built before the rooms that bind to it.
static const Ui_mainWin &builtForm(mainWin *window)
{
    window->setupUi(window);
    return *window;
}

mainWin::mainWin()
    : version(productVersion)
    , prompts(std::make_unique<Prompts>())
    , form{CameraForm(builtForm(this), 0), CameraForm(*this, 1)}
    , border(DSB_leftBorder, SB_leftBorder, {c1_flength, c2_flength})
    , fileForm(*this, form, border)
    , history(new UndoHistory(
          centralwidget, [this] { run(); }, this))
    , view(new ViewOptions(*this))
    , document(new Document(this, fileForm, prompts))
    , chart(new graph(frame))
    , readout(new StatusReadout(statusBar(), chart))
    , chartActions(new ChartActions(chart, prompts))
    , preferences(new Preferences(this, menuOpenRecent, prompts))
    , placement(new WindowPlacement(this, chartSplitter, frame))
    , details(new DetailsPanel(*this))
    , buttons(
          new CameraButtons(form, {c1_cocPresets, c2_cocPresets}, cameras, *history, statusBar()))
    , compareActions(new CompareActions(*this, form, *view, *history, [this] { return setups(); }))
    , plan(new PlanDock(this, *this, form, *history))
    , tables(
          new TableActions(this, *this, form, *view, *plan, prompts, [this] { return setups(); }))
    , session(new Session(this, *document, *placement, prompts))
{
    setWindowIcon(applicationIcon());
    chartLayout->addWidget(chart);
    new ChartGestures(chart, *this, *history, [this] { run(); });
    connectControls();
    addMenus();
    // Narrower, the chart's own controls would be cut.
    chartPane->setMinimumWidth(hboxLayout->sizeHint().width());
    connect(document, &Document::replaced, this, &mainWin::run);
    connect(document, &Document::opened, history, &UndoHistory::clear);
    connect(view, &ViewOptions::changed, this, &mainWin::run);
    connect(plan, &PlanDock::changed, this, &mainWin::run);
    placement->restore();
    run();
    document->markSaved();
    history->clear();
}

mainWin::~mainWin() = default;

QString mainWin::currentFileName() const
{
    return document->fileName();
}

void mainWin::openFile(const QString &path)
{
    document->openFile(path);
}

void mainWin::setPrompts(std::unique_ptr<Prompts> replacement)
{
    prompts = std::move(replacement);
}

void mainWin::connectControls()
{
    using Numbers = std::initializer_list<QDoubleSpinBox *>;
    for (QDoubleSpinBox *input : Numbers{c1_fdist, c2_fdist, c1_apature, c2_apature, c1_flength,
                                         c2_flength, c1_coc, c2_coc, DSB_leftBorder})
        connect(input, &QDoubleSpinBox::valueChanged, this, &mainWin::run);
    for (QSlider *scale : {qxscale, qyscale})
        connect(scale, &QSlider::valueChanged, this, &mainWin::run);
    for (QAbstractButton *option :
         std::initializer_list<QAbstractButton *>{distanceCam, distanceFP, c1_calcDef, c2_calcDef})
        connect(option, &QAbstractButton::toggled, this, &mainWin::run);
    connect(SB_leftBorder, &QScrollBar::valueChanged, this, &mainWin::setDist);
    connect(c1_set_Hyper, &QPushButton::clicked, this, &mainWin::setC1Hyper);
    connect(c2_set_Hyper, &QPushButton::clicked, this, &mainWin::setC2Hyper);
    for (QGroupBox *camera : {boxC1, boxC2})
        connect(camera, &QGroupBox::toggled, this, &mainWin::run);
    connect(c1_setCOCPS, &QPushButton::released, this, &mainWin::setC1CocPS);
    connect(c2_setCOCPS, &QPushButton::released, this, &mainWin::setC2CocPS);
    // After the recalculations: a step is what they left, and the title
    // marks what differs from the file. The presets' inputs change no
    // result until applied, but the file keeps them.
    history->watchControls();
    connect(history, &UndoHistory::changed, document, &Document::showModified);
}

void mainWin::addMenus()
{
    menuEdit->insertActions(actionCopy_Chart, {history->undoAction(), history->redoAction()});
    menuEdit->insertSeparator(actionCopy_Chart);
    assignStandardKeys(*this);
    connect(actionQuit, &QAction::triggered, this, &mainWin::quit);
    connect(actionOpen, &QAction::triggered, this, &mainWin::load);
    connect(actionSave, &QAction::triggered, this, &mainWin::save);
    connect(actionSave_as, &QAction::triggered, this, &mainWin::saveAs);
    // Menu entries that the slot table leaves unbound.
    connect(actionNew, &QAction::triggered, this, &mainWin::newDocument);
    connect(actionUserGuide, &QAction::triggered, this, &mainWin::help);
    connect(actionHelp, &QAction::triggered, this, &mainWin::vcheck);
    connect(actionAbout, &QAction::triggered, this, &mainWin::about);

    connect(preferences, &Preferences::recentFileChosen, document, &Document::openChosen);
    connect(document, &Document::fileNamed, preferences, &Preferences::addRecentFile);
    connect(actionExport_Chart, &QAction::triggered, chartActions, &ChartActions::exportChart);
    connect(actionCopy_Chart, &QAction::triggered, chartActions, &ChartActions::copyChart);
}

Scene mainWin::scene() const
{
    return {view->axis(),
            qyscale->value(),
            cameras,
            {boxC1->isChecked(), boxC2->isChecked()},
            {c1_calcDef->isChecked(), c2_calcDef->isChecked()},
            QStringLiteral("%1 %2").arg(productName, version),
            plan->marks()};
}

void mainWin::run()
{
    border.follow(view->unit());
    qxscaled->setNum(qxscale->value());
    qyscaled->setNum(qyscale->value());
    for (std::size_t k = 0; k < cameras.size(); ++k) {
        cameras[k] = form[k].optics();
        form[k].showHyperfocal(cameras[k], view->unit());
    }
    const std::array<CameraSetup, 2> setup = setups();
    const std::array<bool, 2> shown{boxC1->isChecked(), boxC2->isChecked()};
    plan->follow(setup, shown, view->unit());
    // Only the chart repaints at once; the far slower rest on the next pass.
    chart->setScene(scene());
    chart->repaint();
    readout->showDepthOfField();
    details->setCameras(setup, shown, view->unit());
}

void mainWin::setDist()
{
    DSB_leftBorder->setShownValue(Length::in(SB_leftBorder->value(), view->unit()).metres());
}

void mainWin::setC1CocPS()
{
    buttons->setCocFromPixelSize(0);
}

void mainWin::setC2CocPS()
{
    buttons->setCocFromPixelSize(1);
}

void mainWin::load()
{
    document->open();
}

void mainWin::save()
{
    document->save();
}

void mainWin::saveAs()
{
    document->saveAs();
}

void mainWin::quit()
{
    if (session->mayEnd())
        std::exit(0);
}

Session &mainWin::endOfRun() const
{
    return *session;
}

void mainWin::closeEvent(QCloseEvent *event)
{
    event->setAccepted(session->mayEnd());
}

void mainWin::about()
{
    Information::showAbout(version);
}

void mainWin::vcheck()
{
    Information::openVersionPage(this, *prompts, version);
}

void mainWin::help()
{
    Information::showUserGuide(this);
}

void mainWin::setC1Hyper()
{
    buttons->setHyperfocal(0);
}

void mainWin::setC2Hyper()
{
    buttons->setHyperfocal(1);
}

std::array<CameraSetup, 2> mainWin::setups() const
{
    return {form[0].setup(cameras[0]), form[1].setup(cameras[1])};
}

void mainWin::newDocument()
{
    const UndoHistory::Step step(*history, actionNew->text());
    document->newDocument();
}
