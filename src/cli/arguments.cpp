#include "cli/arguments.h"

#include <optional>

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#endif

#include "core/code_page.h"
#include "core/path_text.h"
#include "core/scenario_error.h"

namespace sced::cli {

namespace fs = std::filesystem;

#ifdef _WIN32

namespace {
std::string Utf8Of(const fs::path& path) {
    std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}
}  // namespace

CommandLine::CommandLine(int argc, char** argv) {
    int count = 0;
    if (LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i) arguments_.push_back(Utf8Of(fs::path(wide[i])));
        LocalFree(wide);
    } else {
        arguments_.assign(argv, argv + argc);
    }
    for (std::string& argument : arguments_) pointers_.push_back(argument.data());
}

fs::path PathArgument(const std::string& argument) {
    return fs::path(std::u8string(argument.begin(), argument.end()));
}

#else

CommandLine::CommandLine(int argc, char** argv) : arguments_(argv, argv + argc) {
    for (std::string& argument : arguments_) pointers_.push_back(argument.data());
}

fs::path PathArgument(const std::string& argument) { return fs::path(argument); }

#endif

std::string NameArgument(const std::string& argument) {
    std::optional<std::string> text = ExactTextOfPath(PathArgument(argument));
    Check(text.has_value(), "The name " + TextOfPath(PathArgument(argument)) +
                                " holds a character that the game's code page 1251 cannot hold.");
    return std::move(*text);
}

std::string ArgumentText(const std::string& text, bool utf8) {
#ifdef _WIN32
    utf8 = true;
#endif
    if (!utf8) return text;
    Utf8Conversion converted = Utf8ToCp1251(text);
    Check(!converted.failedAt, "A text of the command line holds a character that code page 1251 cannot hold.");
    return converted.bytes;
}

}  // namespace sced::cli
