#pragma once

#include <vector>

#include "core/text_reader.h"
#include "declarations/function_template.h"

namespace sced {

// Parses the "#FUNCTIONS" block of "Data\FuncDecl" (already opened in the
// reader) into one template per declaration, in file order. Raises
// "Cannot locate #FUNCTIONS block in FuncDecl.* file." when the block or its
// "#END" is missing, and the declaration's error text when one is malformed.
std::vector<Template> ReadFunctionDeclarations(TextReader& funcDecl);

}  // namespace sced
