#include "model/scenario.h"

#include "core/string_table.h"
#include "declarations/declaration_files.h"

namespace sced {

namespace {
Scenario* current = nullptr;
}  // namespace

Scenario::Scenario(std::filesystem::path folder)
    : missionTitle(Lookup("txtUserMission")), missionDescription(Lookup("txtMissDescr")) {
    Declarations declarations = ReadDeclarationFiles(folder);
    functions = std::move(declarations.functions);
    objectGroups.Build(declarations.groups);
    lists = ReadUnitLists(folder);

    gameFolder = std::move(folder);
    currentTrigger = -1;
    objectGroups.mapLoaded = false;
    modified = false;
    current = this;
}

Scenario::~Scenario() {
    if (current == this) current = nullptr;
}

Scenario* CurrentScenario() { return current; }

}  // namespace sced
