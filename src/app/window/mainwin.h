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
class DiffractionOptions;
class FramingOption;
class PreviewPanel;
class Document;
class FormModel;
class PlanPanel;
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

// The main window builds the form, wires it to the rooms that do the work
// and delegates to them. The values live in one model (model/formmodel.h)
// with what follows from them, and every control, panel and the chart are
// views of it: a user's change goes into the model as a step of the history
// (history/), the model recalculates and says what changed, and each view
// follows. The rooms are in folders by what they do: camera/, view/ (the
// chart's controls and gestures), document/, details/, plan/, export/,
// text/ and window/.
class mainWin : public QMainWindow, public Ui_mainWin
{
    Q_OBJECT

public:
    mainWin();
    ~mainWin() override;

    // What the chart shows: the model's scene with the plans' marks.
    Scene scene() const;
    QString currentFileName() const;
    // As File > Open would, after its dialog; or by the name's bytes as the
    // system gives them, which need not be valid UTF-8.
    void openFile(const QString &path);
    void openNativeFile(const QByteArray &path);

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
    // The Details, the Plan and the Preview share the place beside the chart.
    void addPanels();
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
    DiffractionOptions *diffraction;
    FramingOption *framing;
    Document *document;
    graph *chart;
    StatusReadout *readout;
    ChartActions *chartActions;
    Preferences *preferences;
    WindowPlacement *placement;
    DetailsPanel *details;
    CompareActions *compareActions;
    PlanPanel *plan;
    PreviewPanel *preview;
    TableActions *tables;
    Session *session;
};

#endif // MAINWIN_H
