#include "model/scenario.h"

#include <algorithm>
#include <vector>

#include "core/string_table.h"
#include "declarations/declaration_files.h"

namespace sced {

namespace {
// The scenarios that exist, the newest last.
std::vector<Scenario*>& Living() {
    static std::vector<Scenario*> living;
    return living;
}
}  // namespace

Scenario::Scenario(std::filesystem::path folder)
    : title(Lookup("txtUserMission")), description(Lookup("txtMissDescr")) {
    Declarations declarations = ReadDeclarationFiles(folder);
    functions = std::move(declarations.functions);
    objectGroups.Build(declarations.groups);
    lists = ReadUnitLists(folder);

    gameFolder = std::move(folder);
    currentTrigger = -1;
    objectGroups.mapLoaded = false;
    modified = false;
    Living().push_back(this);
}

Scenario::~Scenario() { std::erase(Living(), this); }

Scenario* CurrentScenario() { return Living().empty() ? nullptr : Living().back(); }

void Scenario::ResetGroups() {
    objectGroups.ResetGroups();
    triggers.Clear();
}

int Scenario::CheckMapReferences() {
    int lost = RebindMapReferences(*this, triggers);
    objectGroups.RecordMapCounts();
    return lost;
}

}  // namespace sced
