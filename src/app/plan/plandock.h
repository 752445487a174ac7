#ifndef PLANDOCK_H
#define PLANDOCK_H

#include "chart/scene.h"
#include "optics/length.h"
#include "planform.h"

#include <QDockWidget>

#include <array>

class CameraView;
class FormModel;
class UndoHistory;
class Ui_mainWin;

// View > Plan: each shown camera's plan in a dock beside the chart, shown
// or hidden as last chosen.
class PlanDock : public QDockWidget
{
    Q_OBJECT

public:
    PlanDock(QMainWindow *window, const Ui_mainWin &form, FormModel &model,
             const std::array<CameraView *, 2> &cameras, UndoHistory &history);

    // After every recalculation.
    void follow();
    // The plans' marks on the chart; none while the dock is hidden.
    std::array<PlanMarks, 2> marks() const;
    // The shown plans' shot cards, by camera from 0; none while the dock is hidden.
    std::vector<std::pair<int, ShotCard>> cards() const;

protected:
    // Its own close button hides it for the next start too.
    void closeEvent(QCloseEvent *event) override;

signals:
    // A plan's input changed, or the dock was shown or hidden.
    void changed();

private:
    const FormModel &model;
    std::array<PlanForm *, 2> plans;
    std::array<bool, 2> cameraShown{};
};

#endif // PLANDOCK_H
