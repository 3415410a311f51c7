#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace sced {

class Scenario;

// Every file of the open mission's package, written by the save or not, in
// the order the save report lists them: descriptor, map, script, pages,
// description, picture, and the strings file when there is one (the editor
// never writes it, but a mission may come with it). A designer who shares
// the mission copies all of them.
std::vector<std::filesystem::path> PackageFiles(const Scenario& scenario);

// The save report's text: "txtSaved", the package's files one a line, and
// "txtDistribute".
std::string SaveReportText(const Scenario& scenario);

}  // namespace sced
