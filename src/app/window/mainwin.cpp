#include "mainwin.h"

#include "appicon.h"
#include "camera/cameraview.h"
#include "chart/graph.h"
#include "chart/scene.h"
#include "details/compareactions.h"
#include "details/detailspanel.h"
#include "details/framingoption.h"
#include "details/statusreadout.h"
#include "document/document.h"
#include "document/preferences.h"
#include "export/chartactions.h"
#include "export/exportguard.h"
#include "export/tableactions.h"
#include "history/undohistory.h"
#include "information.h"
#include "mnemonicstyle.h"
#include "model/formmodel.h"
#include "plan/planpanel.h"
#include "preview/previewpanel.h"
#include "product.h"
#include "prompts.h"
#include "session.h"
#include "sidepanels.h"
#include "standardkeys.h"
#include "text/readout.h"
#include "view/chartcontrols.h"
#include "view/chartgestures.h"
#include "view/diffractionoptions.h"
#include "view/viewoptions.h"
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
    , model(new FormModel(this))
    , history(new UndoHistory(*model, this))
    , cameras{new CameraView(builtForm(this), 0, *model, *history),
              new CameraView(*this, 1, *model, *history)}
    , controls(new ChartControls(*this, *model, *history))
    , view(new ViewOptions(*this, *model))
    , diffraction(new DiffractionOptions(*this, *model, *history))
    , framing(new FramingOption(*this, *model, *history))
    , document(new Document(this, *model, prompts))
    , chart(new graph(frame))
    , readout(new StatusReadout(statusBar(), chart))
    , chartActions(new ChartActions(chart, prompts))
    , preferences(new Preferences(this, menuOpenRecent, prompts))
    , placement(new WindowPlacement(this, chartSplitter, frame))
    , details(new DetailsPanel(*this, *model))
    , compareActions(new CompareActions(*this, *model, cameras, *history))
    , plan(new PlanPanel(*this, *model, cameras, *history))
    , preview(new PreviewPanel(*this, *model, prompts))
    , tables(new TableActions(this, *this, *model, *plan, prompts))
    , session(new Session(this, *document, *placement, prompts))
{
    MnemonicStyle::install();
    setWindowIcon(applicationIcon());
    chartLayout->addWidget(chart);
    addPanels();
    auto *gestures = new ChartGestures(chart, *model, *history);
    // Chosen, the close-up axis shows the depth of field.
    connect(actionAxisCloseUp, &QAction::triggered, gestures, &ChartGestures::fitCloseUp);
    connect(actionFit, &QAction::triggered, gestures, &ChartGestures::fitView);
    preview->offerDistances(chart);
    new ExportGuard(
        *model, {actionExport_Chart, actionCopy_Chart, actionExportTable, actionPrintTable}, this);
    connectControls();
    addMenus();
    // Narrower, the chart's own controls would be cut.
    chartPane->setMinimumWidth(hboxLayout->sizeHint().width());
    connect(model, &FormModel::recalculated, this, &mainWin::showResults);
    // The title marks what differs from the file.
    connect(model, &FormModel::changed, document, &Document::showModified);
    connect(model, &FormModel::displayChosen, this, &mainWin::run);
    connect(document, &Document::replaced, this, &mainWin::run);
    connect(document, &Document::replaced, gestures, &ChartGestures::refit);
    connect(document, &Document::opened, history, &UndoHistory::clear);
    connect(plan, &PlanPanel::changed, this, &mainWin::run);
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

void mainWin::openNativeFile(const QByteArray &path)
{
    document->openNative(path);
}

void mainWin::setPrompts(std::unique_ptr<Prompts> replacement)
{
    prompts = std::move(replacement);
}

void mainWin::connectControls()
{
    connect(SB_leftBorder, &QScrollBar::valueChanged, this, &mainWin::setDist);
    connect(c1_set_Hyper, &QPushButton::clicked, this, &mainWin::setC1Hyper);
    connect(c2_set_Hyper, &QPushButton::clicked, this, &mainWin::setC2Hyper);
    connect(c1_setCOCPS, &QPushButton::released, this, &mainWin::setC1CocPS);
    connect(c2_setCOCPS, &QPushButton::released, this, &mainWin::setC2CocPS);
}

void mainWin::addPanels()
{
    auto *panels = new SidePanels(*this);
    panels->add(details, QStringLiteral("view/details"), true)
        ->setObjectName(QStringLiteral("actionDetails"));
    QAction *planned = panels->add(plan, QStringLiteral("view/plan"), false);
    planned->setObjectName(QStringLiteral("actionPlan"));
    plan->setOn(planned->isChecked());
    connect(planned, &QAction::toggled, plan, &PlanPanel::setOn);
    panels->add(preview, QStringLiteral("view/preview"), false)
        ->setObjectName(QStringLiteral("actionPreview"));
    connect(preview, &PreviewPanel::wanted, panels,
            [panels, this] { panels->bringForward(preview); });
    // Hidden panels skip the work of each keystroke, and catch up in front.
    connect(panels, &QTabWidget::currentChanged, details, &DetailsPanel::follow);
    connect(panels, &QTabWidget::currentChanged, preview, &PreviewPanel::follow);
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
    Scene scene = sceneOf(*model);
    scene.credit = QStringLiteral("%1 %2").arg(productName, version);
    for (std::size_t k = 0; k < scene.focusText.size(); ++k)
        scene.focusText[k] = Readout::limit(model->origin(int(k)).fromLens(scene.cameras[k].fdist),
                                            QLocale(), model->unit());
    scene.plans = plan->marks();
    return scene;
}

void mainWin::run()
{
    model->recalculate();
}

void mainWin::showResults()
{
    plan->follow();
    // Only the chart repaints at once: a repaint paints whatever else is
    // marked by then, and the far slower rest waits for the next pass.
    chart->setScene(scene());
    chart->repaint();
    readout->follow();
    details->follow();
}

void mainWin::setDist()
{
    controls->setBorderFromBar();
}

void mainWin::setC1CocPS()
{
    cameras[0]->setCocFromPixelSize();
}

void mainWin::setC2CocPS()
{
    cameras[1]->setCocFromPixelSize();
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
    cameras[0]->setHyperfocal();
}

void mainWin::setC2Hyper()
{
    cameras[1]->setHyperfocal();
}

void mainWin::newDocument()
{
    const UndoHistory::Step step(*history, actionNew->iconText());
    document->newDocument();
}
