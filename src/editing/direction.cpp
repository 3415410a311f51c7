#include "editing/direction.h"

#include <cmath>

namespace sced {

namespace {
constexpr float kQuarterTurn = 1.5707964f;
constexpr float kRadiansPerStep = 0.024543693f;  // 2 pi / 256
constexpr float kStepsPerRadian = 40.743664f;    // 256 / 2 pi
}  // namespace

float AngleOfDirection(std::int32_t direction) {
    return static_cast<float>(direction) * kRadiansPerStep - kQuarterTurn;
}

std::int32_t DirectionOfAngle(float angle) {
    long steps = std::lround((angle + kQuarterTurn) * kStepsPerRadian) % 256;
    return static_cast<std::int32_t>(steps < 0 ? steps + 256 : steps);
}

float AngleTowards(float centreX, float centreY, float x, float y) {
    return std::atan2(centreY - y, centreX - x) + 1.57f;
}

}  // namespace sced
