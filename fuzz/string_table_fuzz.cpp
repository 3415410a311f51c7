#include <cstdint>
#include <string_view>

#include "core/scenario_error.h"
#include "core/string_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    sced::StringTable table;
    try {
        table.LoadText(std::string_view(reinterpret_cast<const char*>(data), size));
        (void)table.Bracketed(table.Lookup("txtOK"));
    } catch (const sced::ScenarioError&) {
    }
    return 0;
}
