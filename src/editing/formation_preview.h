#pragma once

#include <vector>

namespace sced {

struct Formation;

// A place of the formation that the preview marks with a cross: its cell's
// square in the preview's pixels.
struct FormationMark {
    int x = 0;
    int y = 0;
    int size = 0;
    bool commander = false;  // a red cross; a soldier's is yellow
    bool operator==(const FormationMark&) const = default;
};

// The marks of the formation in a preview of that size: inside a margin of
// 10 pixels, cells of a 45th of the inner width (so that the widest
// formation the game has fits), the whole grid centred. Empty places and
// places of other kinds get no mark; so does a preview too small for cells.
std::vector<FormationMark> FormationMarks(const Formation& formation, int width, int height);

}  // namespace sced
