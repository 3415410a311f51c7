#pragma once

#include <array>
#include <cstdint>

namespace sced {

inline constexpr int kAlliancePlayers = 8;

// Who is allied with whom: byte i holds the players allied with player i
// (bit j for player j). Kept symmetric, each player allied with itself.
using AllianceMatrix = std::array<std::uint8_t, kAlliancePlayers>;
// Rows of allied players as the alliance dialog shows them; -1 is an
// empty place.
using AllianceGroups = std::array<std::array<int, kAlliancePlayers>, kAlliancePlayers>;

// Every player allied only with itself.
AllianceMatrix TotalWar();
// Every player allied with every other.
AllianceMatrix TotalFriendship();

// The matrix of an argument's two values (bytes 0 to 3 in the first), made
// whole: whoever names an ally is named back and every player is its own
// ally, so that the rows derived from it hold every player exactly once. A
// first value of 0 means none was chosen yet: Total War.
AllianceMatrix AlliancesOf(std::int32_t first, std::int32_t second);
// The two values of the matrix.
std::array<std::int32_t, 2> AllianceValues(const AllianceMatrix& matrix);

// The rows: each player not yet placed, in player order, starts a row of
// every player allied with it.
AllianceGroups DeriveGroups(const AllianceMatrix& matrix);

// A player dragged onto a row: it leaves every alliance, then joins the
// players that were in that row (an empty row leaves it alone).
AllianceMatrix MovePlayer(const AllianceMatrix& matrix, int player, int row);

}  // namespace sced
