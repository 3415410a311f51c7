#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace sced {

// One briefing page: a game picture with a text.
struct PageRecord {
    std::int32_t number = 0;  // carried through the pages file unchanged
    std::string picture;      // base name plus ".gp"
    std::string body;         // one line: no line breaks or tabs
    // The pages file had no page for the call that names it. Such a page
    // stays missing when saved: its call names no page of the file.
    bool missing = false;

    bool operator==(const PageRecord&) const = default;
};

// The page list of the pages file: page i of the file is entry i. A save
// rebuilds it from the commands in writing order; opening a mission fills it
// from the pages file before the script is read.
class PageTable {
public:
    void Clear() { pages_.clear(); }
    void Append(const PageRecord& page) { pages_.push_back(page); }
    int size() const { return static_cast<int>(pages_.size()); }
    // Callers keep index inside 0..size()-1.
    const PageRecord& At(int index) const { return pages_[static_cast<std::size_t>(index)]; }

private:
    std::vector<PageRecord> pages_;
};

// The process-wide page table.
PageTable& Pages();

// Puts the table in the place of the process-wide one while it exists, so
// that pages numbered there go to it.
class LentPageTable {
public:
    explicit LentPageTable(PageTable& table) : table_(table) { std::swap(Pages(), table_); }
    ~LentPageTable() { std::swap(Pages(), table_); }
    LentPageTable(const LentPageTable&) = delete;
    LentPageTable& operator=(const LentPageTable&) = delete;

private:
    PageTable& table_;
};

}  // namespace sced
