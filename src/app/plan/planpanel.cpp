#include "planpanel.h"

#include "camera/cameraview.h"
#include "model/formmodel.h"
#include "planform.h"
#include "ui_mainwin.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

PlanPanel::PlanPanel(const Ui_mainWin &form, FormModel &values,
                     const std::array<CameraView *, 2> &cameras, UndoHistory &history)
    : QWidget(form.centralwidget)
    , model(values)
{
    setObjectName(QStringLiteral("planPanel"));
    setWindowTitle(tr("&Plan"));
    auto *content = new QWidget;
    auto *layout = new QVBoxLayout(content);
    for (std::size_t k = 0; k < plans.size(); ++k) {
        plans[k] = new PlanForm(int(k), values, *cameras[k], history, form.actionWorkingFNumber,
                                content);
        layout->addWidget(plans[k]);
        connect(plans[k], &PlanForm::changed, this, &PlanPanel::changed);
    }
    layout->addStretch();
    // Both plans are taller than the chart: they scroll, never sideways.
    auto *scroll = new QScrollArea(this);
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setFrameShape(QFrame::NoFrame);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins({});
    outer->addWidget(scroll);
    setMinimumWidth(content->sizeHint().width() + scroll->verticalScrollBar()->sizeHint().width());
}

void PlanPanel::setOn(bool shown)
{
    on = shown;
    emit changed();
}

void PlanPanel::follow()
{
    if (!on)
        return;
    for (std::size_t k = 0; k < plans.size(); ++k) {
        cameraShown[k] = model.camera(int(k)).shown;
        plans[k]->setVisible(cameraShown[k]);
        if (cameraShown[k])
            plans[k]->follow();
    }
}

std::array<PlanMarks, 2> PlanPanel::marks() const
{
    if (!on)
        return {};
    return {cameraShown[0] ? plans[0]->marks() : PlanMarks(),
            cameraShown[1] ? plans[1]->marks() : PlanMarks()};
}

std::vector<std::pair<int, ShotCard>> PlanPanel::cards() const
{
    std::vector<std::pair<int, ShotCard>> shown;
    for (std::size_t k = 0; k < plans.size() && on; ++k) {
        if (cameraShown[k] && plans[k]->marks().shown)
            shown.emplace_back(int(k), plans[k]->card());
    }
    return shown;
}
