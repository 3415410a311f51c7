// "#GROUPNAMES" and "#GROUPS" of the declaration file and "#CONDITION" and
// "#ACTION" of the group file. The input holds both files, split at the
// first zero byte.

#include <cstdint>
#include <string_view>

#include "core/scenario_error.h"
#include "declarations/declaration_files.h"
#include "model/object_groups.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::size_t split = input.find('\0');
    std::string_view decl = input.substr(0, split);
    std::string_view structure = split == std::string_view::npos ? std::string_view() : input.substr(split + 1);
    try {
        std::string funcDecl = "#FUNCTIONS\nAlways() \"always\" \"A\"\n#END\n";
        funcDecl += decl;
        sced::Declarations declarations = sced::ReadDeclarationTexts(funcDecl, structure);
        sced::ObjectGroups groups;
        groups.Build(declarations.groups);
        groups.ResetGroups();
        groups.UniquifyDynGroups();
    } catch (const sced::ScenarioError&) {
    }
    return 0;
}
