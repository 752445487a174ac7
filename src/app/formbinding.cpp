#include "formbinding.h"

#include "chart/chartpainter.h"
#include "optics/presets.h"
#include "ui_mainwin.h"

#include <iostream>

FormBinding::FormBinding(const Ui_mainWin &form)
    : cameras{{{form.boxC1, form.c1_fdist, form.c1_apature, form.c1_flength, form.c1_coc,
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
        kept[k] = {control, control->metaObject()->userProperty()};
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

void FormBinding::write(const CameraSettings &settings) const
{
    for (std::size_t k = 0; k < kept.size(); ++k) {
        const double value = settings.values[k];
        switch (settingsFields[k].type) {
        case SettingsField::Double:
            std::cout << value << '\n';
            kept[k].property.write(kept[k].control, value);
            break;
        case SettingsField::Bool:
            std::cout << (value != 0) << '\n';
            kept[k].property.write(kept[k].control, value != 0);
            break;
        case SettingsField::Int32:
            std::cout << qint32(value) << '\n';
            kept[k].property.write(kept[k].control, qint32(value));
            break;
        }
    }
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
