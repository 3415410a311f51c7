#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace sced {

class Scenario;

// The area that the dialogs exchange texts through: for the properties
// dialog a zero-terminated title of at most 511 characters in the first 512
// bytes, then a zero-terminated description of at most 1023 characters.
class ExchangeArea {
public:
    static constexpr std::size_t kSize = 2048;
    static constexpr std::size_t kTitleSize = 512;
    static constexpr std::size_t kTitleLength = 511;
    static constexpr std::size_t kDescriptionLength = 1023;

    ExchangeArea() { bytes_.fill(0); }

    void SetTitle(std::string_view text) { Put(0, kTitleLength, text); }
    void SetDescription(std::string_view text) { Put(kTitleSize, kDescriptionLength, text); }
    std::string Title() const { return Get(0, kTitleLength); }
    std::string Description() const { return Get(kTitleSize, kDescriptionLength); }

    std::array<char, kSize>& bytes() { return bytes_; }

private:
    void Put(std::size_t offset, std::size_t limit, std::string_view text);
    std::string Get(std::size_t offset, std::size_t limit) const;

    std::array<char, kSize> bytes_;
};

// The title as the descriptor's first line carries it: its lines joined
// with one space and cut to 511 bytes, each change with a warning that
// says so. A title that is one line of at most 511 bytes comes back whole.
std::string OneLineTitle(std::string_view title);

// Runs the properties dialog over the exchange area with the caption; true
// when the designer confirms.
using PropertiesDialog = std::function<bool(ExchangeArea& exchange, const std::string& caption)>;

// Lets the designer edit the mission's title and description. A text the
// designer left as it was shown is kept whole, even one longer than the
// dialog can show; a blank title becomes the text of "txtMissTitle".
// Returns whether the designer confirmed.
bool EditProperties(Scenario& scenario, ExchangeArea& exchange, const PropertiesDialog& dialog);

}  // namespace sced
