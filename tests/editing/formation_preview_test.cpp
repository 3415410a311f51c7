#include <gtest/gtest.h>

#include "declarations/unit_lists.h"
#include "editing/formation_preview.h"

namespace sced {
namespace {

// Cells of a 45th of the width inside the margin, the grid centred; only
// soldiers and the commander are marked.
TEST(FormationPreview, TheGridIsCentredInCellsOfA45thOfTheWidth) {
    const Formation small{"Wedge", {CellStar, CellEmpty, CellCommander, CellOther, CellStar, CellEmpty}, 2, 3};
    const std::vector<FormationMark> marks = FormationMarks(small, 330, 212);
    const std::vector<FormationMark> expected = {{156, 100, 6, false}, {168, 100, 6, true}, {162, 106, 6, false}};
    EXPECT_EQ(marks, expected);

    const Formation widest{"Line", std::vector<std::uint8_t>(45, CellStar), 1, 45};
    const std::vector<FormationMark> line = FormationMarks(widest, 330, 212);
    ASSERT_EQ(line.size(), 45u);
    EXPECT_GE(line.front().x, 10);
    EXPECT_LE(line.back().x + line.back().size, 320) << "the widest order fits inside the margin";

    EXPECT_TRUE(FormationMarks(small, 50, 212).empty()) << "too narrow for a cell";
    const Formation damaged{"Short", {CellStar}, 2, 3};
    EXPECT_TRUE(FormationMarks(damaged, 330, 212).empty()) << "fewer cells than rows x columns";
}

}  // namespace
}  // namespace sced
