// make_random_missions GAMEDIR COUNT
//
// Adds COUNT missions of the round-trip tests' generator to the game folder,
// each on a random map of its own: "Maps\RandomN.m3d" and the mission
// "RandomN", from seed N. The same seeds give the same missions, so a
// difference found with them can be made again.

#include <cstdlib>
#include <iostream>
#include <random>
#include <string>

#include "core/file_write.h"
#include "core/game_path.h"
#include "core/scenario_error.h"
#include "core/string_table.h"
#include "files/mission_package.h"
#include "files/script_writer.h"
#include "model/scenario.h"
#include "support/map_bytes.h"
#include "support/random_mission.h"

int main(int argc, char** argv) {
    using namespace sced;
    const int count = argc == 3 ? std::atoi(argv[2]) : 0;
    if (count <= 0) {
        std::cerr << "usage: make_random_missions GAMEDIR COUNT\n";
        return 2;
    }
    try {
        std::filesystem::path folder = MakeGameFolder(argv[1]);
        StringTable::Instance().Load(folder);
        Scenario scenario(folder);
        for (int seed = 1; seed <= count; ++seed) {
            std::mt19937 random(static_cast<unsigned>(seed));
            test::RandomMap map = test::MakeRandomMap(random);
            const std::string mapPath = "Maps\\Random" + std::to_string(seed) + ".m3d";
            Check(WriteFileAtomically(ResolveGamePath(folder, mapPath), test::MapBytes(map.zones, map.groups)),
                  "The map " + mapPath + " cannot be written.");
            Check(NewMission(scenario, mapPath), "The map " + mapPath + " cannot be read.");
            test::FillRandomMission(scenario, random);
            SaveMission(scenario);
        }
    } catch (const ScenarioError& e) {
        std::cerr << "make_random_missions: " << e.text() << '\n';
        return 1;
    }
    return 0;
}
