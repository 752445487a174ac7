#ifndef PLANPANEL_H
#define PLANPANEL_H

#include "chart/scene.h"
#include "optics/length.h"
#include "planform.h"

#include <QWidget>

#include <array>

class CameraView;
class FormModel;
class UndoHistory;
class Ui_mainWin;

// View > Plan: each shown camera's plan beside the chart. While it is on,
// the plans follow the model and mark the chart, whichever panel is in front.
class PlanPanel : public QWidget
{
    Q_OBJECT

public:
    PlanPanel(const Ui_mainWin &form, FormModel &model, const std::array<CameraView *, 2> &cameras,
              UndoHistory &history);

    void setOn(bool on);
    // After every recalculation.
    void follow();
    // The plans' marks on the chart; none while the Plan is off.
    std::array<PlanMarks, 2> marks() const;
    // The shown plans' shot cards, by camera from 0; none while the Plan is off.
    std::vector<std::pair<int, ShotCard>> cards() const;

signals:
    // A plan's input changed, or the Plan was switched on or off.
    void changed();

private:
    const FormModel &model;
    std::array<PlanForm *, 2> plans;
    std::array<bool, 2> cameraShown{};
    bool on = false;
};

#endif // PLANPANEL_H
