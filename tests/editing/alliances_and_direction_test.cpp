#include <gtest/gtest.h>

#include "editing/alliances.h"
#include "editing/direction.h"

namespace sced {
namespace {

std::vector<int> Row(const AllianceGroups& groups, int row) {
    std::vector<int> players;
    for (int player : groups[static_cast<std::size_t>(row)])
        if (player >= 0) players.push_back(player);
    return players;
}

TEST(Alliances, GroupsFollowTheMatrix) {
    AllianceGroups friends = DeriveGroups(TotalFriendship());
    EXPECT_EQ(Row(friends, 0), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(Row(friends, 1), std::vector<int>{});
    AllianceGroups war = DeriveGroups(TotalWar());
    for (int p = 0; p < kAlliancePlayers; ++p) EXPECT_EQ(Row(war, p), std::vector<int>{p});

    // Player 3 dragged onto the row of players 0 and 1.
    AllianceMatrix matrix = MovePlayer(MovePlayer(TotalWar(), 1, 0), 3, 0);
    EXPECT_EQ(Row(DeriveGroups(matrix), 0), (std::vector<int>{0, 1, 3}));
    EXPECT_EQ(matrix[3], 0b1011);
    EXPECT_EQ(matrix[2], 0b0100) << "no one else";
    // Dropped on an empty row, it stands alone.
    matrix = MovePlayer(matrix, 3, 7);
    EXPECT_EQ(matrix[3], 0b1000);
    EXPECT_EQ(matrix[0], 0b0011);

    // The two argument values: a first value of 0 is no choice yet.
    EXPECT_EQ(AlliancesOf(0, 0), TotalWar());
    auto values = AllianceValues(matrix);
    EXPECT_EQ(AlliancesOf(values[0], values[1]), matrix);
}

// Which way each direction points is the direction dialog's test (the mouse
// right of, below, left of and above the arrow's centre).
TEST(Direction, ThePickerAndTheDirectionAgree) {
    // Every direction shown as an angle is read back as itself.
    for (int direction = 0; direction < 256; ++direction)
        EXPECT_EQ(DirectionOfAngle(AngleOfDirection(direction)), direction);
}

}  // namespace
}  // namespace sced
