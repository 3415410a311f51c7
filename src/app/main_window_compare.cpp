// The main window's comparison of the open mission with another mission's
// files: what changed from that mission to the open one.

#include "app/main_window.h"
#include "app/results_panel.h"
#include "app/user_questions.h"
#include "core/editor_texts.h"
#include "core/path_text.h"
#include "core/scenario_error.h"
#include "editing/mission_diff.h"
#include "files/other_mission.h"
#include "model/scenario.h"
#include "skin/qt_text.h"
#include "skin/skin.h"

namespace sced {

namespace {
constexpr const char* kMissionFiles = "Mission Files (*.add *.ADD)";

// A line of the script as the list shows it: tabs as blanks.
QString Shown(const std::string& line) {
    QString text = ToQt(line);
    text.replace(QLatin1Char('\t'), QStringLiteral("    "));
    return text;
}
// Lines taken out and put in stand out from those around them.
QColor Colour(const std::string& line) {
    const Skin& skin = Skin::Instance();
    if (line.starts_with('-')) return skin.textTakenOut;
    if (line.starts_with('+')) return skin.textPutIn;
    return {};
}
}  // namespace

void MainWindow::CompareWith() {
    auto file = questions_.FileToOpen(kMissionFiles, scenario_.gameFolder / "UserMissions");
    if (!file) return;
    try {
        // The other mission lives only while its texts are taken.
        std::unique_ptr<Scenario> other =
            OpenOtherMission(scenario_, GameFolderOf(*file).value_or(scenario_.gameFolder), *file);
        compared_ = std::make_unique<MissionText>(TextForComparison(*other, TextOfPath(*file)));
    } catch (const ScenarioError& error) {
        questions_.Warn(error.text());
        return;
    }
    auto [caption, lines] = ComparisonLines();
    results_->Show(caption, std::move(lines));
    shownResults_ = Results::kDifference;
    resultsChanges_ = editor_.changes();
}

std::pair<QString, std::vector<ResultLine>> MainWindow::ComparisonLines() {
    std::vector<ResultLine> lines;
    const MissionText open = TextForComparison(scenario_, scenario_.missionName);
    const MissionDifference difference = CompareMissions(*compared_, open);
    if (!difference.empty()) lines.push_back({ToQt(compared_->name), kNoTreePath, true});
    for (const std::string& line : difference.mission)
        lines.push_back({Shown(line), kNoTreePath, false, Colour(line)});
    for (const TriggerChange& change : difference.triggers) {
        // A trigger the open mission no longer has leads nowhere.
        const TreePath trigger = change.after >= 0 ? PathTo({change.after}) : kNoTreePath;
        lines.push_back({ToQt(ChangeHeading(change)), trigger, true});
        for (const std::string& line : change.lines) lines.push_back({Shown(line), trigger, false, Colour(line)});
    }
    if (lines.empty()) lines.push_back({ToQt(Say(text::kNoDifferences)), kNoTreePath, false});
    const std::string name = TextOfPath(PathOfText(compared_->name).filename());
    return {ToQt(Say(text::kDifferences, {name})), std::move(lines)};
}

}  // namespace sced
