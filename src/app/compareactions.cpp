#include "compareactions.h"

#include "cameraform.h"
#include "decimalspinbox.h"
#include "optics/matching.h"
#include "optics/presets.h"
#include "readout.h"
#include "ui_mainwin.h"
#include "undohistory.h"
#include "viewoptions.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QLocale>
#include <QStatusBar>

CompareActions::CompareActions(const Ui_mainWin &ui, std::array<CameraForm, 2> &binding,
                               const ViewOptions &options, UndoHistory &history, Source cameras)
    : QObject(ui.statusbar)
    , form(binding)
    , view(options)
    , source(std::move(cameras))
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
            const UndoHistory::Step step(history, action->text());
            (this->*act)(target);
        });
    }
}

void CompareActions::matchDepthOfField(int target)
{
    const std::array<CameraSetup, 2> cameras = source();
    const Matching::Result match = Matching::depthOfField(cameras.at(std::size_t(target)),
                                                          cameras.at(std::size_t(1 - target)));
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
                                            : Readout::length(match.achieved, locale, view.unit()),
                                        std::isnan(match.wanted)
                                            ? QCoreApplication::translate("mainWin", "none")
                                            : Readout::length(match.wanted, locale, view.unit())));
}

void CompareActions::matchBackgroundBlur(int target)
{
    const std::array<CameraSetup, 2> cameras = source();
    const Matching::Result match = Matching::backgroundBlur(cameras.at(std::size_t(target)),
                                                            cameras.at(std::size_t(1 - target)));
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
    form[std::size_t(target)].copy(form[std::size_t(1 - target)]);
    bar->showMessage(QCoreApplication::translate("mainWin", "Camera %1 copied to Camera %2")
                         .arg(2 - target)
                         .arg(target + 1),
                     5000);
}

void CompareActions::makeEquivalent(int target)
{
    CameraForm &to = form[std::size_t(target)];
    const CameraForm &from = form[std::size_t(1 - target)];
    // The same angle of view and depth of field on a sensor r times as large.
    const double r = Presets::sensorDiagonal(to.crop->currentIndex())
        / Presets::sensorDiagonal(from.crop->currentIndex());
    const std::array<std::pair<DecimalSpinBox *, double>, 3> values{
        {{to.flength, from.flength->value() * r},
         {to.apature, from.apature->value() * r},
         {to.coc, from.coc->value() * r}}};
    for (const auto &[box, value] : values) {
        const double shown = box->shownValue(value);
        if (shown < box->minimum() || shown > box->maximum())
            return refuse(QCoreApplication::translate(
                              "mainWin", "Camera %1 unchanged: it would take %2, outside %3 to %4.")
                              .arg(target + 1)
                              .arg(box->shownText(shown), box->shownText(box->minimum()),
                                   box->shownText(box->maximum())));
    }
    for (const auto &[box, value] : values)
        box->setShownValue(value);
    bar->showMessage(
        QCoreApplication::translate(
            "mainWin", "Camera %1: %2, %3, CoC %4 — same shutter speed at %5 × the ISO")
            .arg(target + 1)
            .arg(to.flength->shownText(to.flength->value()),
                 to.apature->shownText(to.apature->value()), to.coc->shownText(to.coc->value()),
                 QLocale().toString(r * r, 'g', 2)),
        10000);
}

void CompareActions::setApature(int target, double apature, const QString &shortfall)
{
    DecimalSpinBox *box = form[std::size_t(target)].apature;
    const double before = box->value();
    box->setValue(apature);
    bar->showMessage(shortfall.isEmpty()
                         ? QCoreApplication::translate("mainWin", "Camera %1: %2 → %3")
                               .arg(target + 1)
                               .arg(box->shownText(before), box->shownText(apature))
                         : QCoreApplication::translate("mainWin", "Camera %1 set to %2; %3")
                               .arg(target + 1)
                               .arg(box->shownText(apature), shortfall),
                     10000);
}
