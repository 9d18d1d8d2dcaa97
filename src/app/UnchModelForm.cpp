#include "app/UnchModelForm.h"

#include <optional>

#include "grid/Grid.h"
#include "grid/TextFields.h"

namespace tessaran {

UnchModelForm::UnchModelForm(const Grid& grid) {
    load(grid);
    m_customized = grid.unchModel().has_value();
}

const UnchModel* UnchModelForm::modelInForce(const Grid& grid) {
    if (grid.unchModel())
        return &*grid.unchModel();
    if (grid.defaultUnchModel().count() > 0)
        return &grid.defaultUnchModel();
    return nullptr;
}

void UnchModelForm::load(const Grid& grid) {
    for (int length = 1; length <= kLengths; ++length) {
        const UnchLimits limits = grid.unchLimits(length);
        m_min[length - 1] = std::to_string(limits.min);
        m_max[length - 1] = std::to_string(limits.max);
    }
    // The limit of the model itself, not the one answered for length 15: a model whose
    // entries end before 15 would otherwise show 99 and lose its limit on the next Apply.
    const UnchModel* model = modelInForce(grid);
    m_consecutive = std::to_string(model ? model->maxConsecutive : UnchLimits{}.maxConsecutive);
}

void UnchModelForm::choosePreset(UnchPreset preset) {
    const UnchPresetValues& values = unchPresetValues(preset);
    for (int i = 0; i < kLengths; ++i) {
        m_min[i] = std::to_string(values.minUnched[i]);
        m_max[i] = std::to_string(values.maxUnched[i]);
    }
    m_consecutive = std::to_string(values.maxConsecutive);
    m_customized = true;
}

void UnchModelForm::setCustomized(bool customized, const Grid& grid) {
    m_customized = customized;
    if (!customized)
        load(grid);
}

UnchModel UnchModelForm::model(const UnchModel* inForce) const {
    UnchModel model;
    model.maxConsecutive = leadingInt(m_consecutive);
    for (int i = 0; i < kLengths; ++i) {
        model.minUnched.push_back(leadingInt(m_min[i]));
        model.maxUnched.push_back(leadingInt(m_max[i]));
    }
    if (inForce) {
        for (int i = kLengths; i < inForce->count(); ++i) {
            model.minUnched.push_back(inForce->minUnched[i]);
            model.maxUnched.push_back(inForce->maxUnched[i]);
        }
    }
    return model;
}

bool UnchModelForm::apply(Grid& grid) {
    std::optional<UnchModel> wanted;
    if (m_customized)
        wanted = model(modelInForce(grid)).normalised();
    const bool changes = wanted != grid.unchModel();
    if (changes) {
        grid.checkpoint();
        if (wanted) {
            grid.setUnchModel(*wanted);
        } else {
            grid.clearUnchModel();
            grid.refresh();
        }
    }
    load(grid);
    m_customized = grid.unchModel().has_value();
    return changes;
}

}  // namespace tessaran
