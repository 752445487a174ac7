#include "formbinding.h"

#include "chart/chartpainter.h"
#include "decimalspinbox.h"
#include "optics/presets.h"
#include "readout.h"
#include "ui_mainwin.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <iostream>

FormBinding::FormBinding(const Ui_mainWin &form)
    : leftBorder(form.DSB_leftBorder)
    , leftBorderBar(form.SB_leftBorder)
    , leftBorderFloor(form.DSB_leftBorder->minimum())
    , cameras{{{form.boxC1, form.c1_fdist, form.c1_apature, form.c1_flength, form.c1_coc,
                form.c1_calcDef, form.c1_set_Hyper, form.c1_crop, form.c1_quality, form.comboBox_7,
                form.spinBox_2, form.doubleSpinBox_10, form.comboBox_8, form.pushButton_4},
               {form.boxC2, form.c2_fdist, form.c2_apature, form.c2_flength, form.c2_coc,
                form.c2_calcDef, form.c2_set_Hyper, form.c2_crop, form.c2_quality, form.comboBox_4,
                form.spinBox, form.doubleSpinBox_7, form.comboBox_5, form.pushButton_2}}}
{
    const QWidget *root = form.centralwidget;
    for (std::size_t k = 0; k < settingsFields.size(); ++k) {
        auto *control = root->findChild<QObject *>(QLatin1String(settingsFields[k].control));
        Q_ASSERT(control);
        const QMetaObject *type = control->metaObject();
        if (const auto *list = qobject_cast<QComboBox *>(control)) {
            kept[k] = {control, type->property(type->indexOfProperty("currentIndex")), 0,
                       double(list->count() - 1)};
        } else {
            // Check boxes and radio buttons have no range: 0 and 1.
            const QVariant minimum = control->property("minimum");
            kept[k] = {control, type->userProperty(), minimum.isValid() ? minimum.toDouble() : 0,
                       minimum.isValid() ? control->property("maximum").toDouble() : 1};
        }
    }
    // Each camera's colour in the chart marks its group's title.
    for (std::size_t k = 0; k < cameras.size(); ++k) {
        QGroupBox *box = cameras[k].box;
        box->setStyleSheet(
            QStringLiteral("#%1::title { color: %2; }")
                .arg(box->objectName(), QColor(ChartPainter::cameraColours[k]).name()));
    }
}

const FormBinding::Camera &FormBinding::camera(int index) const
{
    return cameras.at(std::size_t(index));
}

CameraSettings FormBinding::read() const
{
    CameraSettings settings;
    for (std::size_t k = 0; k < kept.size(); ++k)
        settings.values[k] = kept[k].property.read(kept[k].control).toDouble();
    return settings;
}

std::vector<std::size_t> FormBinding::write(const CameraSettings &settings)
{
    leftBorder->setMinimum(leftBorderFloor);
    std::vector<std::size_t> adjusted;
    writing = true;
    for (std::size_t k = 0; k < settings.held; ++k) {
        const double value = settings.values[k];
        const Bound &bound = kept[k];
        const double taken = std::clamp(value, bound.minimum, bound.maximum);
        if (taken != value)
            adjusted.push_back(k);
        switch (settingsFields[k].type) {
        case SettingsField::Double:
            if (k < recordFields)
                std::cout << value << '\n';
            if (auto *box = qobject_cast<DecimalSpinBox *>(bound.control))
                box->setShownValue(taken);
            else
                bound.property.write(bound.control, taken);
            break;
        case SettingsField::Bool:
            if (k < recordFields)
                std::cout << (value != 0) << '\n';
            bound.property.write(bound.control, value != 0);
            break;
        case SettingsField::Int32:
            if (k < recordFields)
                std::cout << qint32(value) << '\n';
            bound.property.write(bound.control, qint32(taken));
            break;
        }
    }
    writing = false;
    // The file's lenses may lift the border: that is an adjustment too.
    if (raiseLeftBorderFloor()) {
        const auto border = std::size_t(std::distance(
            kept.begin(), std::find_if(kept.begin(), kept.end(), [this](const Bound &bound) {
                return bound.control == leftBorder;
            })));
        if (std::find(adjusted.begin(), adjusted.end(), border) == adjusted.end())
            adjusted.insert(adjusted.begin(), border);
    }
    return adjusted;
}

void FormBinding::setHyperfocal(int index, const CameraOptics &optics) const
{
    const Camera &c = camera(index);
    const double metres
        = Length::millimetres(hyperfocalFocus(optics, c.diffraction->isChecked())).metres();
    // Rounded up where the far limit must stay infinite.
    c.fdist->setShownValue(metres, c.diffraction->isChecked());
}

void FormBinding::restore(const FormState &state)
{
    writing = true;
    state.restore();
    writing = false;
    raiseLeftBorderFloor();
}

std::array<CameraSetup, 2> FormBinding::setups(const std::array<CameraOptics, 2> &optics) const
{
    std::array<CameraSetup, 2> result;
    for (std::size_t k = 0; k < result.size(); ++k) {
        const Camera &c = cameras[k];
        result[k]
            = {optics[k], c.diffraction->isChecked(), Presets::cropFactor(c.crop->currentIndex()),
               Presets::sensorWidth(c.crop->currentIndex(), c.pixelForm->currentIndex())};
    }
    return result;
}

void FormBinding::copyCamera(int from, int to) const
{
    const Camera &a = camera(from);
    const Camera &b = camera(to);
    for (const auto &[source, target] :
         {std::pair<QDoubleSpinBox *, QDoubleSpinBox *>{a.fdist, b.fdist},
          {a.apature, b.apature},
          {a.flength, b.flength},
          {a.coc, b.coc},
          {a.printWidth, b.printWidth}})
        target->setValue(source->value());
    for (const auto &[source, target] : {std::pair{a.crop, b.crop},
                                         {a.quality, b.quality},
                                         {a.pixelForm, b.pixelForm},
                                         {a.viewForm, b.viewForm}})
        target->setCurrentIndex(source->currentIndex());
    b.viewDistance->setValue(a.viewDistance->value());
    b.diffraction->setChecked(a.diffraction->isChecked());
}

void FormBinding::showHyperfocal(const std::array<CameraOptics, 2> &optics, LengthUnit unit) const
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const QString caption = unit == LengthUnit::Feet
        ? QCoreApplication::translate("mainWin", "Set to hyperfocal (%1 ft)")
        : QCoreApplication::translate("mainWin", "Set to hyperfocal (%1m)");
    for (std::size_t k = 0; k < cameras.size(); ++k) {
        const double focus = hyperfocalFocus(optics[k], cameras[k].diffraction->isChecked());
        // Shorter than the caption's one decimal shows: in millimetres or inches.
        cameras[k].setHyper->setText(
            Length::millimetres(focus).in(unit) < 0.05
                ? QCoreApplication::translate("mainWin", "Set to hyperfocal (%1)")
                      .arg(Readout::length(focus, locale, unit))
                : caption.arg(locale.toString(Length::millimetres(focus).in(unit), 'f', 1)));
    }
}

bool FormBinding::raiseLeftBorderFloor()
{
    const double before = leftBorder->value();
    // Camera 2's floor is applied last and wins where the border lies above
    // both. A border at or below a floor rises to it, quietly: the
    // recalculation that asked goes on with the new border.
    const QSignalBlocker quiet(leftBorder);
    for (const Camera &camera : cameras)
        leftBorder->setMinimum(Length::millimetres(2 * camera.flength->value()).metres());
    return leftBorder->value() != before;
}

void FormBinding::updateLeftBorder(LengthUnit unit)
{
    // A file's values are taken as they come; the floor follows once all are in.
    if (!writing)
        raiseLeftBorderFloor();
    // Follows a typed border without writing back to it.
    const QSignalBlocker quiet(leftBorderBar);
    const double shown = Length::metres(leftBorder->value()).in(unit);
    leftBorderBar->setValue(
        int(std::clamp(std::round(shown), 1.0, double(leftBorderBar->maximum()))));
}

void FormBinding::setCocFromPixelSize(int index) const
{
    const Camera &c = camera(index);
    c.coc->setValue(Presets::circleOfConfusion(c.crop->currentIndex(), c.quality->currentIndex(),
                                               c.pixelForm->currentIndex()));
}

QString FormBinding::setCocFromViewDistance(int index) const
{
    const Camera &c = camera(index);
    if (c.viewDistance->value() == 0)
        return QCoreApplication::translate("mainWin",
                                           "Enter a view distance to set the CoC from it.");
    if (c.printWidth->value() == 0)
        return QCoreApplication::translate("mainWin",
                                           "Enter an image width to set the CoC from it.");
    c.coc->setValue(
        Presets::viewingCircleOfConfusion(c.crop->currentIndex(), c.viewForm->currentIndex(),
                                          c.viewDistance->value(), c.printWidth->value()));
    return {};
}
