// The "#FUNCTIONS" block, with the group sections of a fixed group file.

#include <cstdint>
#include <string_view>

#include "core/scenario_error.h"
#include "core/text_reader.h"
#include "declarations/function_declarations.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    sced::TextReader reader;
    reader.OpenText(std::string_view(reinterpret_cast<const char*>(data), size));
    try {
        auto functions = sced::ReadFunctionDeclarations(reader);
        for (auto& function : functions) {
            for (int p = 0; p < function.placeholderCount; ++p) {
                int arg = function.placeholders[static_cast<std::size_t>(p)].argIndex;
                if (arg >= 0 && arg < function.argCount &&
                    function.argKind[static_cast<std::size_t>(arg)] == sced::KindChInt)
                    (void)function.ValidateInteger(p, "12");
            }
        }
    } catch (const sced::ScenarioError&) {
    }
    return 0;
}
