#include "scene.h"

#include "model/formmodel.h"

#include <cmath>

double blurIn(BlurMeasure measure, const CameraSetup &setup, double u)
{
    const double mm = u * setup.optics.coc;
    switch (measure) {
    case BlurMeasure::Percent:
        return 100 * mm / setup.sensorWidth;
    case BlurMeasure::Sensor:
        return Length::millimetres(mm).micrometres();
    case BlurMeasure::Coc:
        break;
    }
    return u;
}

Scene sceneOf(const FormModel &model)
{
    Scene scene;
    const ViewInputs &view = model.view();
    scene.axis.xs = view.distanceScale;
    scene.axis.leftBorder = std::llround(Length::metres(view.leftBorder).millimetres());
    using ChartGeometry::AxisMode;
    scene.axis.mode = model.distanceAxis() == DistanceAxis::ToInfinity ? AxisMode::ToInfinity
        : model.distanceAxis() == DistanceAxis::CloseUp                ? AxisMode::CloseUp
        : view.fromCamera                                              ? AxisMode::FromCamera
                                                                       : AxisMode::FromFocusPlane;
    // Close up in µm per column, centred on a point in µm from the focus plane.
    if (scene.axis.mode == AxisMode::CloseUp) {
        scene.axis.xs = Length::micrometres(view.closeUpScale).millimetres();
        scene.axis.centre = Length::micrometres(view.closeUpCentre).millimetres();
    }
    scene.axis.fromSensor = model.fromSensor();
    scene.axis.unit = model.unit();
    scene.ys = view.blurScale;
    scene.measure = model.display().measure;
    scene.perUnit = scene.measure == BlurMeasure::Percent ? 0.1
        : scene.measure == BlurMeasure::Sensor            ? 10
                                                          : 1;
    for (std::size_t k = 0; k < scene.cameras.size(); ++k) {
        const CameraResults &results = model.results(int(k));
        scene.perCoc[k] = blurIn(scene.measure, results.setup, 1) / scene.perUnit;
        scene.cameras[k] = results.setup.optics;
        scene.diffraction[k] = results.setup.diffraction;
        scene.shown[k] = model.camera(int(k)).shown;
    }
    return scene;
}
