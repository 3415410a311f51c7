// A mission descriptor (UserMissions\NAME.add): written into a scratch copy
// of the demo game folder, then listed and opened as a mission's files.

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <system_error>

#include "core/scenario_error.h"
#include "core/string_table.h"
#include "files/mission_package.h"
#include "model/scenario.h"

namespace {

namespace fs = std::filesystem;

// A game folder of its own for the process, removed at exit: the demo's data
// files and an empty user-missions folder.
struct ScratchGame {
    fs::path folder;

    ScratchGame() {
        std::string pattern = (fs::temp_directory_path() / "sced_fuzz_descriptor_XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        folder = pattern;
        fs::copy(fs::path(SCED_DEMO_GAME) / "Data", folder / "Data", fs::copy_options::recursive);
        fs::create_directory(folder / "UserMissions");
    }
    ~ScratchGame() {
        std::error_code ec;
        fs::remove_all(folder, ec);
    }
};

struct Fixture {
    ScratchGame game;
    std::unique_ptr<sced::Scenario> scenario;

    Fixture() {
        sced::StringTable::Instance().Load(game.folder);
        scenario = std::make_unique<sced::Scenario>(game.folder);
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Fixture fixture;
    sced::Scenario& scenario = *fixture.scenario;
    {
        std::ofstream out(fixture.game.folder / "UserMissions" / "Fuzz.add", std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        if (!out) std::abort();
    }
    try {
        auto missions = sced::ListMissions(scenario);
        if (missions.size() != 1) __builtin_trap();
        scenario.ResetGroups();
        scenario.leftOut.clear();
        scenario.missionName = "Fuzz";
        sced::ReadMissionFiles(scenario);
    } catch (const sced::ScenarioError&) {
    }
    return 0;
}
