#include "core/string_table.h"

#include "core/game_path.h"
#include "core/scenario_error.h"
#include "core/text_reader.h"

namespace sced {

namespace {
constexpr std::string_view kFile = "Data\\str";
constexpr std::string_view kSection = "#STRINGS";
}  // namespace

StringTable& StringTable::Instance() {
    static StringTable table;
    return table;
}

void StringTable::Clear() {
    entries_.clear();
    openBrace_.clear();
    closeBrace_.clear();
}

void StringTable::Load(const std::filesystem::path& gameFolder) {
    Clear();
    auto bytes = ReadWholeFile(ResolveGamePath(gameFolder, kFile));
    Check(bytes.has_value(), "Error opening strings file");
    LoadText(*bytes);
}

void StringTable::LoadText(std::string_view text) {
    Clear();
    TextReader reader;
    reader.OpenText(text);
    // A file without the section is an empty table.
    if (reader.FindSection(kSection) == 0) {
        std::string line;
        for (int result; (result = reader.ReadLine(line)) != TextReader::kEnd;) {
            Check(result != TextReader::kTooLong, LongLineText(kFile, kSection));
            Insert(line);
        }
    }
    // The brace texts are shown in every sentence; keep them at hand.
    openBrace_ = Lookup("txtOpenBrace");
    closeBrace_ = Lookup("txtCloseBrace");
}

void StringTable::Insert(std::string_view line) {
    std::size_t keyEnd = line.find_first_of(" \t\r\n");
    std::string_view key = line.substr(0, keyEnd);
    std::string_view value;
    if (keyEnd != std::string_view::npos) {
        std::size_t textStart = line.find_first_not_of(" \t", keyEnd);
        if (textStart != std::string_view::npos) value = line.substr(textStart);
    }
    entries_.emplace(std::string(key), std::string(value));  // the first line of a key wins
}

std::string StringTable::Lookup(std::string_view key) const {
    auto found = entries_.find(key);
    return found == entries_.end() ? std::string() : found->second;
}

std::string StringTable::Bracketed(std::string_view text) const {
    return openBrace_ + std::string(text) + closeBrace_;
}

}  // namespace sced
