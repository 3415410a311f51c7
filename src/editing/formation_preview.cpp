#include "editing/formation_preview.h"

#include "declarations/unit_lists.h"

namespace sced {

namespace {
constexpr int kMargin = 10;
constexpr int kCellsAcross = 45;
}  // namespace

std::vector<FormationMark> FormationMarks(const Formation& formation, int width, int height) {
    std::vector<FormationMark> marks;
    const int innerWidth = width - 2 * kMargin;
    const int innerHeight = height - 2 * kMargin;
    const int cell = innerWidth / kCellsAcross;
    if (cell <= 0 || innerHeight <= 0 || formation.rows <= 0 || formation.columns <= 0 ||
        formation.cells.size() < static_cast<std::size_t>(formation.rows) * static_cast<std::size_t>(formation.columns))
        return marks;
    const int left = kMargin + (innerWidth - cell * formation.columns) / 2;
    const int top = kMargin + (innerHeight - cell * formation.rows) / 2;
    for (int row = 0; row < formation.rows; ++row)
        for (int column = 0; column < formation.columns; ++column) {
            const std::uint8_t code = formation.Cell(row, column);
            if (code == CellStar || code == CellCommander)
                marks.push_back({left + column * cell, top + row * cell, cell, code == CellCommander});
        }
    return marks;
}

}  // namespace sced
