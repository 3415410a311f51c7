#include "files/save_report.h"

#include "core/path_text.h"
#include "core/string_table.h"
#include "files/map_reader.h"
#include "files/mission_package.h"

namespace sced {

namespace fs = std::filesystem;

std::vector<fs::path> PackageFiles(const Scenario& scenario) {
    const MissionPaths paths = PathsOf(scenario);
    std::vector<fs::path> files = {paths.descriptor, MapPathOf(scenario), paths.script,
                                   paths.pages,      paths.description,  paths.picture};
    std::error_code ec;
    if (fs::is_regular_file(paths.strings, ec)) files.push_back(paths.strings);
    return files;
}

std::string SaveReportText(const Scenario& scenario) {
    std::string text = Lookup("txtSaved") + ":\n";
    for (const fs::path& file : PackageFiles(scenario)) text += "  " + TextOfPath(file) + "\n";
    return text + Lookup("txtDistribute");
}

}  // namespace sced
