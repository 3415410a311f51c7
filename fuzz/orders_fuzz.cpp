#include <cstdint>
#include <string_view>

#include "core/scenario_error.h"
#include "declarations/unit_lists.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        auto formations = sced::ParseOrders(std::string_view(reinterpret_cast<const char*>(data), size));
        for (const auto& f : formations)
            for (int r = 0; r < f.rows; ++r)
                for (int c = 0; c < f.columns; ++c) (void)f.Cell(r, c);
    } catch (const sced::ScenarioError&) {
    }
    return 0;
}
