#include "model/scenario.h"

#include "core/string_table.h"
#include "declarations/declaration_files.h"

namespace sced {

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
}

Scenario::~Scenario() = default;

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
