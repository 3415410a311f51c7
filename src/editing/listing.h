#pragma once

#include <filesystem>
#include <string>

namespace sced {

class Scenario;

// The listing's text, with "\n" line ends.
std::string ListingText(const Scenario& scenario);

// Prints the mission's title, description and every trigger as plain text
// (CR LF line ends) to the file. False when the file could not be written;
// a file that stood there before is then unchanged.
bool WriteListing(const Scenario& scenario, const std::filesystem::path& path);

}  // namespace sced
