#pragma once

#include <QMainWindow>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "editing/editor.h"
#include "editing/main_commands.h"
#include "editing/mission_diff.h"
#include "editing/mission_problems.h"
#include "editing/mission_search.h"
#include "editing/where_used.h"

class QAction;

namespace sced {

class AllianceDialog;
class Command;
class CommandDialog;
class CoolButton;
class CoolTreeCtrl;
class DirectionDialog;
class FindBar;
class FormationDialog;
class ListDialog;
class MessageDialog;
class MissionDialog;
class PageDialog;
class PropertiesDialog;
class RecoveryKeeper;
class ReplaceDialog;
class ResultsPanel;
struct ResultLine;
class ScriptPane;
class Scenario;
class TextDialog;
class TreeDialog;
class TriggerDialog;
class UserQuestions;

// The main window: the scenario tree beside the command buttons, the menus
// and keys. Every command is one action, enabled by the enabling rule of
// the editing operations; the window routes, the Editor edits.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // The questions default to real message boxes and file dialogs.
    explicit MainWindow(Scenario& scenario, UserQuestions* questions = nullptr);
    ~MainWindow() override;

    Editor& editor() { return editor_; }
    // Where the page dialog looks up the palettes of the game's pictures
    // (by default $WINEPREFIX, else "~/.wine").
    void SetWinePrefix(std::filesystem::path prefix);
    QAction* action(MainCommand command) const;
    CoolTreeCtrl* tree() const { return tree_; }
    FindBar* findBar() const { return findBar_; }
    ResultsPanel* results() const { return results_; }
    ScriptPane* scriptPane() const { return script_; }
    // Keeps a recovery copy of unsaved work under the root, one folder per
    // game folder; a copy left by an editor that did not end in order is
    // offered first.
    void StartRecovery(const std::filesystem::path& root);
    // The editor ends after an error: the unsaved work is kept now. Whether
    // a copy was written.
    bool KeepWorkBeforeEnd();
    RecoveryKeeper* recovery() const { return recovery_; }
    // Runs the command as its menu item or key does.
    void Run(MainCommand command);
    // The enabling rule and the title, after every command.
    void Refresh();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Escape closes the results panel unless a field takes the key.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Copy and Cut put the selection's script text on the system clipboard
    // too; Paste takes text from there when this editor did not put it.
    void CutToClipboard();
    void PutOnClipboard(const std::string& text);
    void PasteFromClipboard();
    void BuildActions();
    void BuildMenus();
    QWidget* BuildPanel();

    // The mission's files (main_window_files.cpp).
    void New();
    void Open();
    bool Close();
    // Saves the mission; the report of the files written is shown when asked for.
    bool Save(bool report = true);
    void Print();
    void DeleteMission();
    void ExportDump();
    void ImportDump();
    // Whether the designer saves a mission that has problems (yes when it
    // has none).
    bool SaveDespiteProblems();
    // Whether the save may write into the mission's map: yes when it lies in
    // the game folder, else when the designer says so.
    bool WriteIntoMapOutside();
    // Asks to save a modified mission: false when the designer cancels.
    bool OfferToSave(bool withCancel);
    void ReadMapAgain();
    // Asks whether to restore the copy of unsaved work, and does.
    void OfferRecovery();
    // Play the mission or go to the map editor (main_window_game.cpp).
    void StartGame(bool mapEditor);

    // Find (main_window_find.cpp): the bar above the tree, the matches
    // marked and only their triggers shown.
    void OpenFind();
    void CloseFind();
    // Searches anew for the bar's text and shows the result.
    void UpdateFind();
    // Selects the next (previous) match after the tree's selection.
    void FindStep(bool forward);
    // Selects the node and lets the Editor follow, as a click would.
    void GoTo(const TreePath& path);
    // Compare with (main_window_compare.cpp): the difference from another
    // mission's files to the open mission, in the results panel.
    void CompareWith();
    std::pair<QString, std::vector<ResultLine>> ComparisonLines();
    void ShowWhereUsed();
    void ShowProblems();
    // What the results panel shows, found anew after the mission changed,
    // so that no line leads to a place that moved.
    void RenewResults();
    std::vector<ResultLine> UsesLines();
    // Replace with... of the Where used panel, for the thing of its heading.
    void ReplaceShownThing(int heading);
    // Replace with... of the group and rename dialogs; the item chosen after.
    std::optional<int> ReplaceListItem(int item);
    std::pair<QString, std::vector<ResultLine>> ProblemLines();
    // The script pane shows the selected trigger's script.
    void UpdateScript();
    void ShowContextMenu(const QPoint& at);

    Scenario& scenario_;
    std::unique_ptr<UserQuestions> ownQuestions_;
    UserQuestions& questions_;
    Editor editor_;
    CoolTreeCtrl* tree_ = nullptr;
    std::map<MainCommand, QAction*> actions_;
    std::vector<std::pair<MainCommand, CoolButton*>> buttons_;
    CommandDialog* chooser_;
    CommandDialog* commandEditor_;
    ListDialog* groups_;
    ListDialog* renames_;
    FormationDialog* formations_;
    TreeDialog* unitTypes_;
    TreeDialog* upgrades_;
    DirectionDialog* directions_;
    AllianceDialog* alliances_;
    TextDialog* strings_;
    TextDialog* numbers_;
    TriggerDialog* triggers_;
    MissionDialog* missions_;
    PropertiesDialog* properties_;
    PageDialog* pages_;
    MessageDialog* report_;
    ReplaceDialog* replacements_;
    FindBar* findBar_;
    ResultsPanel* results_;
    ScriptPane* script_;
    RecoveryKeeper* recovery_ = nullptr;
    MissionFind find_;
    MissionCheck check_;
    // What the results panel shows: Where used of these things (a trigger
    // among them followed by itself), Check, or the difference from another
    // mission; and the mission's changes it was found at.
    enum class Results { kWhereUsed, kCheck, kDifference } shownResults_ = Results::kCheck;
    // The mission the open one was compared with, as the comparison sees it.
    std::unique_ptr<MissionText> compared_;
    QString clipboardText_;  // what Copy or Cut last put on the system clipboard
    std::vector<NamedThing> usedThings_;
    std::vector<const Command*> usedTriggers_;
    std::vector<NamedThing> shownThings_;  // those with a heading, in order
    std::uint64_t resultsChanges_ = 0;
    std::string confirmedMap_;  // a map outside the game folder the designer let the save write into
};

}  // namespace sced
