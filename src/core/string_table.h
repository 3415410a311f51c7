#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>

namespace sced {

// The localized texts of the editor's windows by key ("txtOK"), read once
// from "Data\str". A missing key yields an empty text.
class StringTable {
public:
    // The process-wide table, empty until loaded.
    static StringTable& Instance();

    void Clear();
    // Reads "Data\str" under the game folder; raises "Error opening strings
    // file" when it cannot be opened.
    void Load(const std::filesystem::path& gameFolder);
    // Reads the "#STRINGS" section of a text already in memory.
    void LoadText(std::string_view text);

    std::string Lookup(std::string_view key) const;
    // Whether the table has the key (its text may be empty).
    bool Has(std::string_view key) const { return entries_.find(key) != entries_.end(); }
    // The text between the texts of "txtOpenBrace" and "txtCloseBrace".
    std::string Bracketed(std::string_view text) const;

    std::size_t size() const { return entries_.size(); }

private:
    void Insert(std::string_view line);

    std::map<std::string, std::string, std::less<>> entries_;
    std::string openBrace_;
    std::string closeBrace_;
};

// Lookup in the process-wide table.
inline std::string Lookup(std::string_view key) { return StringTable::Instance().Lookup(key); }

}  // namespace sced
