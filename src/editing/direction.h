#pragma once

#include <cstdint>

namespace sced {

// The direction picker's arithmetic. Directions run from 0 to 255: 0
// points right on the screen, 64 down, 128 left, 192 up. Angles are in
// radians, the arrow's rotation.

float AngleOfDirection(std::int32_t direction);
// The nearest direction, so that an angle shown and taken back gives the
// same direction again.
std::int32_t DirectionOfAngle(float angle);
// The angle of the arrow pointing from the centre to the point (screen
// coordinates, y down).
float AngleTowards(float centreX, float centreY, float x, float y);

}  // namespace sced
