#include "cameraform.h"

#include "chart/chartpainter.h"
#include "decimalspinbox.h"
#include "optics/presets.h"
#include "readout.h"
#include "ui_mainwin.h"

#include <QLocale>

CameraForm::CameraForm(const Ui_mainWin &form, int index)
    : box(index == 0 ? form.boxC1 : form.boxC2)
    , fdist(index == 0 ? form.c1_fdist : form.c2_fdist)
    , apature(index == 0 ? form.c1_apature : form.c2_apature)
    , flength(index == 0 ? form.c1_flength : form.c2_flength)
    , coc(index == 0 ? form.c1_coc : form.c2_coc)
    , diffraction(index == 0 ? form.c1_calcDef : form.c2_calcDef)
    , setHyper(index == 0 ? form.c1_set_Hyper : form.c2_set_Hyper)
    , crop(index == 0 ? form.c1_crop : form.c2_crop)
    , quality(index == 0 ? form.c1_quality : form.c2_quality)
    , pixelForm(index == 0 ? form.comboBox_7 : form.comboBox_4)
    , viewDistance(index == 0 ? form.spinBox_2 : form.spinBox)
    , printWidth(index == 0 ? form.doubleSpinBox_10 : form.doubleSpinBox_7)
    , viewForm(index == 0 ? form.comboBox_8 : form.comboBox_5)
    , setViewCoc(index == 0 ? form.pushButton_4 : form.pushButton_2)
{
    // The camera's colour in the chart marks its group's title.
    box->setStyleSheet(QStringLiteral("#%1::title { color: %2; }")
                           .arg(box->objectName(),
                                QColor(ChartPainter::cameraColours.at(std::size_t(index))).name()));
}

CameraOptics CameraForm::optics() const
{
    CameraOptics camera;
    camera.init(Length::metres(fdist->value()).millimetres(), apature->value(), flength->value(),
                coc->value());
    return camera;
}

CameraSetup CameraForm::setup(const CameraOptics &optics) const
{
    return {optics, diffraction->isChecked(), Presets::cropFactor(crop->currentIndex()),
            Presets::sensorWidth(crop->currentIndex(), pixelForm->currentIndex())};
}

void CameraForm::copy(const CameraForm &other)
{
    fdist->setValue(other.fdist->value());
    using Boxes = std::pair<QDoubleSpinBox *, QDoubleSpinBox *>;
    for (const auto &[source, target] : {Boxes{other.apature, apature},
                                         {other.flength, flength},
                                         {other.coc, coc},
                                         {other.printWidth, printWidth}})
        target->setValue(source->value());
    for (const auto &[source, target] : {std::pair{other.crop, crop},
                                         {other.quality, quality},
                                         {other.pixelForm, pixelForm},
                                         {other.viewForm, viewForm}})
        target->setCurrentIndex(source->currentIndex());
    viewDistance->setValue(other.viewDistance->value());
    diffraction->setChecked(other.diffraction->isChecked());
}

void CameraForm::setHyperfocal(const CameraOptics &optics)
{
    const double metres
        = Length::millimetres(hyperfocalFocus(optics, diffraction->isChecked())).metres();
    // Rounded up where the far limit must stay infinite.
    fdist->setShownValue(metres, diffraction->isChecked());
}

void CameraForm::showHyperfocal(const CameraOptics &optics, LengthUnit unit)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const double focus = hyperfocalFocus(optics, diffraction->isChecked());
    const double inUnit = Length::millimetres(focus).in(unit);
    // Shorter than the caption's one decimal shows: in millimetres or inches.
    if (inUnit < 0.05) {
        setHyper->setText(QCoreApplication::translate("mainWin", "Set to hyperfocal (%1)")
                              .arg(Readout::length(focus, locale, unit)));
        return;
    }
    const QString caption = unit == LengthUnit::Feet
        ? QCoreApplication::translate("mainWin", "Set to hyperfocal (%1 ft)")
        : QCoreApplication::translate("mainWin", "Set to hyperfocal (%1m)");
    setHyper->setText(caption.arg(locale.toString(inUnit, 'f', 1)));
}

void CameraForm::setCocFromPixelSize()
{
    coc->setValue(Presets::circleOfConfusion(crop->currentIndex(), quality->currentIndex(),
                                             pixelForm->currentIndex()));
}

QString CameraForm::setCocFromViewDistance()
{
    if (viewDistance->value() == 0)
        return QCoreApplication::translate("mainWin",
                                           "Enter a view distance to set the CoC from it.");
    if (printWidth->value() == 0)
        return QCoreApplication::translate("mainWin",
                                           "Enter an image width to set the CoC from it.");
    coc->setValue(Presets::viewingCircleOfConfusion(crop->currentIndex(), viewForm->currentIndex(),
                                                    viewDistance->value(), printWidth->value()));
    return {};
}
