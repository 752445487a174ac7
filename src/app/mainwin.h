#ifndef MAINWIN_H
#define MAINWIN_H

#include "cameraform.h"
#include "leftborder.h"
#include "optics/cameraoptics.h"
#include "settingsform.h"
#include "ui_mainwin.h"

#include <QMainWindow>
#include <QString>

#include <array>
#include <memory>

class CameraButtons;
class ChartActions;
class CompareActions;
class DetailsPanel;
class Document;
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
// delegates to them. The form (Ui_mainWin) holds every control by name;
// their change signals run run(), which re-initialises the two camera
// records and repaints. Where each job lives:
// - CameraForm (cameraform.h): each camera's controls, its setup, its
//   hyperfocal button and CoC presets; CameraButtons (camerabuttons.h):
//   those buttons as steps of the history; LeftBorder (leftborder.h): the
//   border's floor and scroll bar; SettingsForm (settingsform.h): the values
//   a settings file keeps, between the file and the form;
// - Document (document.h): the file's name and title, unsaved changes,
//   New, Open, drop, Save, Save as, and the question before losing changes;
// - graph (chart/graph.h): the chart, given scene() at every
//   recalculation; it reports the column under the mouse;
// - StatusReadout (readout.h): the depth of field and the hover readout;
// - ChartActions (chartactions.h): Export Chart and Copy Chart;
//   TableActions (tableactions.h, depthreport.h): Export Table and Print
//   Table, depth-of-field tables and shot cards;
//   ChartGestures (chartgestures.h): zoom, pan and focus by mouse;
// - DetailsPanel (detailspanel.h, detailsmodel.h): the details of both
//   cameras; CompareActions (compareactions.h): matching and copying them;
// - PlanDock (plandock.h, planform.h): each camera's plan, the focus and
//   f-number that keep a range sharp, and a focus stack;
// - ViewOptions (viewoptions.h): the distance axis, the units and the
//   chart's scale;
// - Preferences (preferences.h): the recent files and the dialogs' folder;
//   WindowPlacement (windowplacement.h): the window's size on the screen
//   and the chart's share of it;
// - Information (information.h): the user guide, the about box and the
//   version page;
// - UndoHistory (undohistory.h): Edit > Undo and Redo, a step per action;
// - Session (session.h): the end of a run, asked or not, and the unsaved
//   changes kept when it is not, offered at the next start;
// - Prompts (prompts.h): every dialog, replaced by tests.
class mainWin : public QMainWindow, public Ui_mainWin
{
    Q_OBJECT

public:
    mainWin();
    ~mainWin() override;

    // What the chart shows, built from the form at each recalculation.
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
    // Both cameras' setups with the optics of the last recalculation.
    std::array<CameraSetup, 2> setups() const;

    std::array<CameraOptics, 2> cameras;
    QString version;
    std::unique_ptr<Prompts> prompts;
    std::array<CameraForm, 2> form;
    LeftBorder border;
    SettingsForm fileForm;
    UndoHistory *history;
    ViewOptions *view;
    Document *document;
    graph *chart;
    StatusReadout *readout;
    ChartActions *chartActions;
    Preferences *preferences;
    WindowPlacement *placement;
    DetailsPanel *details;
    CameraButtons *buttons;
    CompareActions *compareActions;
    PlanDock *plan;
    TableActions *tables;
    Session *session;
};

#endif // MAINWIN_H
