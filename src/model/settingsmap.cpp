#include "settingsmap.h"

#include "formmodel.h"

#include <algorithm>
#include <iostream>

namespace SettingsMap {

namespace {

// The values of the block's later versions as the classic model has them.
double classic(std::size_t k)
{
    return FormModel::startInputs().value(fields.at(k));
}

} // namespace

CameraSettings read(const FormModel &model)
{
    CameraSettings settings;
    for (std::size_t k = 0; k < fields.size(); ++k)
        settings.values[k] = model.value(fields[k]);
    settings.held = blockVersionEnds.front();
    for (std::size_t k = blockVersionEnds.front(); k < fields.size(); ++k) {
        if (settings.values[k] != classic(k))
            settings.held = fields.size();
    }
    return settings;
}

std::vector<std::size_t> write(FormModel &model, const CameraSettings &settings, bool echo)
{
    model.holdFloor();
    std::vector<std::size_t> adjusted;
    for (std::size_t k = 0; k < settings.held; ++k) {
        const Field field = fields[k];
        const double value = settings.values[k];
        const double taken = std::clamp(value, model.minimum(field), model.maximum(field));
        if (taken != value)
            adjusted.push_back(k);
        if (echo && k < recordFields) {
            switch (settingsTypes[k]) {
            case SettingsType::Double:
                std::cout << value << '\n';
                break;
            case SettingsType::Bool:
                std::cout << (value != 0) << '\n';
                break;
            case SettingsType::Int32:
                std::cout << qint32(value) << '\n';
                break;
            }
        }
        model.setKept(field, taken);
    }
    for (std::size_t k = std::max(settings.held, blockVersionEnds.front()); k < fields.size(); ++k)
        model.setKept(fields[k], classic(k));
    // The new lenses may lift the border, the file's first value: that is
    // an adjustment too.
    if (model.releaseFloor() && (adjusted.empty() || adjusted.front() != 0))
        adjusted.insert(adjusted.begin(), 0);
    return adjusted;
}

} // namespace SettingsMap
