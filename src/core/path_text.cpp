#include "core/path_text.h"

#include "core/code_page.h"

namespace sced {

namespace fs = std::filesystem;

#ifdef _WIN32

namespace {

std::optional<std::string> Cp1251OfWide(const std::wstring& wide, std::optional<char> replacement) {
    std::string text;
    text.reserve(wide.size());
    for (std::size_t i = 0; i < wide.size(); ++i) {
        const wchar_t c = wide[i];
        // A character beyond the first plane is two UTF-16 units and one "?".
        const bool pair = c >= 0xD800 && c <= 0xDBFF && i + 1 < wide.size();
        std::optional<char> byte = c >= 0xD800 && c <= 0xDFFF ? std::nullopt : UnicodeToCp1251(c);
        if (!byte) byte = replacement;
        if (!byte) return std::nullopt;
        text += *byte;
        if (pair) ++i;
    }
    return text;
}

}  // namespace

fs::path PathOfText(std::string_view text) {
    std::wstring wide;
    wide.reserve(text.size());
    for (char c : text) wide += static_cast<wchar_t>(Cp1251ToUnicode(static_cast<unsigned char>(c)));
    return fs::path(wide);
}

std::optional<std::string> ExactTextOfPath(const fs::path& path) { return Cp1251OfWide(path.native(), std::nullopt); }

std::string TextOfPath(const fs::path& path) { return *Cp1251OfWide(path.native(), '?'); }

#else

fs::path PathOfText(std::string_view text) { return fs::path(Cp1251ToUtf8(text)); }

std::optional<std::string> ExactTextOfPath(const fs::path& path) {
    const std::string& name = path.native();
    Utf8Conversion exact = Utf8ToCp1251(name);
    if (!exact.failedAt) return std::move(exact.bytes);
    // Not UTF-8 at all: the bytes are code page 1251 already.
    if (Utf8ToCp1251(name, '?').failedAt) return name;
    return std::nullopt;
}

std::string TextOfPath(const fs::path& path) {
    const std::string& name = path.native();
    Utf8Conversion shown = Utf8ToCp1251(name, '?');
    return shown.failedAt ? name : std::move(shown.bytes);
}

#endif

}  // namespace sced
