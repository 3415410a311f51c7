// A mission script file as saved: scrambled.

#include <cstdint>
#include <string>

#include "files/scramble.h"
#include "script_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string script(reinterpret_cast<const char*>(data), size);
    sced::Scramble(script);
    sced::fuzz::ReadScriptTwice(std::move(script));
    return 0;
}
