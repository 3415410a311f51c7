// Draws every skinned control once into a PNG, on the offscreen platform:
// the demo mission's tree, lists in both modes, buttons in their states,
// an edit, captions, a separator and sentences with filled and unfilled
// arguments. Usage: skin_gallery GAMEDIR OUT.png

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <filesystem>
#include <iostream>

#include "core/scenario_error.h"
#include "core/string_table.h"
#include "core/warning.h"
#include "declarations/function_template.h"
#include "editing/scenario_tree.h"
#include "files/mission_package.h"
#include "model/argument_text.h"
#include "model/command_tree.h"
#include "model/scenario.h"
#include "skin/cool_button.h"
#include "skin/cool_caption.h"
#include "skin/cool_dialog.h"
#include "skin/cool_edit.h"
#include "skin/cool_list_box.h"
#include "skin/cool_separator.h"
#include "skin/cool_smart_ctrl.h"
#include "skin/cool_tree_ctrl.h"
#include "skin/qt_text.h"

namespace {

using namespace sced;

// The first declared function with at least two placeholders, called with
// its first argument given and the others still open.
std::unique_ptr<TermCommand> HalfFilledCall(Scenario& scenario) {
    for (const Template& function : scenario.functions) {
        if (function.placeholderCount < 2) continue;
        auto command = std::make_unique<TermCommand>();
        command->Bind(function);
        for (int i = 0; i < function.argCount; ++i) command->SetArg(scenario, i, 0);
        command->unfilled = static_cast<std::uint8_t>(((1u << function.placeholderCount) - 1) & ~1u);
        return command;
    }
    return nullptr;
}

// A sentence in Russian, as a localised game declares it.
struct RussianCall {
    Template declared;
    TermCommand command;

    RussianCall() {
        // "отряд <1> идёт к <2>, затем ждёт <3> секунд"
        declared.text =
            "\xEE\xF2\xF0\xFF\xE4 <1 group> \xE8\xE4\xB8\xF2 \xEA <2 zone>, \xE7\xE0\xF2\xE5\xEC "
            "\xE6\xE4\xB8\xF2 <3 seconds> \xF1\xE5\xEA\xF3\xED\xE4";
        declared.argDefText = {"group", "\xE7\xEE\xED\xE0", "\xF1\xE5\xEA\xF3\xED\xE4\xFB"};  // зона, секунды
        declared.ParsePlaceholders();
        command.function = &declared;
        command.argText = {"\xD1\xF2\xF0\xE0\xE6\xE0 \xE1\xF0\xEE\xE4\xE0", "", ""};  // Стража брода
        command.unfilled = 0b110;
    }
};

int Run(const std::filesystem::path& game, const QString& out) {
    SetWarningSink([](const std::string& text) { std::cerr << "skin_gallery: " << text << '\n'; });
    StringTable::Instance().Load(game);
    Scenario scenario(game);
    std::vector<MissionEntry> missions = ListMissions(scenario);
    if (!missions.empty()) OpenMission(scenario, missions.front().mapPath, false);

    CoolDialog dialog;
    dialog.setWindowTitle(missions.empty() ? QStringLiteral("Scenario") : ToQt(missions.front().title));
    auto* grid = new QGridLayout(&dialog);
    grid->setContentsMargins(CoolDialog::ContentMargins());
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(8);

    auto* tree = new CoolTreeCtrl;
    tree->SetTree(BuildScenarioTree(scenario));
    tree->SetTreePath(PathTo({0}));
    tree->Notify(kExpand);
    tree->SetTreePath(PathTo({1}));
    tree->Notify(kExpand);
    tree->SetTreePath(PathTo({0, 1, 0}));
    auto* left = new QVBoxLayout;
    left->addWidget(new CoolCaption(QStringLiteral("Triggers")));
    left->addWidget(tree, 1);
    grid->addLayout(left, 0, 0, 2, 1);

    auto* players = new CoolListBox;
    players->SetItems({"\xC8\xE3\xF0\xEE\xEA 1 (\xEA\xF0\xE0\xF1\xED\xFB\xE9)", "Player 2 (blue)", "Player 3 (teal)",
                       "Player 4 (violet)", "Player 5 (orange)", "Player 6 (night)", "Player 7 (white)",
                       "Player 8 (brown)"});
    players->Notify(kListSwatches);
    players->SetSelection(2);
    auto* groups = new CoolListBox;
    groups->SetItems({"&lMap groups", "Guards", "Convoy", "&3Patrol", "A group with a name far too long for its list",
                      "&lDynamic", "\xD1\xF2\xF0\xE0\xE6\xE0 \xE1\xF0\xEE\xE4\xE0"});
    groups->SetSelection(1);
    auto* edit = new CoolEdit;
    edit->SetText("\xD1\xE5\xE2\xE5\xF0\xED\xFB\xE9 \xE1\xF0\xEE\xE4");  // Северный брод
    auto* right = new QVBoxLayout;
    right->addWidget(new CoolCaption(QStringLiteral("Players")));
    right->addWidget(players, 3);
    right->addWidget(new CoolCaption(QStringLiteral("Groups")));
    right->addWidget(groups, 3);
    right->addWidget(new CoolCaption(QStringLiteral("Name")));
    right->addWidget(edit);
    grid->addLayout(right, 0, 1, 2, 1);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);

    grid->addWidget(new CoolSeparator, 2, 0, 1, 2);
    std::unique_ptr<TermCommand> call = HalfFilledCall(scenario);
    auto* sentence = new CoolSmartCtrl;
    sentence->SetArgumentText([&](int arg) { return GetArgumentString(scenario, *call, arg); });
    sentence->SetCommand(call.get());
    grid->addWidget(sentence, 3, 0, 1, 2);
    RussianCall russian;
    auto* russianSentence = new CoolSmartCtrl;
    russianSentence->SetCommand(&russian.command);
    grid->addWidget(russianSentence, 4, 0, 1, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new CoolButton(QStringLiteral("OK"));
    auto* cancel = new CoolButton(QStringLiteral("Cancel"));
    auto* apply = new CoolButton(QStringLiteral("Apply"));
    auto* pressed = new CoolButton(QStringLiteral("Pressed"));
    apply->setEnabled(false);
    pressed->setDown(true);
    for (CoolButton* button : {ok, cancel, apply, pressed}) buttons->addWidget(button);
    buttons->addStretch();
    grid->addLayout(buttons, 5, 0, 1, 2);

    dialog.resize(860, 720);
    dialog.show();
    cancel->setFocus();
    QApplication::processEvents();
    if (!dialog.grab().save(out)) {
        std::cerr << "skin_gallery: cannot write " << out.toStdString() << '\n';
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc != 3) {
        std::cerr << "usage: skin_gallery GAMEDIR OUT.png\n";
        return 2;
    }
    try {
        return Run(std::filesystem::absolute(argv[1]), QString::fromLocal8Bit(argv[2]));
    } catch (const sced::ScenarioError& error) {
        std::cerr << "Tarvossa Scenario Editor Error: " << error.what() << '\n';
        return 1;
    }
}
