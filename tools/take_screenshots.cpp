// take_screenshots GAMEDIR OUTDIR: opens the first mission of the game
// folder in the editor's real windows and writes PNGs of the main window,
// the chooser with a function chosen, the command editor with a sentence
// and a group dialog. Run on the offscreen platform (tools/screenshots).

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <iostream>

#include "app/main_window.h"
#include "app/user_questions.h"
#include "controls/control_table.h"
#include "core/game_path.h"
#include "core/scenario_error.h"
#include "core/string_table.h"
#include "files/mission_package.h"
#include "model/scenario.h"
#include "skin/cool_tree_ctrl.h"
#include "skin/skin_style.h"

namespace {

using namespace sced;
namespace fs = std::filesystem;

// Answers every question with No and warns on standard error.
class Quiet : public UserQuestions {
public:
    Answer Ask(const std::string&, bool) override { return Answer::kNo; }
    void Warn(const std::string& text) override { std::cerr << "warning: " << text << '\n'; }
    std::optional<fs::path> FileToSave(const std::string&, const std::string&) override { return std::nullopt; }
    std::optional<fs::path> FileToOpen(const std::string&, const fs::path&) override { return std::nullopt; }
};

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

void Select(MainWindow& window, const TreePath& path) {
    window.tree()->Select(path);
    window.editor().FollowTreeSelection();
    window.Refresh();
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
        Quiet quiet;
        MainWindow window(scenario, &quiet);
        window.resize(1100, 720);
        window.show();
        std::vector<MissionEntry> missions = ListMissions(scenario);
        if (missions.empty() || !window.editor().Open(missions.front().mapPath)) {
            std::cerr << "the game folder has no mission that opens\n";
            return 1;
        }
        // The first trigger open, the second action selected.
        Select(window, {0, 1, 1, -1, -1, -1, -1, -1});
        window.tree()->expand(window.tree()->model()->index(0, 0));
        window.tree()->expand(window.tree()->model()->index(1, 0, window.tree()->model()->index(0, 0)));
        QApplication::processEvents();
        window.grab().save(out + "main-window.png");

        // The chooser with the first function of the second group chosen.
        WhenShown(out + "chooser.png", [](QDialog& dialog) { dialog.reject(); });
        QTimer::singleShot(20, [] {
            if (auto* tree = dynamic_cast<CoolTreeCtrl*>(ControlTable::Instance().At(kChooserTree))) {
                tree->Select({1, 0, -1, -1, -1, -1, -1, -1});
                ControlTable::Instance().events()->ChooserSelectionChanged();
            }
        });
        window.Run(MainCommand::kAddAction);

        // The command editor on a call, and the group dialog of its first argument.
        Select(window, {1, 1, 2, -1, -1, -1, -1, -1});
        WhenShown(out + "command-editor.png", [out](QDialog& editor) {
            WhenShown(out + "group-dialog.png", [&editor](QDialog& group) {
                group.reject();
                editor.reject();
            });
            ControlTable::Instance().events()->ArgumentClicked(0);
        });
        window.Run(MainCommand::kModify);
    } catch (const ScenarioError& error) {
        std::cerr << "error: " << error.text() << '\n';
        return 1;
    }
    return 0;
}
