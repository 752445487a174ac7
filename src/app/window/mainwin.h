#ifndef MAINWIN_H
#define MAINWIN_H

#include "ui_mainwin.h"

#include <QMainWindow>
#include <QString>

#include <array>
#include <memory>

class CameraView;
class ChartActions;
class ChartControls;
class CompareActions;
class DetailsPanel;
class Document;
class FormModel;
class PlanDock;
class Preferences;
class Prompts;
class Session;
class StatusReadout;
class TableActions;
class UndoHistory;
class ViewOptions;
class WindowPlacement;
class graph;
struct Scene;

// The main window wires the form to the rooms that do the work and
// delegates to them. The values live in one model (model/formmodel.h), with
// what follows from them; every control, panel and chart is a view of it.
// A user's change goes into the model as a step of the history; the model
// recalculates, and every view follows. Where each job lives, by folder:
// - camera/: each camera's box (CameraView) and the number boxes, bound to
//   the model's fields (FieldBinder);
// - view/: the chart's own controls below it (ChartControls), the distance
//   axis and units (ViewOptions), zoom, pan and focus by mouse
//   (ChartGestures);
// - history/: Edit > Undo and Redo, a step per user action (UndoHistory);
// - document/: the file's name and title, unsaved changes, New, Open, drop,
//   Save, Save as (Document); the recent files and the dialogs' folder
//   (Preferences); names and failures as the user reads them;
// - details/: the Details beside the chart (DetailsPanel, DetailsModel),
//   the Compare menu (CompareActions), the status bar (StatusReadout);
// - plan/: each camera's plan and focus stack (PlanDock, PlanForm);
// - export/: Export Chart and Copy Chart (ChartActions), tables and shot
//   cards (TableActions, DepthReport);
// - text/: lengths and numbers as the user reads them (Readout);
// - window/: this window, the end of a run and the changes kept for the
//   next (Session, Recovery), its place on the screen (WindowPlacement),
//   the about box, guide and version page (Information), every dialog
//   (Prompts, replaced by tests).
// The chart itself (chart/graph.h) paints the scene it is given.
class mainWin : public QMainWindow, public Ui_mainWin
{
    Q_OBJECT

public:
    mainWin();
    ~mainWin() override;

    // What the chart shows: the model's scene with the plans' marks.
    Scene scene() const;
    QString currentFileName() const;
    // As File > Open would, after its dialog.
    void openFile(const QString &path);

    // Replaces the file dialogs and warning boxes, as tests do.
    void setPrompts(std::unique_ptr<Prompts> replacement);

    // How the run ends, and what an earlier one kept.
    Session &endOfRun() const;

public slots:
    // The order of these slots is the window's public slot table.
    void run();
    void setDist();
    void setC1CocPS();
    void setC2CocPS();
    void load();
    void save();
    void saveAs();
    void quit();
    void about();
    void vcheck();
    void help();
    void setC1Hyper();
    void setC2Hyper();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void connectControls();
    void addMenus();
    void newDocument();
    // After each recalculation: the plans, the chart at once, the status
    // bar and the Details.
    void showResults();

    QString version;
    std::unique_ptr<Prompts> prompts;
    FormModel *model;
    UndoHistory *history;
    std::array<CameraView *, 2> cameras;
    ChartControls *controls;
    ViewOptions *view;
    Document *document;
    graph *chart;
    StatusReadout *readout;
    ChartActions *chartActions;
    Preferences *preferences;
    WindowPlacement *placement;
    DetailsPanel *details;
    CompareActions *compareActions;
    PlanDock *plan;
    TableActions *tables;
    Session *session;
};

#endif // MAINWIN_H
