// window_bench [--triggers N] [--runs N]: the editor's windows on the
// offscreen platform with a mission of N triggers (10,000 by default):
// opening it until its tree is drawn, each edit until the tree shows it
// (with the expanded triggers kept), Find (keystrokes, next, Escape),
// Where used and Check until drawn, an edit with Find active and the Check
// panel open, a step through a group list with its "Used by", the window's
// activation with the map unchanged, and the memory of the editor with the
// mission open.

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <string>

#include "app/find_bar.h"
#include "app/main_window.h"
#include "app/user_questions.h"
#include "controls/control_table.h"
#include "core/scenario_error.h"
#include "core/string_table.h"
#include "files/mission_package.h"
#include "files/script_writer.h"
#include "model/scenario.h"
#include "skin/cool_edit.h"
#include "skin/cool_list_box.h"
#include "skin/cool_tree_ctrl.h"
#include "synthetic_mission.h"

namespace {

using namespace sced;
using namespace bench;

// The resident memory of the process, in MiB.
double ResidentMiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("VmRSS:")) return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

// The tree drawn as the screen would show it.
void Shown(MainWindow& window) {
    QApplication::processEvents();
    window.tree()->viewport()->repaint();
}

// What happens in the next modal dialog, once it shows.
void InNextDialog(std::function<void(QDialog&)> act) {
    QTimer::singleShot(0, [act] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) act(*dialog);
    });
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    int triggers = 10000;
    int runs = 9;
    for (int i = 1; i + 1 < argc; i += 2) {
        std::string option = argv[i];
        if (option == "--triggers") triggers = std::max(1, std::atoi(argv[i + 1]));
        else if (option == "--runs") runs = std::max(1, std::atoi(argv[i + 1]));
    }
    try {
        GameCopy game(SCED_DEMO_GAME);
        StringTable::Instance().Load(game.path());
        {
            Scenario maker(game.path());
            Check(NewMission(maker, "Maps\\Valley.m3d"), "The demo map cannot be read.");
            BuildTriggers(maker, triggers);
            SaveMission(maker);
        }
        double before = ResidentMiB();
        Scenario scenario(game.path());
        QuietQuestions quiet;
        MainWindow window(scenario, &quiet);
        // Every edit is timed with the recovery copy kept, as the editor keeps it.
        window.StartRecovery(game.path() / "recovery");
        window.resize(1100, 720);
        window.show();
        Shown(window);
        auto start = Clock::now();
        Check(window.editor().Open("Maps\\Valley.m3d"), "The mission does not open.");
        Shown(window);
        double open = Milliseconds(Clock::now() - start);
        double memory = ResidentMiB();
        // Some triggers open, as a designer leaves them.
        for (int t : {0, 1, triggers / 2, triggers - 1})
            window.tree()->expand(window.tree()->model()->index(t, 0));

        auto select = [&](const TreePath& path) {
            window.tree()->Select(path);
            window.editor().FollowTreeSelection();
            window.Refresh();
        };
        auto edit = [&](const TreePath& path, MainCommand command) {
            return Time(
                runs,
                [&] {
                    window.Run(command);
                    Shown(window);
                },
                [&] { select(path); });
        };
        auto undoRedo = [&](MainCommand command) { return Time(runs, [&] { window.Run(command); Shown(window); }); };
        const int middle = triggers / 2;
        std::vector<std::pair<std::string, double>> rows;
        rows.push_back({"move a trigger down", edit({middle, -1, -1, -1, -1, -1, -1, -1}, MainCommand::kMoveDown)});
        rows.push_back({"  undo", undoRedo(MainCommand::kUndo)});
        rows.push_back({"  redo", undoRedo(MainCommand::kRedo)});
        rows.push_back({"move an action up", edit({middle, 1, 1, -1, -1, -1, -1, -1}, MainCommand::kMoveUp)});
        rows.push_back({"delete an action", edit({middle, 1, 0, -1, -1, -1, -1, -1}, MainCommand::kDelete)});
        rows.push_back({"  undo", undoRedo(MainCommand::kUndo)});
        rows.push_back({"  redo", undoRedo(MainCommand::kRedo)});
        rows.push_back({"paste an action", edit({middle, 1, 0, -1, -1, -1, -1, -1}, MainCommand::kDuplicate)});
        // A trigger added through its name dialog, answered at once.
        rows.push_back({"add a trigger (its dialog answered)",
                        Time(runs, [&] {
                            QTimer::singleShot(0, [] {
                                if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                                    dialog->accept();
                            });
                            window.Run(MainCommand::kAddTrigger);
                            Shown(window);
                        })});
        bool kept = window.tree()->isExpanded(window.tree()->model()->index(1, 0));

        // Find: a key typed into the field, each until the filtered tree is drawn.
        QLineEdit* field = window.findBar()->field();
        auto type = [&](Qt::Key key, const QString& text) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
            QApplication::sendEvent(field, &press);
            Shown(window);
        };
        auto findFrom = [&](const QString& text) {
            return [&window, field, text] {
                window.Run(MainCommand::kFind);
                field->setText(text);
                Shown(window);
            };
        };
        std::vector<std::pair<std::string, double>> finds;
        select({middle, -1, -1, -1, -1, -1, -1, -1});
        finds.push_back({"find: type \"t\" (almost all match)", Time(runs, [&] { type(Qt::Key_T, "t"); }, findFrom(""))});
        finds.push_back({"find: \"Trigger 7\" + \"7\"", Time(runs, [&] { type(Qt::Key_7, "7"); }, findFrom("Trigger 7"))});
        finds.push_back({"find: Backspace to \"Trigger 7\"", Time(runs, [&] { type(Qt::Key_Backspace, ""); }, findFrom("Trigger 77"))});
        findFrom("Trigger 77")();
        finds.push_back({"find next (F3)", Time(runs, [&] { window.Run(MainCommand::kFindNext); Shown(window); })});
        finds.push_back({"Escape: every trigger again", Time(runs, [&] { type(Qt::Key_Escape, ""); }, findFrom("Trigger 77"))});
        finds.push_back({"where used (a condition)", edit({middle, 0, 0, -1, -1, -1, -1, -1}, MainCommand::kWhereUsed)});
        finds.push_back({"check", Time(runs, [&] { window.Run(MainCommand::kCheck); Shown(window); })});
        // With the Check panel open and Find active, each edit renews both.
        const double checkedEdit = edit({middle, -1, -1, -1, -1, -1, -1, -1}, MainCommand::kMoveDown);
        // A trigger the edits above left alone; "Trigger 5" holds it and
        // those that move into its place.
        const int untouched = middle + 100;
        findFrom("Trigger 5")();
        window.Run(MainCommand::kCheck);
        Shown(window);
        const double livePanelsEdit = edit({untouched, -1, -1, -1, -1, -1, -1, -1}, MainCommand::kMoveDown);
        // The trigger is opened first, as a designer would.
        auto opened = [&](const TreePath& path) {
            for (int depth = 1; depth < PathDepth(path); ++depth) {
                TreePath node = kNoTreePath;
                std::copy_n(path.begin(), depth, node.begin());
                select(node);
                window.tree()->expand(window.tree()->currentIndex());
            }
            select(path);
        };
        const double livePanelsAction = Time(
            runs, [&] { window.Run(MainCommand::kMoveUp); Shown(window); },
            [&] { opened({untouched, 1, 1, -1, -1, -1, -1, -1}); });
        type(Qt::Key_Escape, "");

        // The group list of a MoveGroup's first argument, its "Used by"
        // following each step down.
        double usedByStep = 0;
        opened({untouched, 1, 1, -1, -1, -1, -1, -1});
        InNextDialog([&](QDialog& editor) {
            InNextDialog([&](QDialog& list) {
                auto* items = list.findChild<CoolListBox*>();
                const int count = items ? std::max(1, items->count()) : 1;
                usedByStep = Time(runs, [&] {
                    items->setCurrentRow((items->currentRow() + 1) % count);
                    list.repaint();
                });
                list.reject();
            });
            ControlTable::Instance().events()->ArgumentClicked(0);
            editor.reject();
        });
        window.Run(MainCommand::kModify);
        QApplication::processEvents();

        // The window activated again with its map as it was.
        const double activation = Time(runs, [&] {
            QEvent change(QEvent::ActivationChange);
            QApplication::sendEvent(&window, &change);
            Shown(window);
        });

        std::cout << std::fixed << std::setprecision(1) << triggers << " triggers, median of " << runs
                  << " runs, ms, each until the tree is drawn\n\n";
        std::cout << std::left << std::setw(40) << "open the mission" << std::right << std::setw(10) << open << '\n';
        bool met = open <= 300;
        for (const auto& [what, ms] : rows) {
            std::cout << std::left << std::setw(40) << what << std::right << std::setw(10) << ms << '\n';
            met = met && ms <= 16;
        }
        bool found = true;
        std::cout << '\n';
        for (const auto& [what, ms] : finds) {
            std::cout << std::left << std::setw(40) << what << std::right << std::setw(10) << ms << '\n';
            found = found && ms <= 50;
        }
        std::cout << std::left << std::setw(40) << "move a trigger down, Check open" << std::right << std::setw(10)
                  << checkedEdit << '\n';
        found = found && checkedEdit <= 200;
        std::cout << std::left << std::setw(40) << "  the same, Find active too" << std::right << std::setw(10)
                  << livePanelsEdit << '\n';
        std::cout << std::left << std::setw(40) << "move an action up, Find and Check" << std::right << std::setw(10)
                  << livePanelsAction << '\n';
        std::cout << std::left << std::setw(40) << "a step down a group list, Used by" << std::right << std::setw(10)
                  << usedByStep << '\n';
        std::cout << std::left << std::setw(40) << "activation, the map unchanged" << std::right << std::setw(10)
                  << activation << '\n';
        const bool live = livePanelsEdit <= 16 && livePanelsAction <= 16 && usedByStep <= 16 && activation <= 16;
        std::cout << "\nexpanded triggers kept: " << (kept ? "yes" : "NO") << '\n';
        std::cout << "memory with the mission open: " << memory << " MiB (" << memory - before
                  << " MiB more than before)\n";
        std::cout << "goals (open within 300 ms, each edit within 16 ms): " << (met && kept ? "met" : "NOT met") << '\n';
        std::cout << "goal (each find step, where used and check within 50 ms; an edit with Check open within 200 ms): "
                  << (found ? "met" : "NOT met")
                  << '\n';
        std::cout << "goal (with Find and Check open an edit, a step of Used by and an activation within 16 ms): "
                  << (live ? "met" : "NOT met") << '\n';
        return met && kept && found && live ? 0 : 1;
    } catch (const ScenarioError& e) {
        std::cerr << "error: " << e.text() << '\n';
        return 1;
    }
}
