// The main window's commands that look through the mission: Find, Where
// used, Check, the script pane and the tree's context menu.

#include <QMenu>
#include <QPlainTextEdit>

#include "app/find_bar.h"
#include "app/main_window.h"
#include "app/replace_dialog.h"
#include "app/results_panel.h"
#include "app/script_pane.h"
#include "core/editor_texts.h"
#include "editing/where_used.h"
#include "files/script_writer.h"
#include "model/scenario.h"
#include "skin/cool_edit.h"
#include "skin/cool_tree_ctrl.h"
#include "skin/qt_text.h"

namespace sced {

void MainWindow::OpenFind() {
    findBar_->Open();
    UpdateFind();
}

void MainWindow::CloseFind() {
    find_.Clear();
    tree_->ShowOnly(nullptr);
    tree_->Mark({});
    findBar_->hide();
    // The selection stays where the search left it, in view.
    if (QModelIndex current = tree_->currentIndex(); current.isValid()) tree_->scrollTo(current);
    tree_->setFocus();
}

void MainWindow::UpdateFind() {
    if (!editor_.IsOpen() || findBar_->isHidden()) {
        if (find_.active() || !findBar_->isHidden()) CloseFind();
        return;
    }
    // An edit renews the matches of what it touched; a new text searches anew.
    if (find_.active() && find_.text() == findBar_->text())
        find_.Follow(scenario_, editor_.trail());
    else
        find_.Search(scenario_, findBar_->text(), editor_.trail());
    std::vector<TreePath> marked;
    marked.reserve(find_.matches().size());
    for (const MissionPlace& match : find_.matches()) marked.push_back(match.path);
    tree_->Mark(std::move(marked));
    tree_->ShowOnly(find_.active() ? &find_.triggers() : nullptr);
    const std::string found = std::to_string(find_.matches().size());
    findBar_->SetFound(find_.active() ? ToQt(Say(text::kFound, {found})) : QString());
}

void MainWindow::FindStep(bool forward) {
    if (!find_.active()) {
        OpenFind();
        return;
    }
    std::optional<TreePath> match = forward ? find_.Next(tree_->selected()) : find_.Previous(tree_->selected());
    if (match) GoTo(*match);
}

void MainWindow::GoTo(const TreePath& path) {
    tree_->Select(path);
    editor_.FollowTreeSelection();
    Refresh();
}

void MainWindow::ShowWhereUsed() {
    usedThings_ = ThingsOfSelection(scenario_, editor_.selection());
    // A trigger is followed by itself, wherever later edits move it.
    usedTriggers_.clear();
    for (const NamedThing& thing : usedThings_)
        usedTriggers_.push_back(thing.group == "blocks" ? &scenario_.triggers.At(thing.item) : nullptr);
    results_->Show(ToQt(Say(text::kWhereUsed)), UsesLines());
    results_->SetReplaceable(true);
    shownResults_ = Results::kWhereUsed;
    resultsChanges_ = editor_.changes();
}

std::vector<ResultLine> MainWindow::UsesLines() {
    std::vector<NamedThing> things;
    for (std::size_t i = 0; i < usedThings_.size(); ++i) {
        NamedThing thing = usedThings_[i];
        if (const Command* trigger = usedTriggers_[i]) {
            thing.item = -1;
            for (int t = 0; t < scenario_.triggers.count() && thing.item < 0; ++t)
                if (&scenario_.triggers.At(t) == trigger) thing.item = t;
        }
        // What is gone (a deleted trigger, a zone the map lost) has no uses to show.
        bool there = thing.group == "blocks" ? thing.item >= 0
                                             : thing.item < scenario_.objectGroups.GetGroup(thing.group).count();
        if (there) things.push_back(thing);
    }
    shownThings_ = things;
    std::vector<ResultLine> lines;
    for (const ThingUses& thing : UsesOfAll(scenario_, things)) {
        lines.push_back({ToQt(thing.heading), kNoTreePath, true});
        for (const MissionPlace& use : thing.uses) lines.push_back({ToQt(use.text), use.path, false});
        if (thing.uses.empty()) lines.push_back({ToQt(Say(text::kNotUsed)), kNoTreePath, false});
    }
    if (lines.empty()) lines.push_back({ToQt(Say(text::kNoUses)), kNoTreePath, false});
    return lines;
}

void MainWindow::ReplaceShownThing(int heading) {
    if (heading < 0 || heading >= static_cast<int>(shownThings_.size())) return;
    const NamedThing from = shownThings_[static_cast<std::size_t>(heading)];
    std::optional<NamedThing> to = replacements_->Ask(scenario_, questions_, from);
    if (!to || !editor_.ReplaceUses(from, *to)) return;
    if (find_.active()) UpdateFind();
    Refresh();
}

std::optional<int> MainWindow::ReplaceListItem(int item) {
    ArgumentEditing& arguments = editor_.arguments();
    const NamedThing from = arguments.ThingOfItem(item);
    std::optional<NamedThing> to = replacements_->Ask(scenario_, questions_, from);
    if (!to || !arguments.ReplaceUses(from, *to)) return std::nullopt;
    return arguments.ItemOfThing(*to);
}

std::pair<QString, std::vector<ResultLine>> MainWindow::ProblemLines() {
    const std::vector<MissionProblem>& problems = check_.Follow(scenario_, editor_.trail());
    std::vector<ResultLine> lines;
    for (const MissionProblem& problem : problems) lines.push_back({ToQt(problem.text), problem.path, false});
    if (lines.empty()) lines.push_back({ToQt(Say(text::kNoProblems)), kNoTreePath, false});
    const std::string count = std::to_string(problems.size());
    return {ToQt(problems.size() == 1 ? Say(text::kOneProblem) : Say(text::kProblems, {count})), std::move(lines)};
}

void MainWindow::ShowProblems() {
    auto [caption, lines] = ProblemLines();
    results_->Show(caption, std::move(lines));
    results_->SetReplaceable(false);
    shownResults_ = Results::kCheck;
    resultsChanges_ = editor_.changes();
}

void MainWindow::RenewResults() {
    if (results_->isHidden() || resultsChanges_ == editor_.changes()) return;
    resultsChanges_ = editor_.changes();
    if (shownResults_ == Results::kWhereUsed) {
        results_->Renew(ToQt(Say(text::kWhereUsed)), UsesLines());
    } else if (shownResults_ == Results::kDifference) {
        auto [caption, lines] = ComparisonLines();
        results_->Renew(caption, std::move(lines));
    } else {
        auto [caption, lines] = ProblemLines();
        results_->Renew(caption, std::move(lines));
    }
}

void MainWindow::UpdateScript() {
    if (script_->isHidden()) return;
    int trigger = editor_.IsOpen() ? tree_->selected()[0] : -1;
    bool valid = trigger >= 0 && trigger < scenario_.triggers.count();
    script_->SetScript(valid ? ToQt(TriggerScript(scenario_, trigger)) : QString());
}

void MainWindow::ShowContextMenu(const QPoint& at) {
    QModelIndex index = tree_->indexAt(at);
    if (!index.isValid()) return;
    // The item under the mouse is what the commands work on, with the
    // others selected beside it when it is one of them.
    QItemSelectionModel* selection = tree_->selectionModel();
    selection->setCurrentIndex(index, selection->isSelected(index) ? QItemSelectionModel::NoUpdate
                                                                  : QItemSelectionModel::ClearAndSelect);
    QMenu menu(this);
    using C = MainCommand;
    for (C command : {C::kAddCondition, C::kAddAction, C::kModify, C::kWhereUsed}) menu.addAction(action(command));
    menu.addSeparator();
    for (C command : {C::kCut, C::kCopy, C::kPaste, C::kDuplicate, C::kDelete}) menu.addAction(action(command));
    menu.addSeparator();
    for (C command : {C::kMoveUp, C::kMoveDown}) menu.addAction(action(command));
    menu.exec(tree_->viewport()->mapToGlobal(at));
}

}  // namespace sced
