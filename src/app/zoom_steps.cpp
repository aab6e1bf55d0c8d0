#include "app/zoom_steps.h"

#include <array>

namespace quillet {

namespace {

constexpr std::array<double, 13> kLevels{0.3, 0.5, 0.67, 0.8, 0.9, 1.0, 1.1, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0};
// Levels read back from the engine may differ from the ones set in the last digits.
constexpr double kTolerance = 0.001;

}

// The next level up; the largest stays.
double zoomed_in(double level)
{
    for (const double step : kLevels) {
        if (step > level + kTolerance)
            return step;
    }
    return kLevels.back();
}

double zoomed_out(double level)
{
    for (auto it = kLevels.rbegin(); it != kLevels.rend(); ++it) {
        if (*it < level - kTolerance)
            return *it;
    }
    return kLevels.front();
}

}
