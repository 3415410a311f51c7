#pragma once

#include <vector>

#include "core/text_reader.h"
#include "declarations/function_template.h"
#include "declarations/object_group.h"

namespace sced {

// Keeps only the functions that "#CONDITION" and "#ACTION" of
// "Data\FuncStruct" list, in their order, each with its translated menu
// group (from "#GROUPNAMES" of "Data\FuncDecl") and its condition flag.
std::vector<Template> ArrangeFunctions(const std::vector<Template>& declared,
                                       TextReader& funcDecl, TextReader& funcStruct);

// The object groups of the "#GROUPS" section of "Data\FuncDecl", in the
// order in which they are added to the scenario; when there are any, the
// last one is the group that goes after the built-in groups.
std::vector<ObjectGroup> ReadDeclaredGroups(TextReader& funcDecl);

}  // namespace sced
