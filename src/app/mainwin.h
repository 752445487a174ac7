#ifndef MAINWIN_H
#define MAINWIN_H

#include "formstate.h"
#include "optics/cameraoptics.h"
#include "ui_mainwin.h"

#include <QMainWindow>
#include <QString>

#include <array>
#include <memory>

struct CameraSettings;
class Prompts;

// The main window. The form (Ui_mainWin) holds every control by name; the
// window wires the controls' change signals to run(), which re-initialises
// the two camera records from the spin boxes and repaints. The chart widget
// sits in the form's frame and, on every paint, reads the controls and the
// records through this window. The preset formulas and the settings file
// format live apart from the window; its slots only read and write controls.
class mainWin : public QMainWindow, public Ui_mainWin
{
    Q_OBJECT

public:
    mainWin();
    ~mainWin() override;

    const CameraOptics &camera(int index) const;
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
        QPushButton *setHyper;
        QComboBox *crop;
        QComboBox *quality;
    };
    CameraControls controls(int index) const;

    void connectControls();
    void installChart();
    void newForm();
    void setCocFromPixelSize(int camera);
    void setFocusToHyperfocal(int camera);

    CameraSettings currentSettings() const;
    void applySettings(const CameraSettings &settings);
    void writeSettings(const QString &path);
    void reportFailure(const QString &message, const QString &path, const QString &reason);
    void showFileName();

    std::array<CameraOptics, 2> cameras;
    QString version;
    QString fileName;
    FormState initialForm;
    std::unique_ptr<Prompts> prompts;
};

#endif // MAINWIN_H
