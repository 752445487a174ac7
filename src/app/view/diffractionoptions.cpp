#include "diffractionoptions.h"

#include "camera/fieldbinder.h"
#include "model/formmodel.h"
#include "ui_mainwin.h"

#include <QSettings>

#include <array>

namespace {

struct Choice
{
    ViewInput input;
    QAction *Ui_mainWin::*action;
    const char *key;
};

constexpr std::array<Choice, 2> choices{{
    {ViewInput::WorkingDiffraction, &Ui_mainWin::actionWorkingFNumber, "diffraction/working"},
    {ViewInput::RootSumSquare, &Ui_mainWin::actionRootSumSquare, "diffraction/rootSumSquare"},
}};

} // namespace

DiffractionOptions::DiffractionOptions(const Ui_mainWin &form, FormModel &model,
                                       UndoHistory &history)
    : QObject(form.menuView)
    , binder(new FieldBinder(model, history, this))
{
    const QSettings settings;
    for (const Choice &choice : choices) {
        model.preset(choice.input, settings.value(QLatin1String(choice.key), false).toBool());
        binder->bind(choice.input, form.*choice.action);
    }
    connect(&model, &FormModel::changed, this, [&model](Field field) {
        for (const Choice &choice : choices) {
            if (field == choice.input)
                QSettings().setValue(QLatin1String(choice.key), model.value(field) != 0);
        }
    });
}
