// The main window's commands on the mission's files.

#include <QApplication>

#include "app/main_window.h"
#include "app/recovery_keeper.h"
#include "app/report_dialogs.h"
#include "app/user_questions.h"
#include "core/editor_texts.h"
#include "core/file_write.h"
#include "core/game_path.h"
#include "core/path_text.h"
#include "core/scenario_error.h"
#include "core/string_table.h"
#include "editing/listing.h"
#include "editing/mission_problems.h"
#include "files/dump_file.h"
#include "files/map_reader.h"
#include "files/mission_package.h"
#include "files/recovery_copy.h"
#include "files/save_report.h"
#include "model/scenario.h"
#include "skin/cool_tree_ctrl.h"

namespace sced {

namespace {
constexpr const char* kTextFiles = "Text Files (*.txt)";
constexpr const char* kDumpFiles = "Dmp Files (*.dmp)";
constexpr const char* kMapFiles = "Mission Map Files (*.m3d *.M3D)";
}  // namespace

bool MainWindow::OfferToSave(bool withCancel) {
    if (!editor_.IsOpen() || !editor_.IsModified()) return true;
    switch (questions_.Ask(Lookup("txtSaveScenario"), withCancel)) {
        case UserQuestions::Answer::kYes: return Save();
        case UserQuestions::Answer::kNo: return true;
        case UserQuestions::Answer::kCancel: return false;
    }
    return false;
}

bool MainWindow::SaveDespiteProblems() {
    // What opening could not read, or what the script cannot carry, would be
    // lost or changed for good by the save.
    std::size_t count = MissionProblems(scenario_).size();
    if (count == 0) return true;
    std::string problems = count == 1 ? Say(text::kOneProblem) : Say(text::kProblems, {std::to_string(count)});
    return questions_.Ask(Say(text::kSaveWithProblems, {problems}), false) == UserQuestions::Answer::kYes;
}

bool MainWindow::WriteIntoMapOutside() {
    if (!MapOutsideGameFolder(scenario_)) return true;
    // Asked once for the map: Play saves too, and asks nothing new.
    const std::string map = TextOfPath(MapPathOf(scenario_));
    if (confirmedMap_ == map) return true;
    if (questions_.Ask(Say(text::kMapOutside, {map}), false) != UserQuestions::Answer::kYes)
        return false;
    confirmedMap_ = map;
    return true;
}

bool MainWindow::Save(bool report) {
    if (!editor_.IsOpen()) return false;
    if (!WriteIntoMapOutside() || !SaveDespiteProblems()) return false;
    try {
        editor_.Save();
    } catch (const ScenarioError& error) {
        // Nothing was written; the designer mends the mission and saves again.
        questions_.Warn(Say(text::kNotSaved, {error.text()}));
        return false;
    }
    if (report) report_->Show(Lookup("txtScenarioSaved"), SaveReportText(scenario_));
    return true;
}

void MainWindow::New() {
    if (!OfferToSave(true)) return;
    auto map = questions_.FileToOpen(kMapFiles, scenario_.gameFolder / "Maps");
    if (!map) return;
    // The mission is named after the map, and its descriptor holds the
    // map's path, both in the game's code page.
    std::string path;
    try {
        path = GamePathOf(scenario_, *map);
    } catch (const ScenarioError& error) {
        questions_.Warn(error.text());
        return;
    }
    if (MissionFilesExist(scenario_, path) &&
        questions_.Ask(Lookup("txtOverwriteMap"), false) != UserQuestions::Answer::kYes)
        return;
    editor_.StartFresh(path);
}

void MainWindow::Open() {
    if (!OfferToSave(true)) return;
    std::optional<MissionEntry> mission = missions_->Choose(Lookup("txtSelMission"));
    if (!mission) return;
    // Another mission starts closed; one that cannot be opened leaves the
    // tree as the designer had it.
    if (editor_.Open(mission->mapPath)) tree_->collapseAll();
}

bool MainWindow::Close() {
    if (!OfferToSave(true)) return false;
    editor_.Close();
    return true;
}

void MainWindow::Print() {
    auto file = questions_.FileToSave(kTextFiles, "txt");
    if (!file) return;
    std::error_code why;
    if (!WriteFileAtomically(*file, WithCrLf(ListingText(scenario_)), &why))
        questions_.Warn("The listing cannot be written to " + TextOfPath(*file) + ": " + FailureReason(why) + ".");
}

void MainWindow::DeleteMission() {
    std::optional<MissionEntry> mission = missions_->Choose(Lookup("txtSelMission"));
    if (!mission) return;
    if (questions_.Ask(Lookup("txtDelScenario") + "\n" + mission->title, false) != UserQuestions::Answer::kYes)
        return;
    try {
        sced::DeleteMission(mission->descriptor);
    } catch (const ScenarioError& error) {
        questions_.Warn(error.text());
    }
}

void MainWindow::ExportDump() {
    auto file = questions_.FileToSave(kDumpFiles, "dmp");
    if (!file) return;
    std::string dump;
    try {
        dump = WithCrLf(DumpText(scenario_));
    } catch (const ScenarioError& error) {
        questions_.Warn(error.text());
        return;
    }
    std::error_code why;
    if (!WriteFileAtomically(*file, dump, &why))
        questions_.Warn("The dump cannot be written to " + TextOfPath(*file) + ": " + FailureReason(why) + ".");
}

void MainWindow::ImportDump() {
    auto file = questions_.FileToOpen(kDumpFiles, scenario_.gameFolder);
    if (!file) return;
    std::optional<std::string> dump = ReadWholeFile(*file);
    if (!dump) {
        questions_.Warn("The dump " + TextOfPath(*file) + " cannot be read.");
        return;
    }
    editor_.ImportDump(*dump);
}

void MainWindow::StartRecovery(const std::filesystem::path& root) {
    recovery_ = new RecoveryKeeper(editor_, scenario_, RecoveryFolder(root, scenario_.gameFolder), this);
    if (RecoveryCopyExists(recovery_->folder())) OfferRecovery();
    Refresh();
}

bool MainWindow::KeepWorkBeforeEnd() { return recovery_ && recovery_->WriteNow(); }

void MainWindow::OfferRecovery() {
    const std::filesystem::path& folder = recovery_->folder();
    auto keptAside = [&] { return TextOfPath(SetRecoveryCopyAside(folder)); };
    std::optional<RecoveryNote> note = ReadRecoveryNote(folder);
    if (!note) {
        questions_.Warn(Say(text::kRecoveryUnreadable, {keptAside()}));
        return;
    }
    if (!questions_.OfferRestore(Say(text::kRestoreQuestion, {note->missionName, note->time}))) {
        RemoveRecoveryCopy(folder);
        return;
    }
    try {
        editor_.OpenRecovered(folder);
        tree_->collapseAll();
        recovery_->Adopt();
    } catch (const ScenarioError& error) {
        questions_.Warn(Say(text::kRecoveryFailed, {error.text(), keptAside()}));
    }
}

void MainWindow::ReadMapAgain() {
    // Nothing read on activation may end the editor: what cannot be taken
    // from the map is a warning, and the mission stays as it is.
    try {
        editor_.RefreshFromMap();
    } catch (const ScenarioError& error) {
        questions_.Warn(error.text());
    }
    Refresh();
}

}  // namespace sced
