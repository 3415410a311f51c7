// take_screenshots GAMEDIR OUTDIR: opens the first mission of the game
// folder in the editor's real windows and writes PNGs of the main window,
// the chooser with a function chosen, the command editor with a sentence,
// a group dialog, the direction picker, the alliance dialog, the mission's
// properties, a briefing page with its picture, the trigger dialog, Find
// with its matches, Where used with the script pane and its Replace with...,
// the difference from the mission's files to it after two edits, and
// Check. Run on the offscreen platform (tools/screenshots), with the
// palettes under $WINEPREFIX.

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <iostream>

#include "app/find_bar.h"
#include "app/results_panel.h"
#include "skin/cool_edit.h"
#include "app/main_window.h"
#include "app/user_questions.h"
#include "controls/control_table.h"
#include "core/editor_texts.h"
#include "core/game_path.h"
#include "core/scenario_error.h"
#include "core/string_table.h"
#include "files/mission_package.h"
#include "declarations/function_template.h"
#include "model/command_tree.h"
#include "model/scenario.h"
#include "skin/cool_tree_ctrl.h"
#include "skin/qt_text.h"
#include "skin/skin_style.h"

namespace {

using namespace sced;
namespace fs = std::filesystem;

// When the next modal dialog shows: prepare it, save its picture, then
// either close it or go on with it.
void WhenShown(const QString& file, std::function<void(QDialog&)> then) {
    QTimer::singleShot(50, [file, then] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            std::cerr << "no dialog for " << file.toStdString() << '\n';
            return;
        }
        QApplication::processEvents();
        dialog->grab().save(file);
        then(*dialog);
    });
}

// The first action that calls a function with an argument the test
// accepts, and the position of that argument in its sentence; nothing in a
// mission without one.
struct Call {
    TreePath path = kNoTreePath;
    int placeholder = -1;
};
Call FirstCall(const Scenario& scenario, const std::function<bool(const Template&, std::size_t arg)>& accepts) {
    for (int t = 0; t < scenario.triggers.count(); ++t) {
        const auto* trigger = dynamic_cast<const CommandBlock*>(&scenario.triggers.At(t));
        for (int a = 0; trigger && a < trigger->actions.count(); ++a) {
            const auto* call = dynamic_cast<const TermCommand*>(&trigger->actions.At(a));
            if (!call || !call->function) continue;
            const Template& function = *call->function;
            for (int k = 0; k < function.placeholderCount; ++k) {
                int arg = function.placeholders[static_cast<std::size_t>(k)].argIndex;
                if (arg >= 0 && arg < function.argCount && accepts(function, static_cast<std::size_t>(arg)))
                    return {{t, 1, a, -1, -1, -1, -1, -1}, k};
            }
        }
    }
    return {};
}

Call FirstCallWith(const Scenario& scenario, const std::string& group) {
    return FirstCall(scenario, [&group](const Template& function, std::size_t arg) {
        return function.argKind[arg] == KindGroupNumber && function.argGroup[arg] == group;
    });
}

// No to every question; the file dialogs give the file set last.
class FileQuestions : public QuietQuestions {
public:
    std::optional<fs::path> file;
    std::optional<fs::path> FileToOpen(const std::string&, const fs::path&) override { return file; }
};

void Select(MainWindow& window, const TreePath& path) {
    window.tree()->Select(path);
    window.editor().FollowTreeSelection();
    window.Refresh();
}

// The command editor on the call, and the picture of its argument's dialog.
void ShowArgumentDialog(MainWindow& window, const Call& call, const QString& file) {
    if (call.path[0] < 0) {
        std::cerr << "the mission has no call for " << file.toStdString() << '\n';
        return;
    }
    Select(window, call.path);
    QTimer::singleShot(20, [file, call] {
        auto* editor = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        WhenShown(file, [editor](QDialog& argument) {
            argument.reject();
            if (editor) editor->reject();
        });
        ControlTable::Instance().events()->ArgumentClicked(call.placeholder);
    });
    window.Run(MainCommand::kModify);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ApplySkinStyle(application);
    if (argc != 3) {
        std::cerr << "usage: take_screenshots GAMEDIR OUTDIR\n";
        return 2;
    }
    fs::path game = MakeGameFolder(argv[1]);
    QString out = QString::fromStdString(fs::path(argv[2]).string()) + "/";
    fs::create_directories(argv[2]);
    try {
        StringTable::Instance().Load(game);
        Scenario scenario(game);
        FileQuestions quiet;
        MainWindow window(scenario, &quiet);
        window.resize(1100, 720);
        window.show();
        std::vector<MissionEntry> missions = ListMissions(scenario);
        if (missions.empty() || !window.editor().Open(missions.front().mapPath)) {
            std::cerr << "the game folder has no mission that opens\n";
            return 1;
        }
        // The trigger of a call open, the call selected.
        Call call = FirstCall(scenario, [](const Template& function, std::size_t arg) {
            return function.argKind[arg] == KindGroup;
        });
        if (call.path[0] >= 0) {
            Select(window, call.path);
            QModelIndex trigger = window.tree()->model()->index(call.path[0], 0);
            window.tree()->expand(trigger);
            window.tree()->expand(window.tree()->model()->index(1, 0, trigger));
        }
        QApplication::processEvents();
        window.grab().save(out + "main-window.png");
        if (call.path[0] < 0) {
            std::cerr << "the mission calls no function with a group argument: only the main window is drawn\n";
            return 0;
        }

        // Three actions of the call's trigger selected at once.
        {
            const int t = call.path[0];
            const auto& actions = dynamic_cast<const CommandBlock&>(scenario.triggers.At(t)).actions;
            std::vector<TreePath> several;
            for (int a = 1; a < actions.count() && a <= 3; ++a) several.push_back({t, 1, a, -1, -1, -1, -1, -1});
            window.tree()->SetTreePaths(several);
            window.editor().FollowTreeSelection();
            window.Refresh();
            QApplication::processEvents();
            window.grab().save(out + "multi-selection.png");
        }

        // The chooser with the first function of the first group chosen.
        WhenShown(out + "chooser.png", [](QDialog& dialog) { dialog.reject(); });
        QTimer::singleShot(20, [] {
            if (auto* tree = dynamic_cast<CoolTreeCtrl*>(ControlTable::Instance().At(kChooserTree))) {
                tree->Select({0, 0, -1, -1, -1, -1, -1, -1});
                ControlTable::Instance().events()->ChooserSelectionChanged();
            }
        });
        window.Run(MainCommand::kAddAction);

        // The command editor on the call, and the group dialog of its argument.
        Select(window, call.path);
        WhenShown(out + "command-editor.png", [out, call](QDialog& editor) {
            WhenShown(out + "group-dialog.png", [&editor](QDialog& group) {
                group.reject();
                editor.reject();
            });
            ControlTable::Instance().events()->ArgumentClicked(call.placeholder);
        });
        window.Run(MainCommand::kModify);

        ShowArgumentDialog(window, FirstCallWith(scenario, "direction"), out + "direction-dialog.png");
        ShowArgumentDialog(window, FirstCallWith(scenario, "friends"), out + "alliance-dialog.png");
        ShowArgumentDialog(window, FirstCallWith(scenario, "pages"), out + "page-dialog.png");
        WhenShown(out + "properties-dialog.png", [](QDialog& dialog) { dialog.reject(); });
        window.Run(MainCommand::kProperties);

        Select(window, {1, -1, -1, -1, -1, -1, -1, -1});
        WhenShown(out + "trigger-dialog.png", [](QDialog& dialog) { dialog.reject(); });
        window.Run(MainCommand::kModify);

        // Find on the first word of a timer's name (else of the call's text);
        // its second match selected.
        Call timer = FirstCall(scenario, [](const Template& function, std::size_t arg) {
            return function.argKind[arg] == KindGroup && function.argGroup[arg] == "timers";
        });
        if (timer.path[0] < 0) timer = call;
        const TreeNode* node = NodeAt(window.tree()->tree(), timer.path);
        std::string text = node ? node->text : std::string();
        std::size_t brace = text.find('{');
        std::string word = brace == std::string::npos ? text.substr(0, 5)
                                                      : text.substr(brace + 1, text.find_first_of(" }", brace) - brace - 1);
        window.Run(MainCommand::kFind);
        window.findBar()->field()->setText(QString::fromStdString(word));
        window.Run(MainCommand::kFindNext);
        window.Run(MainCommand::kFindNext);
        QApplication::processEvents();
        window.grab().save(out + "find.png");
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(window.findBar()->field(), &escape);

        // Where the call's things are used, under the tree with the script of its trigger.
        Select(window, timer.path);
        window.Run(MainCommand::kWhereUsed);
        window.Run(MainCommand::kScript);
        QApplication::processEvents();
        window.grab().save(out + "where-used.png");
        // Replace with... of the panel: the other things of the kind.
        for (QPushButton* button : window.results()->findChildren<QPushButton*>())
            if (button->isVisible() && button->text() == ToQt(Say(text::kReplaceWith))) {
                WhenShown(out + "replace-dialog.png", [](QDialog& dialog) { dialog.reject(); });
                button->click();
            }

        // Check, on the mission with two values out of their lists, as a
        // mission damaged elsewhere may hold them; nothing is saved.
        window.Run(MainCommand::kScript);
        for (const char* group : {"timers", "blocks"}) {
            Call broken = FirstCall(scenario, [group](const Template& function, std::size_t arg) {
                return function.argKind[arg] == KindGroup && function.argGroup[arg] == group;
            });
            if (broken.path[0] < 0) continue;
            auto& trigger = dynamic_cast<CommandBlock&>(scenario.triggers.At(broken.path[0]));
            auto& command = dynamic_cast<TermCommand&>(trigger.actions.At(broken.path[2]));
            command.args[static_cast<std::size_t>(
                command.function->placeholders[static_cast<std::size_t>(broken.placeholder)].argIndex)] = 999;
        }
        window.Run(MainCommand::kCheck);
        QApplication::processEvents();
        window.grab().save(out + "check.png");

        // The difference from the mission's files to the mission opened
        // again, with its second trigger moved down and the last action of
        // its fourth deleted.
        if (!window.editor().Open(missions.front().mapPath)) return 1;
        const fs::path older = fs::temp_directory_path() / "sced-screenshots-older";
        fs::remove_all(older);
        fs::create_directories(older);
        for (const char* folder : {"UserMissions", "Maps"})
            fs::copy(ResolveGamePath(game, folder), older / folder, fs::copy_options::recursive);
        Select(window, {1, -1, -1, -1, -1, -1, -1, -1});
        window.Run(MainCommand::kMoveDown);
        const auto* fourth =
            scenario.triggers.count() > 3 ? dynamic_cast<const CommandBlock*>(&scenario.triggers.At(3)) : nullptr;
        if (fourth && !fourth->actions.empty()) {
            Select(window, {3, 1, fourth->actions.count() - 1, -1, -1, -1, -1, -1});
            window.Run(MainCommand::kDelete);
        }
        quiet.file = older / "UserMissions" / missions.front().descriptor.filename();
        window.Run(MainCommand::kCompare);
        QApplication::processEvents();
        window.grab().save(out + "diff.png");
        fs::remove_all(older);
    } catch (const ScenarioError& error) {
        std::cerr << "error: " << error.text() << '\n';
        return 1;
    }
    return 0;
}
