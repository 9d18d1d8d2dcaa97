#include "fill/FillMethod.h"

#include <algorithm>
#include <cctype>

#include "fill/ConstraintFill.h"
#include "fill/FillEngine.h"
#include "grid/Grid.h"

namespace tessaran {

const char* fillMethodName(FillMethod method) {
    return method == FillMethod::Constraint ? "constraint" : "standard";
}

std::optional<FillMethod> parseFillMethod(std::string_view name) {
    for (const FillMethod method : {FillMethod::Standard, FillMethod::Constraint}) {
        const std::string_view known = fillMethodName(method);
        if (name.size() == known.size() &&
            std::equal(name.begin(), name.end(), known.begin(), [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) == b;
            }))
            return method;
    }
    return std::nullopt;
}

FillMethod fillMethodFromSetting(int value) {
    return value == static_cast<int>(FillMethod::Constraint) ? FillMethod::Constraint
                                                             : FillMethod::Standard;
}

NormalFillOutcome runNormalFill(Grid& grid, Dictionary& dictionary, FillRandom& random,
                                FillMethod method, Light* startLight) {
    const bool manual = grid.settingValue(GridSetting::StartMode) != 0;
    if (method == FillMethod::Constraint && !manual) {
        ConstraintFill fill(grid, dictionary, random);
        return fill.normalFill(startLight);
    }
    FillEngine engine(grid, dictionary, random);
    return engine.normalFill(startLight);
}

}  // namespace tessaran
