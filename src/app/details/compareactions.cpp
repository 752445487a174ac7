#include "compareactions.h"

#include "camera/cameraview.h"
#include "history/undohistory.h"
#include "model/formmodel.h"
#include "optics/matching.h"
#include "optics/presets.h"
#include "text/readout.h"
#include "ui_mainwin.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStatusBar>

#include <cmath>

namespace {

std::array<CameraSetup, 2> setups(const FormModel &model)
{
    return {model.results(0).setup, model.results(1).setup};
}

} // namespace

CompareActions::CompareActions(const Ui_mainWin &ui, FormModel &values,
                               const std::array<CameraView *, 2> &views, UndoHistory &history)
    : QObject(ui.statusbar)
    , model(values)
    , cameras(views)
    , bar(ui.statusbar)
{
    const std::array<std::pair<QAction *, int>, 8> targets{{{ui.actionMatchDepthOfField1, 0},
                                                            {ui.actionMatchBackgroundBlur1, 0},
                                                            {ui.actionCopyCamera1, 0},
                                                            {ui.actionMakeEquivalent1, 0},
                                                            {ui.actionMatchDepthOfField2, 1},
                                                            {ui.actionMatchBackgroundBlur2, 1},
                                                            {ui.actionCopyCamera2, 1},
                                                            {ui.actionMakeEquivalent2, 1}}};
    using Act = void (CompareActions::*)(int);
    constexpr std::array<Act, 4> acts{&CompareActions::matchDepthOfField,
                                      &CompareActions::matchBackgroundBlur,
                                      &CompareActions::copyCamera, &CompareActions::makeEquivalent};
    for (std::size_t k = 0; k < targets.size(); ++k) {
        const int target = targets[k].second;
        const Act act = acts[k % acts.size()];
        QAction *action = targets[k].first;
        connect(action, &QAction::triggered, this, [this, act, target, action, &history] {
            const UndoHistory::Step step(history, action->iconText());
            (this->*act)(target);
        });
    }
}

void CompareActions::matchDepthOfField(int target)
{
    const std::array<CameraSetup, 2> setup = setups(model);
    const Matching::Result match
        = Matching::depthOfField(setup.at(std::size_t(target)), setup.at(std::size_t(1 - target)));
    if (std::isnan(match.wanted))
        return refuse(
            QCoreApplication::translate(
                "mainWin", "Camera %1 unchanged: Camera %2 has no depth of field to match.")
                .arg(target + 1)
                .arg(2 - target));
    if (std::isnan(match.achieved))
        return refuse(QCoreApplication::translate(
                          "mainWin",
                          "Camera %1 unchanged: it has no depth of field at any f-number "
                          "from f/0.7 to f/64.")
                          .arg(target + 1));
    const QLocale locale;
    setApature(target, match.apature,
               match.reached ? QString()
                             : QCoreApplication::translate(
                                   "mainWin", "its depth of field is still %1 against %2")
                                   .arg(std::isnan(match.achieved)
                                            ? QCoreApplication::translate("mainWin", "none")
                                            : Readout::length(match.achieved, locale, model.unit()),
                                        std::isnan(match.wanted)
                                            ? QCoreApplication::translate("mainWin", "none")
                                            : Readout::length(match.wanted, locale, model.unit())));
}

void CompareActions::matchBackgroundBlur(int target)
{
    const std::array<CameraSetup, 2> setup = setups(model);
    const Matching::Result match = Matching::backgroundBlur(setup.at(std::size_t(target)),
                                                            setup.at(std::size_t(1 - target)));
    // The blur at infinity needs a focus beyond the focal length.
    if (std::isnan(match.wanted))
        return refuse(
            QCoreApplication::translate(
                "mainWin", "Camera %1 unchanged: Camera %2 focuses at or inside its focal length.")
                .arg(target + 1)
                .arg(2 - target));
    if (std::isnan(match.achieved))
        return refuse(
            QCoreApplication::translate(
                "mainWin", "Camera %1 unchanged: it focuses at or inside its focal length.")
                .arg(target + 1));
    const auto share = [](double value) {
        return std::isnan(value) ? QCoreApplication::translate("mainWin", "none")
                                 : QLocale().toString(100 * value, 'f', 2) + QStringLiteral(" %");
    };
    setApature(target, match.apature,
               match.reached
                   ? QString()
                   : QCoreApplication::translate(
                         "mainWin", "its background blur is still %1 of the width against %2")
                         .arg(share(match.achieved), share(match.wanted)));
}

void CompareActions::refuse(const QString &why)
{
    bar->showMessage(why, 10000);
}

void CompareActions::copyCamera(int target)
{
    model.copyCamera(1 - target, target);
    bar->showMessage(QCoreApplication::translate("mainWin", "Camera %1 copied to Camera %2")
                         .arg(2 - target)
                         .arg(target + 1),
                     5000);
}

void CompareActions::makeEquivalent(int target)
{
    const CameraInputs &to = model.camera(target);
    const CameraInputs &from = model.camera(1 - target);
    // The same angle of view and depth of field on a sensor r times as large.
    const double r = Presets::sensorDiagonal(to.crop) / Presets::sensorDiagonal(from.crop);
    const std::array<std::pair<CameraInput, double>, 3> values{
        {{CameraInput::FocalLength, from.focalLength * r},
         {CameraInput::Apature, from.apature * r},
         {CameraInput::Coc, from.coc * r}}};
    const CameraView &view = *cameras.at(std::size_t(target));
    for (const auto &[input, value] : values) {
        const Field field(target, input);
        const double shown = model.shown(field, value);
        if (shown < model.minimum(field) || shown > model.maximum(field))
            return refuse(QCoreApplication::translate(
                              "mainWin", "Camera %1 unchanged: it would take %2, outside %3 to %4.")
                              .arg(target + 1)
                              .arg(view.text(input, shown), view.text(input, model.minimum(field)),
                                   view.text(input, model.maximum(field))));
    }
    for (const auto &[input, value] : values)
        model.setShown(Field(target, input), value);
    bar->showMessage(
        QCoreApplication::translate(
            "mainWin", "Camera %1: %2, %3, CoC %4 — same shutter speed at %5 × the ISO")
            .arg(target + 1)
            .arg(view.text(CameraInput::FocalLength, to.focalLength),
                 view.text(CameraInput::Apature, to.apature), view.text(CameraInput::Coc, to.coc),
                 QLocale().toString(r * r, 'g', 2)),
        10000);
}

void CompareActions::setApature(int target, double apature, const QString &shortfall)
{
    const Field field(target, CameraInput::Apature);
    const CameraView &view = *cameras.at(std::size_t(target));
    const double before = model.value(field);
    model.set(field, apature);
    bar->showMessage(shortfall.isEmpty()
                         ? QCoreApplication::translate("mainWin", "Camera %1: %2 → %3")
                               .arg(target + 1)
                               .arg(view.text(CameraInput::Apature, before),
                                    view.text(CameraInput::Apature, apature))
                         : QCoreApplication::translate("mainWin", "Camera %1 set to %2; %3")
                               .arg(target + 1)
                               .arg(view.text(CameraInput::Apature, apature), shortfall),
                     10000);
}
