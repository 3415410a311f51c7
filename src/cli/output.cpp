#include "cli/output.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "core/code_page.h"
#include "core/file_write.h"
#include "core/game_path.h"
#include "core/path_text.h"
#include "core/scenario_error.h"

namespace sced::cli {

std::string SystemReason() { return errno != 0 ? std::strerror(errno) : "the system gives no reason"; }

void Output::Line(std::string_view text) {
    Bytes(text);
    stream_ << '\n';
}

void Output::Bytes(std::string_view bytes) {
    if (utf8_)
        stream_ << Cp1251ToUtf8(bytes);
    else
        stream_ << bytes;
}

std::string WriteStandardOutput(std::string_view bytes) {
    errno = 0;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
    if (std::fflush(stdout) != 0 || !written) return SystemReason();
    return "";
}

void WriteTextFile(const std::filesystem::path& path, std::string_view bytes, bool utf8, std::string_view what) {
    std::string converted = utf8 ? Cp1251ToUtf8(bytes) : std::string(bytes);
    std::error_code why;
    if (!WriteFileAtomically(path, converted, &why))
        Fail("The " + std::string(what) + " cannot be written to " + TextOfPath(path) + ": " + why.message() + ".");
}

std::string ReadTextFile(const std::filesystem::path& path, bool utf8, std::string_view what) {
    std::optional<std::string> bytes = ReadWholeFile(path);
    Check(bytes.has_value(), "The " + std::string(what) + " " + TextOfPath(path) + " cannot be read.");
    if (!utf8) return std::move(*bytes);
    Utf8Conversion converted = Utf8ToCp1251(*bytes);
    if (converted.failedAt) {
        auto line = std::count(bytes->begin(), bytes->begin() + static_cast<std::ptrdiff_t>(*converted.failedAt),
                               '\n') + 1;
        Fail("Line " + std::to_string(line) + " of the " + std::string(what) + " " + TextOfPath(path) +
             " holds a character that code page 1251 cannot hold, or is not UTF-8.");
    }
    return std::move(converted.bytes);
}

}  // namespace sced::cli
