#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "model/scenario.h"

namespace sced::test {

// Names that the script format can carry: blanks, one pair of brackets and
// the script's keywords inside, never a comma or a leading digit.
std::string RandomName(std::mt19937& random, std::size_t maxLength = 24);

// A map's zones and groups with random names, unique within each list.
struct RandomMap {
    std::vector<std::string> zones;
    std::vector<std::string> groups;
};
RandomMap MakeRandomMap(std::mt19937& random);

// Fills the open scenario with random triggers over every declared function,
// random valid values, nested IFs, empty lists, and random names for the
// renamable groups.
void FillRandomMission(Scenario& scenario, std::mt19937& random);

}  // namespace sced::test
