#ifndef MAINWIN_H
#define MAINWIN_H

#include "chart/chartexport.h"
#include "formstate.h"
#include "optics/cameraoptics.h"
#include "ui_mainwin.h"
#include "unsavedchanges.h"

#include <QMainWindow>
#include <QString>

#include <array>
#include <memory>

struct CameraSettings;
struct ChartInput;
class Prompts;

// The main window. The form (Ui_mainWin) holds every control by name; the
// window wires the controls' change signals to run(), which re-initialises
// the two camera records from the spin boxes and repaints. The chart widget
// sits in the form's frame and, on every paint, asks this window for
// chartInput(): the controls' settings and the records. The preset formulas,
// the settings file format and the chart's drawing and export live apart from
// the window; its slots only read and write controls.
class mainWin : public QMainWindow, public Ui_mainWin
{
    Q_OBJECT

public:
    mainWin();
    ~mainWin() override;

    const CameraOptics &camera(int index) const;
    ChartInput chartInput() const;
    QString versionText() const;
    QString currentFileName() const;

    // Replaces the file dialogs and warning boxes, as tests do.
    void setPrompts(std::unique_ptr<Prompts> replacement);

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

private:
    // One camera's inputs in the form.
    struct CameraControls
    {
        QGroupBox *box;
        QDoubleSpinBox *fdist;
        QDoubleSpinBox *apature;
        QDoubleSpinBox *flength;
        QDoubleSpinBox *coc;
        QCheckBox *diffraction;
        QPushButton *setHyper;
        QComboBox *crop;
        QComboBox *quality;
        QComboBox *pixelForm;
        QSpinBox *viewDistance;
        QDoubleSpinBox *printWidth;
        QComboBox *viewForm;
        QPushButton *setViewCoc;
    };
    CameraControls controls(int index) const;

protected:
    // Shows the blur under the mouse while it is over the chart.
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void connectControls();
    void installChart();
    void addChartActions();
    void exportChart();
    void copyChart();
    ChartExport::Page chartPage() const;
    void newForm();
    void fitToScreen();
    void openFile(const QString &path);
    bool saveFile(bool askForName);
    bool mayDiscardChanges();
    void markSaved();
    void setCocFromPixelSize(int camera);
    void setCocFromViewDistance(int camera);
    void installReadout();
    void showDepthOfField();
    void setFocusToHyperfocal(int camera);

    CameraSettings currentSettings() const;
    void applySettings(const CameraSettings &settings);
    void reportFailure(const QString &message, const QString &path, const QString &reason);
    void showFileName();

    std::array<CameraOptics, 2> cameras;
    QString version;
    QString fileName;
    FormState initialForm;
    UnsavedChanges unsaved;
    std::unique_ptr<Prompts> prompts;
    std::array<QLabel *, 2> readouts{};
    bool hovering = false;
};

#endif // MAINWIN_H
