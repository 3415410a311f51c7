#include "editing/alliances.h"

namespace sced {

namespace {
std::uint8_t Bit(int player) { return static_cast<std::uint8_t>(1u << player); }

// A table as a mission may hold it, asymmetric or with players outside
// their own alliance, made as the dialog keeps it.
AllianceMatrix Whole(AllianceMatrix matrix) {
    for (int i = 0; i < kAlliancePlayers; ++i)
        for (int j = 0; j < kAlliancePlayers; ++j)
            if (matrix[static_cast<std::size_t>(i)] & Bit(j)) matrix[static_cast<std::size_t>(j)] |= Bit(i);
    for (int i = 0; i < kAlliancePlayers; ++i) matrix[static_cast<std::size_t>(i)] |= Bit(i);
    return matrix;
}
}  // namespace

AllianceMatrix TotalWar() {
    AllianceMatrix matrix{};
    for (int i = 0; i < kAlliancePlayers; ++i) matrix[static_cast<std::size_t>(i)] = Bit(i);
    return matrix;
}

AllianceMatrix TotalFriendship() {
    AllianceMatrix matrix;
    matrix.fill(0xFF);
    return matrix;
}

AllianceMatrix AlliancesOf(std::int32_t first, std::int32_t second) {
    if (first == 0) return TotalWar();
    AllianceMatrix matrix{};
    for (int i = 0; i < 4; ++i) {
        matrix[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(first) >> (8 * i));
        matrix[static_cast<std::size_t>(i + 4)] =
            static_cast<std::uint8_t>(static_cast<std::uint32_t>(second) >> (8 * i));
    }
    return Whole(matrix);
}

std::array<std::int32_t, 2> AllianceValues(const AllianceMatrix& matrix) {
    std::array<std::uint32_t, 2> values{};
    for (int i = 0; i < kAlliancePlayers; ++i)
        values[static_cast<std::size_t>(i / 4)] |= static_cast<std::uint32_t>(matrix[static_cast<std::size_t>(i)])
                                                   << (8 * (i % 4));
    return {static_cast<std::int32_t>(values[0]), static_cast<std::int32_t>(values[1])};
}

AllianceGroups DeriveGroups(const AllianceMatrix& matrix) {
    AllianceGroups groups;
    for (auto& row : groups) row.fill(-1);
    std::array<bool, kAlliancePlayers> placed{};
    std::size_t next = 0;
    for (int i = 0; i < kAlliancePlayers; ++i) {
        if (placed[static_cast<std::size_t>(i)]) continue;
        std::size_t place = 0;
        for (int j = 0; j < kAlliancePlayers; ++j)
            if (matrix[static_cast<std::size_t>(i)] & Bit(j)) {
                groups[next][place++] = j;
                placed[static_cast<std::size_t>(j)] = true;
            }
        if (place > 0) ++next;
    }
    return groups;
}

AllianceMatrix MovePlayer(const AllianceMatrix& matrix, int player, int row) {
    if (player < 0 || player >= kAlliancePlayers || row < 0 || row >= kAlliancePlayers) return matrix;
    auto members = DeriveGroups(matrix)[static_cast<std::size_t>(row)];
    AllianceMatrix moved = matrix;
    auto self = static_cast<std::size_t>(player);
    for (auto& allies : moved) allies &= static_cast<std::uint8_t>(~Bit(player));
    moved[self] = Bit(player);
    for (int member : members)
        if (member >= 0 && member != player) {
            moved[self] |= Bit(member);
            moved[static_cast<std::size_t>(member)] |= Bit(player);
        }
    return moved;
}

}  // namespace sced
