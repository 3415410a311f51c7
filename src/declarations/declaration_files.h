#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "declarations/function_template.h"
#include "declarations/object_group.h"

namespace sced {

// What "Data\FuncDecl" and "Data\FuncStruct" declare.
struct Declarations {
    // The functions the designer can use: conditions first, in menu order.
    std::vector<Template> functions;
    // The declared object groups, in the order they are added.
    std::vector<ObjectGroup> groups;
};

// Reads both files under the game folder; raises "No functions decl file."
// or "No groups structure file." when one cannot be opened, and the
// readers' texts when one is malformed.
Declarations ReadDeclarationFiles(const std::filesystem::path& gameFolder);

// The same from the two files' bytes.
Declarations ReadDeclarationTexts(std::string_view funcDecl, std::string_view funcStruct);

}  // namespace sced
