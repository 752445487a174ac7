#include "scene.h"

#include "model/formmodel.h"

#include <cmath>

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
        scene.axis.xs = view.closeUpScale / 1000;
        scene.axis.centre = view.closeUpCentre / 1000;
    }
    scene.axis.fromSensor = model.fromSensor();
    scene.axis.unit = model.unit();
    scene.ys = view.blurScale;
    for (std::size_t k = 0; k < scene.cameras.size(); ++k) {
        const CameraResults &results = model.results(int(k));
        scene.cameras[k] = results.setup.optics;
        scene.diffraction[k] = results.setup.diffraction;
        scene.shown[k] = model.camera(int(k)).shown;
    }
    return scene;
}
