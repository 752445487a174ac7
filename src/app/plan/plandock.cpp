#include "plandock.h"

#include "camera/cameraview.h"
#include "model/formmodel.h"
#include "planform.h"
#include "ui_mainwin.h"

#include <QAction>
#include <QScrollArea>
#include <QSettings>
#include <QVBoxLayout>

namespace {
const QString shownKey = QStringLiteral("view/plan");
}

PlanDock::PlanDock(QMainWindow *window, const Ui_mainWin &form, FormModel &values,
                   const std::array<CameraView *, 2> &cameras, UndoHistory &history)
    : QDockWidget(tr("Plan"), window)
    , model(values)
{
    setObjectName(QStringLiteral("planDock"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    auto *content = new QWidget;
    auto *layout = new QVBoxLayout(content);
    for (std::size_t k = 0; k < plans.size(); ++k) {
        plans[k] = new PlanForm(int(k), values, *cameras[k], history, form.actionWorkingFNumber,
                                content);
        layout->addWidget(plans[k]);
        connect(plans[k], &PlanForm::changed, this, &PlanDock::changed);
    }
    layout->addStretch();
    auto *scroll = new QScrollArea(this);
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidget(scroll);
    window->addDockWidget(Qt::RightDockWidgetArea, this);

    QAction *shown = toggleViewAction();
    shown->setText(tr("Plan"));
    shown->setObjectName(QStringLiteral("actionPlan"));
    form.menuView->addAction(shown);
    setVisible(QSettings().value(shownKey, false).toBool());
    // The user's choice, not the window's own closing, which hides the dock too.
    connect(shown, &QAction::triggered, this, [](bool on) { QSettings().setValue(shownKey, on); });
    // Once shown, not when asked: the plans follow only while they show.
    // A closing window asks for nothing: it may be on its way out.
    connect(this, &QDockWidget::visibilityChanged, this, [this, window] {
        if (!window->isHidden())
            emit changed();
    });
}

void PlanDock::closeEvent(QCloseEvent *event)
{
    QSettings().setValue(shownKey, false);
    QDockWidget::closeEvent(event);
}

void PlanDock::follow()
{
    if (isHidden())
        return;
    for (std::size_t k = 0; k < plans.size(); ++k) {
        cameraShown[k] = model.camera(int(k)).shown;
        plans[k]->setVisible(cameraShown[k]);
        if (cameraShown[k])
            plans[k]->follow();
    }
}

std::array<PlanMarks, 2> PlanDock::marks() const
{
    if (isHidden())
        return {};
    return {cameraShown[0] ? plans[0]->marks() : PlanMarks(),
            cameraShown[1] ? plans[1]->marks() : PlanMarks()};
}

std::vector<std::pair<int, ShotCard>> PlanDock::cards() const
{
    std::vector<std::pair<int, ShotCard>> shown;
    for (std::size_t k = 0; k < plans.size() && !isHidden(); ++k) {
        if (cameraShown[k] && plans[k]->marks().shown)
            shown.emplace_back(int(k), plans[k]->card());
    }
    return shown;
}
