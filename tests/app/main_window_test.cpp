#include "app/window_test.h"

#include "app/find_bar.h"
#include "app/game_link.h"
#include "app/results_panel.h"
#include "app/script_pane.h"
#include "skin/cool_edit.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <array>
#include <fstream>
#include <optional>

#include "controls/control_table.h"
#include "core/editor_texts.h"
#include "files/bitmap_file.h"
#include "files/dump_file.h"
#include "files/mission_picture.h"
#include "files/recovery_copy.h"
#include "files/save_report.h"
#include "files/script_writer.h"
#include "model/command_tree.h"
#include "support/map_bytes.h"
#include "skin/cool_smart_ctrl.h"
#include "skin/qt_text.h"
#include "skin/skin.h"

namespace sced {
namespace {

using test::Button;
using test::InNextDialog;
using MainWindowTest = test::WindowTest;

TEST_F(MainWindowTest, KeysRunTheirCommandsAndTheTreeTakesOnlyNavigation) {
    Select({0, 1, 1, -1, -1, -1, -1, -1});
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        const char* captionKey;
    };
    // Shift+Ins adds a condition and Ctrl+Ins an action, whatever older menus said.
    const Case cases[] = {{Qt::Key_Left, Qt::ControlModifier, "txtModCommand"},
                          {Qt::Key_Insert, Qt::ControlModifier, "txtAddAction"},
                          {Qt::Key_Insert, Qt::ShiftModifier, "txtAddCondition"},
                          {Qt::Key_Right, Qt::ControlModifier, "txtModCommand"},
                          {Qt::Key_Return, Qt::NoModifier, "txtModCommand"}};
    for (const Case& c : cases) {
        Activate();
        QString caption;
        InNextDialog([&](QDialog& dialog) {
            caption = dialog.windowTitle();
            dialog.reject();
        });
        Press(c.key, c.modifiers);
        EXPECT_EQ(caption.toStdString(), Lookup(c.captionKey)) << c.captionKey;
    }
    Activate();
    Press(Qt::Key_Escape);
    EXPECT_TRUE(window->isVisible());
    Press(Qt::Key_Down);
    EXPECT_EQ(window->editor().selection().index, 2) << "the arrows move the selection";
    Press(Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(window->editor().selection().index, 1) << "Ctrl+Up moves the action up";
}

TEST_F(MainWindowTest, TheEnablingRuleReachesButtonsAndMenus) {
    Select(PathTo({0, 1}));
    EXPECT_FALSE(window->action(MainCommand::kModify)->isEnabled()) << "a section, no element";
    EXPECT_TRUE(window->action(MainCommand::kPaste)->isEnabled());
    QPushButton* modify = Button(*window, QString::fromStdString(Lookup("txtModify")));
    ASSERT_NE(modify, nullptr);
    EXPECT_FALSE(modify->isEnabled());
}

TEST_F(MainWindowTest, TheChoosersOkWaitsForEveryArgumentAndARefusedNumberKeepsItsDialog) {
    Select({5, 1, -1, -1, -1, -1, -1, -1});
    InNextDialog([this](QDialog& chooser) {
        auto* functions = dynamic_cast<CoolTreeCtrl*>(ControlTable::Instance().At(kChooserTree));
        functions->Select({0, 0, -1, -1, -1, -1, -1, -1});
        ControlTable::Instance().events()->ChooserSelectionChanged();
        QPushButton* ok = Button(chooser, QString::fromStdString(Lookup("txtOK")));
        ASSERT_NE(ok, nullptr);
        EXPECT_FALSE(ok->isEnabled()) << "no argument has a value yet";
        // Each argument clicked in the sentence: a list item, and a number
        // that is refused before one is taken.
        auto* sentence = chooser.findChild<CoolSmartCtrl*>();
        ASSERT_NE(sentence, nullptr);
        for (int k = 0; k < sentence->command()->function->placeholderCount; ++k) {
            InNextDialog([&](QDialog& argument) {
                auto* edit = argument.findChild<QLineEdit*>();
                auto* list = argument.findChild<QListWidget*>();
                if (edit) {
                    edit->setText("-5");
                    QTest::keyClick(edit, Qt::Key_Return);
                    EXPECT_TRUE(argument.isVisible()) << "a refused number keeps the dialog open";
                    EXPECT_NE(test::Said(argument).find(Lookup("txtPleaseInt")), std::string::npos)
                        << "and says why in the dialog: " << test::Said(argument);
                    edit->setText("7");
                } else if (list) {
                    list->setCurrentRow(1);
                }
                argument.accept();
            });
            QTest::mouseClick(sentence, Qt::LeftButton, {}, sentence->ArgumentRect(k).center());
        }
        EXPECT_TRUE(ok->isEnabled()) << "every argument has a value";
        EXPECT_TRUE(answers.warned.empty()) << "in no box of its own";
        chooser.reject();
    });
    window->Run(MainCommand::kAddAction);
}

// The chooser opens with nothing chosen and the focus in its filter field:
// typing keeps the functions that hold the text, Down goes to the first.
TEST_F(MainWindowTest, TheChooserOpensWithNothingChosenAndFiltersAsTheDesignerTypes) {
    Select({0, 1, -1, -1, -1, -1, -1, -1});
    for (int round = 0; round < 2; ++round) {
        InNextDialog([&](QDialog& chooser) {
            auto* functions = dynamic_cast<CoolTreeCtrl*>(ControlTable::Instance().At(kChooserTree));
            auto* filter = chooser.findChild<CoolEdit*>();
            ASSERT_TRUE(functions && filter);
            EXPECT_EQ(functions->selected(), kNoTreePath) << round;
            EXPECT_FALSE(Button(chooser, QString::fromStdString(Lookup("txtOK")))->isEnabled());
            EXPECT_TRUE(chooser.focusWidget() == filter && filter->text().isEmpty()) << round;
            QTest::keyClicks(filter, "WEATHER");
            ASSERT_EQ(functions->tree().size(), 1u);
            EXPECT_EQ(functions->tree()[0].children.size(), 1u);
            QTest::keyClick(filter, Qt::Key_Down);
            EXPECT_EQ(chooser.focusWidget(), functions);
            EXPECT_EQ(functions->selected(), PathTo({0, 0}));
            EXPECT_EQ(chooser.findChild<CoolSmartCtrl*>()->command()->function->name, "SetWeather");
            chooser.reject();
        });
        window->Run(MainCommand::kAddAction);
    }
}

TEST_F(MainWindowTest, TheTriggerDialogTakesANameAndARepeatCountAndSaysWhyItRefusesOne) {
    Select(PathTo({3}));
    InNextDialog([](QDialog& dialog) {
        auto edits = dialog.findChildren<QLineEdit*>();
        ASSERT_EQ(edits.size(), 2);
        EXPECT_EQ(edits[0]->text().toStdString(), "Counting");
        EXPECT_EQ(edits[1]->text().toStdString(), "3");
        // Another trigger's name, and counts that are no whole number from 1.
        const std::array<const char*, 3> refused[] = {{"Start", "3", "in use"},
                                                      {"Отряд у брода", "0", "repeat count"},
                                                      {"Отряд у брода", "abc", "repeat count"},
                                                      {"Отряд у брода", "", "repeat count"}};
        for (auto [typedName, typedTimes, reason] : refused) {
            edits[0]->setText(typedName);
            edits[1]->setText(typedTimes);
            dialog.accept();
            EXPECT_TRUE(dialog.isVisible()) << typedTimes;
            EXPECT_NE(test::Said(dialog).find(reason), std::string::npos) << test::Said(dialog);
        }
        edits[1]->setText("7");
        dialog.accept();
        EXPECT_FALSE(dialog.isVisible());
    });
    window->Run(MainCommand::kModify);
    EXPECT_EQ(dynamic_cast<CommandBlock&>(scenario->triggers.At(3)).times, 7);
    const QModelIndex shown = window->tree()->model()->index(3, 0);
    EXPECT_TRUE(window->tree()->model()->data(shown, Qt::DisplayRole).toString().contains("Отряд у брода"));
}

TEST_F(MainWindowTest, FindShowsTheTriggersThatMatchAndStepsThroughTheMatches) {
    CoolTreeCtrl* tree = window->tree();
    auto shownRows = [tree] {
        std::vector<int> rows;
        for (int row = 0; row < tree->model()->rowCount(); ++row)
            if (!tree->isRowHidden(row, {})) rows.push_back(row);
        return rows;
    };
    auto found = [this] {
        for (QLabel* label : window->findBar()->findChildren<QLabel*>())
            if (label->text().endsWith(" found")) return label->text().toStdString();
        return std::string();
    };
    Select(PathTo({4}));
    Activate();
    Press(Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    QLineEdit* field = window->findBar()->field();
    ASSERT_TRUE(field->hasFocus());
    QTest::keyClicks(field, "attack CLOCK");
    EXPECT_EQ(shownRows(), (std::vector<int>{0, 1, 2, 3, 4})) << "the matching triggers and the selected one";
    EXPECT_EQ(found(), "5 found");
    EXPECT_TRUE(tree->IsMarked(PathTo({0, 1, 3})));
    // Enter and F3 go forward, Shift with them back, round the ends; Ins is typed, not a new trigger.
    struct Step {
        int key;
        Qt::KeyboardModifiers modifiers;
        TreePath selected;
    };
    const Step steps[] = {{Qt::Key_Return, Qt::NoModifier, PathTo({0, 1, 3})},
                          {Qt::Key_F3, Qt::NoModifier, PathTo({1, 0, 0})},
                          {Qt::Key_Return, Qt::ShiftModifier, PathTo({0, 1, 3})},
                          {Qt::Key_F3, Qt::ShiftModifier, PathTo({3, 1, 1})},
                          {Qt::Key_Insert, Qt::NoModifier, PathTo({3, 1, 1})}};
    for (const Step& step : steps) {
        QTest::keyClick(field, static_cast<Qt::Key>(step.key), step.modifiers);
        EXPECT_EQ(tree->selected(), step.selected) << step.key;
        EXPECT_EQ(window->editor().selection().index, step.selected[2]) << "the Editor follows";
    }
    EXPECT_EQ(scenario->triggers.count(), 6);
    // A command on the filtered tree searches again.
    window->Run(MainCommand::kDelete);
    EXPECT_EQ(found(), "4 found");
    window->Run(MainCommand::kUndo);
    EXPECT_EQ(found(), "5 found");
    // Escape shows every trigger again and leaves the selection in the tree.
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_FALSE(window->findBar()->isVisible());
    EXPECT_EQ(shownRows().size(), 6u);
    EXPECT_EQ(tree->selected(), PathTo({3, 1, 1}));
    EXPECT_TRUE(tree->hasFocus());
}

TEST_F(MainWindowTest, WhereUsedAndCheckListPlacesThatLeadToTheTree) {
    ResultsPanel* results = window->results();
    Select(PathTo({0, 1, 3}));  // Start {Attack clock} for 600 seconds
    Activate();
    Press(Qt::Key_U, Qt::ControlModifier);
    ASSERT_TRUE(results->isVisible());
    const int stop = 3;  // Stop {Attack clock} ... in the ELSE of Ford watch's IF
    ASSERT_GT(results->lines().size(), std::size_t{stop});
    EXPECT_TRUE(results->lines()[0].heading) << "the timer's heading leads nowhere";
    results->list()->setCurrentRow(stop);
    QTest::keyClick(results->list(), Qt::Key_Return);
    EXPECT_EQ(window->tree()->selected(), PathTo({2, 1, 0, 2, 1})) << "Enter goes to the use";
    EXPECT_EQ(window->editor().selection().index, 1);
    // An edit renews the panel: the deleted use goes, and the others lead
    // where their commands stand now.
    const std::size_t uses = results->lines().size();
    Activate();
    Press(Qt::Key_Delete);
    ASSERT_EQ(results->lines().size(), uses - 1);
    EXPECT_EQ(results->lines()[stop].path, PathTo({3, 0, 3}));
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(results->lines().size(), uses);
    Press(Qt::Key_Escape);
    EXPECT_FALSE(results->isVisible()) << "Escape in the tree closes the panel";

    window->Run(MainCommand::kCheck);
    EXPECT_EQ(results->caption().toStdString(), "0 problems");
    EXPECT_EQ(results->lines()[0].text.toStdString(), "No problems found.");

    // A label the script cannot carry: Check names it, and a save asks first.
    scenario->triggers.At(5).text = "Empty\x01trigger";
    window->Run(MainCommand::kCheck);
    EXPECT_EQ(results->caption().toStdString(), "1 problem");
    ASSERT_EQ(results->lines().size(), 1u);
    EXPECT_EQ(results->lines()[0].path, PathTo({5}));
    Select(PathTo({5}));
    window->Run(MainCommand::kMoveUp);
    EXPECT_EQ(results->lines()[0].path, PathTo({4})) << "the problem follows its trigger";
    const std::string script = folder.Read("UserMissions\\Valley\\Valley.cms");
    answers.answers = {UserQuestions::Answer::kNo};
    window->Run(MainCommand::kSave);
    EXPECT_EQ(answers.asked, std::vector<std::string>{
                                 "The mission has 1 problem; Scenario > Check lists them. Save anyway?"});
    EXPECT_EQ(folder.Read("UserMissions\\Valley\\Valley.cms"), script) << "No saves nothing";
}

TEST_F(MainWindowTest, CompareWithShowsWhatChangedAndLeadsToTheTriggers) {
    ResultsPanel* results = window->results();
    auto texts = [&] {
        std::vector<std::string> lines;
        for (const ResultLine& line : results->lines()) lines.push_back(line.text.toStdString());
        return lines;
    };
    answers.files = {folder.File("UserMissions\\Valley.add")};
    window->Run(MainCommand::kCompare);
    EXPECT_EQ(results->caption().toStdString(), "Differences from Valley.add");
    EXPECT_EQ(texts(), std::vector<std::string>{"No differences."});

    // An older version in a game folder of its own.
    test::TempGameFolder older;
    std::string pages = older.Read("UserMissions\\Valley\\Valley.txt");
    pages.replace(pages.find("yours"), 5, "ours");
    older.Write("UserMissions\\Valley\\Valley.txt", pages);
    answers.files = {older.File("UserMissions\\Valley.add")};
    window->Run(MainCommand::kCompare);
    const std::vector<std::string> expected = {
        older.File("UserMissions\\Valley.add").string(),
        "changed 1 \"Start\"",
        "@@ -1,7 +1,7 @@",
        " CONDITION     ALWAYS",
        " TIMES        1",
        " ACTION         ",
        "-    ShowPageEx( Camp.gp 0, \"Commander, the valley is ours to hold.\" ), ",
        "+    ShowPageEx( Camp.gp 0, \"Commander, the valley is yours to hold.\" ), ",
        "     EnableMission( 'A' ), ",
        "     EnableMission( 'C' ), ",
        "     RunTimer( 0,600 ), ",
    };
    EXPECT_EQ(texts(), expected);
    EXPECT_EQ(results->list()->currentRow(), 1) << "the trigger's heading is the first place to go to";
    results->list()->setCurrentRow(7);
    QTest::keyClick(results->list(), Qt::Key_Return);
    EXPECT_EQ(window->tree()->selected(), PathTo({0}));

    // An edit renews the difference: a trigger the open mission lost leads nowhere.
    Select(PathTo({5}));
    window->Run(MainCommand::kDelete);
    ASSERT_EQ(results->lines().size(), expected.size() + 1);
    EXPECT_EQ(results->lines()[11].text.toStdString(), "removed 6 \"Empty trigger\"");
    EXPECT_EQ(results->lines()[11].path, kNoTreePath);

    // A descriptor whose map is not there is said, and the panel stays.
    older.Write("UserMissions\\Lost.add", "Lost\r\nMaps\\Lost.m3d\r\n");
    answers.files = {older.File("UserMissions\\Lost.add")};
    window->Run(MainCommand::kCompare);
    EXPECT_EQ(answers.warned.back(),
              "The map of the mission " + older.File("UserMissions\\Lost.add").string() + " cannot be read.");
    EXPECT_EQ(results->lines().size(), expected.size() + 1);
}

// Replace with... of Where used offers the other timers, says how many
// commands change, and after Yes shows the timer unused and the tree with
// the other; one undo brings every use back.
TEST_F(MainWindowTest, WhereUsedReplacesEveryUseAsOneUndoStep) {
    ResultsPanel* results = window->results();
    auto shown = [&] { return window->tree()->tree()[0].children[1].children[3].text; };
    Select(PathTo({0, 1, 3}));  // Start {Attack clock} for 600 seconds
    window->Run(MainCommand::kWhereUsed);
    QPushButton* replace = Button(*results, ToQt(Say(text::kReplaceWith)));
    ASSERT_NE(replace, nullptr);
    const std::size_t uses = results->lines().size();
    answers.answers = {UserQuestions::Answer::kNo, UserQuestions::Answer::kYes};
    for (int run = 0; run < 2; ++run) {
        InNextDialog([](QDialog& picker) {
            auto* list = picker.findChild<QListWidget*>();
            ASSERT_TRUE(list && list->count() == 31) << "the other timers";
            list->setCurrentRow(0);  // Timer1
            Button(picker, ToQt(Lookup("txtOK")))->click();
        });
        replace->click();
        QApplication::processEvents();
    }
    const std::string question = "Replace Timer \"Attack clock\" by Timer \"Timer1\" in 5 commands?";
    EXPECT_EQ(answers.asked, std::vector<std::string>(2, question));
    EXPECT_EQ(shown(), "Start {Timer1} for 600 seconds");
    ASSERT_EQ(results->lines().size(), 2u);
    EXPECT_EQ(results->lines()[1].text.toStdString(), "not used");
    window->Run(MainCommand::kUndo);
    EXPECT_EQ(shown(), "Start {Attack clock} for 600 seconds");
    EXPECT_EQ(results->lines().size(), uses);
    EXPECT_FALSE(window->editor().IsModified());

    window->Run(MainCommand::kCheck);
    EXPECT_FALSE(replace->isVisible()) << "Check has nothing to replace";
}

TEST_F(MainWindowTest, TheScriptPaneShowsTheSelectedTriggersScriptAsItChanges) {
    QPlainTextEdit* text = window->scriptPane()->text();
    Select(PathTo({1, 1, 0}));
    Activate();
    Press(Qt::Key_F6);
    ASSERT_TRUE(window->scriptPane()->isVisible());
    EXPECT_TRUE(window->action(MainCommand::kScript)->isChecked());
    EXPECT_EQ(text->toPlainText(), ToQt(TriggerScript(*scenario, 1)));
    window->Run(MainCommand::kMoveDown);
    EXPECT_EQ(text->toPlainText(), ToQt(TriggerScript(*scenario, 1))) << "an edit shows at once";
    Select(kNoTreePath);
    EXPECT_TRUE(text->toPlainText().isEmpty()) << "no trigger selected";
    Press(Qt::Key_F6);
    EXPECT_FALSE(window->scriptPane()->isVisible());
}

// Collapsing a trigger hides its selected action: the trigger is selected
// instead, and the buttons and Delete take it, as the designer sees.
TEST_F(MainWindowTest, CollapsingATriggerThatHoldsTheSelectionSelectsTheTrigger) {
    CoolTreeCtrl* tree = window->tree();
    Select(PathTo({3, 1, 0}));
    QApplication::processEvents();
    EXPECT_FALSE(window->action(MainCommand::kMoveUp)->isEnabled()) << "the first action";
    const QModelIndex counting = tree->model()->index(3, 0);
    ASSERT_TRUE(tree->isExpanded(counting));
    const QRect label = tree->visualRect(counting);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, {label.left() - tree->indentation() / 2, label.center().y()});
    ASSERT_FALSE(tree->isExpanded(counting)) << "the box left of the label was clicked";
    EXPECT_EQ(window->editor().selection().kind, ListKind::kTriggers);
    EXPECT_EQ(window->editor().selection().index, 3);
    EXPECT_TRUE(window->action(MainCommand::kMoveUp)->isEnabled()) << "the fourth trigger";
    Activate();
    Press(Qt::Key_Delete);
    ASSERT_EQ(scenario->triggers.count(), 5);
    EXPECT_EQ(scenario->triggers.At(3).text, "Victory or defeat") << "the trigger went, not its hidden action";
}

TEST_F(MainWindowTest, ADraggedItemGoesWhereTheEditorTakesIt) {
    CoolTreeCtrl* tree = window->tree();
    Select(PathTo({0, 1, 4}));
    QApplication::processEvents();
    const QAbstractItemModel* model = tree->model();
    const QModelIndex second = model->index(1, 0, model->index(1, 0, model->index(0, 0)));
    EXPECT_EQ(tree->PathAt(tree->visualRect(second).center()), PathTo({0, 1, 1})) << "the item under the mouse";
    // A condition among actions and a trigger into itself are refused.
    EXPECT_FALSE(tree->Drop(PathTo({0, 0, 0}), PathTo({0, 1, 1})));
    EXPECT_FALSE(tree->Drop(PathTo({5}), PathTo({5, 1})));
    EXPECT_FALSE(window->editor().IsModified());
    auto& actions = dynamic_cast<CommandBlock&>(scenario->triggers.At(0)).actions;
    const std::string moved = actions.At(4).text, first = actions.At(1).text;
    EXPECT_TRUE(tree->Drop(PathTo({0, 1, 4}), PathTo({0, 1, 1})));
    EXPECT_EQ(model->data(second, Qt::DisplayRole).toString().toStdString(), moved) << "the tree shows the move";
    window->Run(MainCommand::kUndo);
    EXPECT_EQ(actions.At(1).text, first);
    EXPECT_EQ(actions.At(4).text, moved);
}

// Ctrl+click and Shift+click select several triggers, drawn selected;
// Delete takes them all as one step, and Undo brings them back selected.
TEST_F(MainWindowTest, SeveralTriggersSelectedByTheMouseGoAndComeBackTogether) {
    CoolTreeCtrl* tree = window->tree();
    const QAbstractItemModel* model = tree->model();
    auto click = [&](int row, Qt::KeyboardModifiers modifiers) {
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, modifiers, tree->visualRect(model->index(row, 0)).center());
        QApplication::processEvents();
    };
    tree->collapseAll();
    click(1, {});
    click(2, Qt::ControlModifier);
    click(5, Qt::ControlModifier);
    click(1, Qt::ControlModifier);  // out again
    EXPECT_EQ(tree->selectionModel()->selectedIndexes().size(), 2);
    EXPECT_EQ(window->editor().selection().indices, (std::vector<int>{2, 5}));
    Activate();
    Press(Qt::Key_Delete);
    ASSERT_EQ(scenario->triggers.count(), 4);
    EXPECT_EQ(model->rowCount(), 4);
    Press(Qt::Key_Z, Qt::ControlModifier);  // Ctrl held while the items are selected again
    ASSERT_EQ(scenario->triggers.count(), 6);
    EXPECT_EQ(window->editor().selection().indices, (std::vector<int>{2, 5}));
    EXPECT_EQ(tree->selectionModel()->selectedIndexes().size(), 2);
    click(0, {});
    click(2, Qt::ShiftModifier);
    EXPECT_EQ(window->editor().selection().indices, (std::vector<int>{0, 1, 2}));
    EXPECT_FALSE(window->action(MainCommand::kMoveUp)->isEnabled());
    EXPECT_TRUE(window->action(MainCommand::kMoveDown)->isEnabled());
}

// Copy puts the script text on the system clipboard; text put there by
// another program pastes when it reads against the mission, and warns with
// its first problem when it does not.
TEST_F(MainWindowTest, PasteTakesScriptTextFromTheSystemClipboard) {
    Select(PathTo({3}));
    window->Run(MainCommand::kCopy);
    const QString copied = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(copied.startsWith("% Tarvossa Scenario Editor: 1 trigger \"Counting\"\n")) << copied.toStdString();
    window->Run(MainCommand::kPaste);
    ASSERT_EQ(scenario->triggers.count(), 7);
    EXPECT_EQ(scenario->triggers.At(4).text, "Counting 2");
    Select(PathTo({0, 1, 0}));
    QGuiApplication::clipboard()->setText("% Tarvossa Scenario Editor: 1 action\n\tRunTimer( 1,45 ) \n");
    window->Run(MainCommand::kPaste);
    auto& actions = dynamic_cast<CommandBlock&>(scenario->triggers.At(0)).actions;
    EXPECT_EQ(actions.At(1).text, "Start {Timer1} for 45 seconds");
    QGuiApplication::clipboard()->setText("% Tarvossa Scenario Editor: 1 action\n\tMoveGroup( Relief_force_Dyn,Atlantis 水 ) \n");
    window->Run(MainCommand::kPaste);
    QGuiApplication::clipboard()->setText("% Tarvossa Scenario Editor: 1 action\n\tMoveGroup( Relief_force_Dyn,Atlantis ) \n");
    window->Run(MainCommand::kPaste);
    ASSERT_EQ(answers.warned.size(), 2u);
    EXPECT_EQ(answers.warned[0].substr(0, 33), "The text on the clipboard holds a");
    EXPECT_EQ(answers.warned[1],
              "The text cannot be pasted: line 2: MoveGroup: this mission has nothing named \"Atlantis\".");
    EXPECT_EQ(actions.count(), 13) << "nothing more pasted";
}

TEST_F(MainWindowTest, ThePropertiesTakeTheTypedTextsAndThePictureOnlyWithOk) {
    // A file that is no bitmap warns and keeps the picture; Cancel drops a
    // loaded one, OK takes it until the mission closes.
    const std::string picture = BitmapFileBytes(2, 1, {255, 0, 0, 0, 0, 255});
    folder.Write("own.bmp", picture);
    folder.Write("junk.bmp", "not a picture");
    for (bool ok : {false, true}) {
        answers.files = {folder.File("junk.bmp"), folder.File("own.bmp")};
        InNextDialog([ok](QDialog& dialog) {
            dialog.findChild<QLineEdit*>()->setText("Hold\nthe ford");
            dialog.accept();
            EXPECT_TRUE(dialog.isVisible()) << "a title is one line";
            dialog.findChild<QLineEdit*>()->setText("Hold the ford");
            dialog.findChild<QPlainTextEdit*>()->setPlainText("First line\nSecond line");
            Button(dialog, ToQt(Lookup("txtLoadPic")))->click();
            Button(dialog, ToQt(Lookup("txtLoadPic")))->click();
            ok ? dialog.accept() : dialog.reject();
        });
        window->Run(MainCommand::kProperties);
        // The picture is what the game reads, made as a designer script makes it.
        std::string why;
        EXPECT_EQ(scenario->heldPicture, ok ? MissionPictureOf(picture, why) : std::nullopt) << ok;
    }
    EXPECT_EQ(scenario->title, "Hold the ford");
    EXPECT_EQ(scenario->description, "First line\nSecond line");
    EXPECT_EQ(answers.warned.size(), 2u);
    window->Run(MainCommand::kUndo);
    EXPECT_FALSE(scenario->heldPicture) << "Undo takes the picture back";
    window->Run(MainCommand::kRedo);
    ASSERT_TRUE(scenario->heldPicture);
    window->Run(MainCommand::kClose);  // not saved: the answers are No
    EXPECT_FALSE(scenario->heldPicture) << "the picture belongs to the mission";
}

TEST_F(MainWindowTest, UnsavedWorkIsMarkedInTheTitleAndOfferedForSavingBeforeItGoes) {
    Select(PathTo({0, 1, 1}));
    window->Run(MainCommand::kMoveDown);
    EXPECT_EQ(window->windowTitle().toStdString(), "Valley* - Scenario Editor");
    answers.answers = std::deque(4, UserQuestions::Answer::kCancel);
    window->Run(MainCommand::kClose);
    EXPECT_TRUE(window->editor().IsOpen()) << "Cancel keeps the mission";
    window->Run(MainCommand::kOpen);
    window->Run(MainCommand::kNew);
    EXPECT_FALSE(window->close()) << "Exit cancelled";
    const std::string question = Lookup("txtSaveScenario") + " [cancel]";
    EXPECT_EQ(answers.asked, std::vector<std::string>(4, question));
    answers.answers = {UserQuestions::Answer::kNo};
    window->Run(MainCommand::kClose);
    EXPECT_FALSE(window->editor().IsOpen());
    EXPECT_EQ(window->windowTitle().toStdString(), "Scenario Editor");
    EXPECT_FALSE(window->action(MainCommand::kSave)->isEnabled());
}

TEST_F(MainWindowTest, UnsavedWorkOutlivesTheEditorAndIsOfferedAtTheNextStart) {
    const test::TempGameFolder appData(test::TempGameFolder::kEmpty);
    const std::filesystem::path copy = RecoveryFolder(appData.path(), folder.path());
    auto copyKept = [&](bool kept) {
        return QTest::qWaitFor([&] { return RecoveryCopyExists(copy) == kept; }, 10000);
    };
    window->StartRecovery(appData.path());
    Select(PathTo({0, 1, 1}));
    window->Run(MainCommand::kMoveDown);
    const std::string moved = BuildScript(*scenario);
    ASSERT_TRUE(copyKept(true)) << "written soon after the change";

    // The editor ends without a word (a crash, a kill); the next start
    // offers the work and Restore shows it, unsaved.
    Start();
    answers.restores = {true};
    window->StartRecovery(appData.path());
    ASSERT_EQ(answers.asked.size(), 1u);
    EXPECT_TRUE(answers.asked[0].starts_with("The editor ended with unsaved changes to the mission Valley ("));
    EXPECT_TRUE(answers.asked[0].ends_with("). Restore them?"));
    EXPECT_EQ(window->windowTitle().toStdString(), "Valley* - Scenario Editor");
    EXPECT_EQ(BuildScript(*scenario), moved);
    window->Run(MainCommand::kUndo);
    EXPECT_TRUE(window->editor().IsModified()) << "nothing undoes into the saved mission";
    InNextDialog([](QDialog& report) { report.accept(); });
    window->Run(MainCommand::kSave);
    EXPECT_TRUE(copyKept(false)) << "a save leaves no copy";

    // The end after an error keeps the work at once; Discard drops it.
    Select(PathTo({0, 1, 1}));
    window->Run(MainCommand::kMoveDown);
    ASSERT_TRUE(window->KeepWorkBeforeEnd());
    Start();
    answers.restores = {false};
    window->StartRecovery(appData.path());
    EXPECT_FALSE(RecoveryCopyExists(copy));
    EXPECT_FALSE(window->editor().IsOpen());

    // A damaged copy is said and set aside for the designer, never restored half.
    ASSERT_TRUE(window->editor().Open("Maps\\Valley.m3d"));
    Select(PathTo({0, 1, 1}));
    window->Run(MainCommand::kMoveDown);
    ASSERT_TRUE(window->KeepWorkBeforeEnd());
    std::ofstream(copy / "Valley.cms", std::ios::app) << "cut short";
    Start();
    answers.restores = {true};
    answers.warned.clear();
    window->StartRecovery(appData.path());
    ASSERT_EQ(answers.warned.size(), 1u);
    EXPECT_NE(answers.warned[0].find("is damaged: Valley.cms"), std::string::npos) << answers.warned[0];
    EXPECT_NE(answers.warned[0].find("kept in " + copy.string() + "-kept-"), std::string::npos) << answers.warned[0];
    EXPECT_FALSE(window->editor().IsOpen());
    EXPECT_FALSE(RecoveryCopyExists(copy));
}

TEST_F(MainWindowTest, AMapThatCannotBeTakenWarnsOnceAtActivationAndTheMissionStays) {
    auto reactivate = [&] {
        QApplication::setActiveWindow(nullptr);
        Activate();
    };
    const std::string valley = folder.Read("Maps\\Valley.m3d");
    const std::string label = scenario->triggers.At(1).text;
    // Damaged in the map editor: one warning naming the file, however often
    // the window comes back (closing the warning activates it too).
    folder.Write("Maps\\Valley.m3d", std::string("3DMP") + std::string(8, '\0') + "ZON1\xff\xff\0\0 cut short");
    for (int i = 0; i < 3; ++i) reactivate();
    ASSERT_EQ(answers.warned.size(), 1u);
    EXPECT_NE(answers.warned[0].find(folder.File("Maps\\Valley.m3d").string()), std::string::npos) << answers.warned[0];
    // Grown past what a mission can name: the limit, once.
    std::vector<std::string> zones;
    for (int i = 0; i < 257; ++i) zones.push_back("Zone " + std::to_string(i));
    folder.Write("Maps\\Valley.m3d", test::MapBytes(zones, {}));
    reactivate();
    reactivate();
    ASSERT_EQ(answers.warned.size(), 2u);
    EXPECT_NE(answers.warned[1].find("at most 256"), std::string::npos) << answers.warned[1];
    EXPECT_TRUE(window->editor().IsOpen());
    EXPECT_EQ(scenario->triggers.At(1).text, label);
    EXPECT_EQ(scenario->objectGroups.GetGroup("zones")[1], "Old Mill") << "the names read before stay";
    // Mended: read again, silently.
    folder.Write("Maps\\Valley.m3d", valley);
    reactivate();
    EXPECT_EQ(answers.warned.size(), 2u);
    // New on such a map is refused and the open mission stays.
    folder.Write("Maps\\Crowded.m3d", test::MapBytes(zones, {}));
    answers.files = {folder.File("Maps\\Crowded.m3d")};
    window->Run(MainCommand::kNew);
    EXPECT_EQ(answers.warned.size(), 3u);
    EXPECT_EQ(window->windowTitle().toStdString(), "Valley - Scenario Editor");
}

TEST_F(MainWindowTest, AMapOutsideTheGameFolderIsWrittenIntoOnlyWhenTheDesignerSaysSo) {
    const test::TempGameFolder elsewhere(test::TempGameFolder::kEmpty);
    elsewhere.Write("Other.m3d", folder.Read("Maps\\Valley.m3d"));
    const std::string map = elsewhere.File("Other.m3d").string();
    ASSERT_TRUE(window->editor().Open(map));
    ASSERT_EQ(answers.warned.size(), 1u);
    EXPECT_NE(answers.warned[0].find("outside the game folder:\n" + map), std::string::npos) << answers.warned[0];
    answers.answers = {UserQuestions::Answer::kNo};
    window->Run(MainCommand::kSave);
    EXPECT_EQ(elsewhere.Read("Other.m3d"), folder.Read("Maps\\Valley.m3d")) << "No writes nothing";
    EXPECT_FALSE(std::filesystem::exists(folder.File("UserMissions\\Other.add")));
    answers.answers = {UserQuestions::Answer::kYes};
    InNextDialog([](QDialog& report) { report.accept(); });
    window->Run(MainCommand::kSave);
    InNextDialog([](QDialog& report) { report.accept(); });
    window->Run(MainCommand::kSave);
    EXPECT_EQ(answers.asked.size(), 2u) << "asked once for the map";
    EXPECT_NE(elsewhere.Read("Other.m3d").find("UserMissions\\Other\\Other.cms"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(folder.File("UserMissions\\Other.add")));
}

// What the designer opened stays open through a rebuild of the whole tree
// (a dump imported, its undo) and through an Open that fails.
TEST_F(MainWindowTest, TheTreeKeepsWhatTheDesignerOpened) {
    QTreeView* tree = window->tree();
    auto index = [tree](std::initializer_list<int> rows) {
        QModelIndex at;
        for (int row : rows) at = tree->model()->index(row, 0, at);
        return at;
    };
    const std::initializer_list<int> opened[] = {{2}, {2, 1}, {2, 1, 0}};
    for (auto rows : opened) tree->expand(index(rows));
    auto expect_opened = [&](const char* after) {
        for (auto rows : opened) EXPECT_TRUE(tree->isExpanded(index(rows))) << after << " " << rows.size();
        EXPECT_FALSE(tree->isExpanded(index({1}))) << after;
    };
    std::string dump = DumpText(*scenario);
    dump.replace(dump.find("Relief force"), 12, "Relief column");
    window->editor().ImportDump(dump);
    expect_opened("the import");
    window->Run(MainCommand::kUndo);
    expect_opened("its undo");

    folder.Write("UserMissions\\Broken.add", "Broken\r\nMaps\\Nowhere.m3d\r\nUserMissions\\Broken\\Broken.cms\r\n");
    InNextDialog([](QDialog& missions) {
        missions.findChild<QListWidget*>()->setCurrentRow(0);
        missions.accept();
    });
    window->Run(MainCommand::kOpen);
    ASSERT_EQ(answers.warned.size(), 1u) << "the map cannot be read";
    expect_opened("a failed Open");
}

TEST_F(MainWindowTest, TheMissionsFilesAreWrittenReadAndDeleted) {
    // Save shows the report of the files to share, readable on the skin.
    QString report;
    QLabel* shown = nullptr;
    InNextDialog([&](QDialog& dialog) {
        report = dialog.windowTitle();
        for (QLabel* label : dialog.findChildren<QLabel*>())
            if (label->text() == ToQt(SaveReportText(*scenario))) shown = label;
        dialog.accept();
    });
    window->Run(MainCommand::kSave);
    EXPECT_EQ(report.toStdString(), Lookup("txtScenarioSaved"));
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->palette().color(QPalette::WindowText), Skin::Instance().text);

    // Print, export and import; a file that cannot be written is said with its reason.
    answers.files = {folder.File("listing.txt"), folder.File("names.dmp"), folder.File("no/such/folder/x.txt")};
    window->Run(MainCommand::kPrint);
    window->Run(MainCommand::kExportDump);
    window->Run(MainCommand::kPrint);
    EXPECT_EQ(folder.Read("listing.txt").substr(0, 15), "Mission title: ");
    ASSERT_EQ(answers.warned.size(), 1u);
    EXPECT_NE(answers.warned[0].find(": no such file or directory."), std::string::npos) << answers.warned[0];
    std::string dump = folder.Read("names.dmp");
    dump.replace(dump.find("Relief force"), 12, "Relief column");
    folder.Write("names.dmp", dump);
    answers.files = {folder.File("names.dmp")};
    window->Run(MainCommand::kImportDump);
    EXPECT_EQ(scenario->triggers.At(1).text, "Relief column");
    EXPECT_TRUE(window->editor().IsModified());
    window->Run(MainCommand::kUndo);
    EXPECT_EQ(scenario->triggers.At(1).text, "Relief force") << "the import is one undo step";

    // New on a map: a fresh mission named after it.
    answers.files = {folder.File("Maps\\Harbour.m3d")};
    window->Run(MainCommand::kNew);
    EXPECT_EQ(window->windowTitle().toStdString(), "Harbour - Scenario Editor");

    // Delete mission deletes the chosen descriptor after a question that names it.
    answers.answers = {UserQuestions::Answer::kYes};
    InNextDialog([](QDialog& chooser) {
        auto* list = chooser.findChild<QListWidget*>();
        ASSERT_EQ(list->count(), 1);
        chooser.accept();
    });
    window->Run(MainCommand::kDeleteMission);
    EXPECT_EQ(answers.asked, std::vector<std::string>{Lookup("txtDelScenario") + "\nValley of the Ford"});
    EXPECT_FALSE(std::filesystem::exists(folder.File("UserMissions\\Valley.add")));
}

// What the stand-in game noted in the file (none when it noted nothing),
// read once: "started.txt" what it was started with, "running.txt" that its
// window is open, "told.txt" what it was told while it ran.
std::optional<std::string> Noted(const test::TempGameFolder& folder, const char* file) {
    const std::filesystem::path noted = folder.File(file);
    if (!QTest::qWaitFor([&] { return std::filesystem::exists(noted); }, 20000)) return std::nullopt;
    std::string text = folder.Read(file);
    folder.Remove(file);
    return text;
}
std::string Started(const test::TempGameFolder& folder) { return Noted(folder, "started.txt").value_or(""); }

TEST_F(MainWindowTest, PlayAndTheMapEditorStartTheGameOnTheSavedMission) {
    // A fake game named as the game: it notes its working folder and its
    // arguments, one a line, and keeps a copy of the mission script it was
    // started on.
    std::filesystem::copy_file(SCED_FAKE_GAME, folder.File("ketrel.exe"));
    const std::string game = folder.path().string() + "\n";
    Select({0, 1, 1, -1, -1, -1, -1, -1});
    window->Run(MainCommand::kMoveDown);
    const std::string before = folder.Read("UserMissions\\Valley\\Valley.cms");
    Activate();
    Press(Qt::Key_F9);  // no save report comes up: a dialog here would never be answered
    EXPECT_EQ(Started(folder), game + "/MISSION\nMaps\\Valley.m3d\n");
    EXPECT_NE(folder.Read("seen.cms"), before) << "the game was started on the saved mission";
    EXPECT_EQ(folder.Read("seen.cms"), folder.Read("UserMissions\\Valley\\Valley.cms"));
    Activate();
    Press(Qt::Key_F4);
    EXPECT_EQ(Started(folder), game + "/MAPEDITOR\nMaps\\Valley.m3d\n");

    // A mission that is not saved is not played (a game started here would be
    // the next one seen).
    scenario->scriptUnread = true;
    answers.answers = {UserQuestions::Answer::kNo};
    window->Run(MainCommand::kPlay);
    EXPECT_EQ(answers.asked.size(), 1u);
    scenario->scriptUnread = false;

    // With no mission, Play does nothing and the map editor starts on no map.
    window->Run(MainCommand::kClose);
    window->Run(MainCommand::kPlay);
    window->Run(MainCommand::kMapEditor);
    EXPECT_EQ(Started(folder), game + "/MAPEDITOR\n");
    EXPECT_TRUE(answers.warned.empty());
}

TEST_F(MainWindowTest, ARunningGameIsToldToReadStartDatInsteadOfStartingAnother) {
#ifndef _WIN32
    GTEST_SKIP() << "a running game's window is found only on Windows";
#endif
    // The stand-in game, here also the game that F9 and F4 would start anew.
    std::filesystem::copy_file(SCED_FAKE_GAME, folder.File("ketrel.exe"));
    struct Case {
        std::function<void()> act;
        const char* told;  // the parameters, then "start.dat"
    };
    const Case cases[] = {
        {[&] { Press(Qt::Key_F9); }, "0 0\nMaps\\Valley.m3d"},
        {[&] { Press(Qt::Key_F4); }, "1 1\nMaps\\Valley.m3d"},
        {[&] {
             window->Run(MainCommand::kClose);
             Press(Qt::Key_F4);
         },
         "1 1\n\\Data\\standart.m3d"},
    };
    for (const Case& c : cases) {
        QProcess game;
        game.setProgram(QString::fromStdWString(folder.File("ketrel.exe").wstring()));
        game.setArguments({"--running"});
        game.setWorkingDirectory(QString::fromStdWString(folder.path().wstring()));
        // Wine starts its desktop for the first window looked for or opened,
        // and the desktop keeps the output of the program that made it open:
        // made by the game, whose output goes nowhere, it does not hold this
        // test's output open for as long as other tests run.
        game.setStandardOutputFile(QProcess::nullDevice());
        game.setStandardErrorFile(QProcess::nullDevice());
        game.start();
        ASSERT_TRUE(Noted(folder, "running.txt")) << "the game opened its window";
        ASSERT_TRUE(QTest::qWaitFor([] { return GameLink::GameIsRunning(); }, 20000)) << "the editor finds it";
        Activate();
        c.act();
        EXPECT_EQ(Noted(folder, "told.txt").value_or(""), c.told);
        EXPECT_TRUE(game.state() == QProcess::NotRunning || game.waitForFinished(10000))
            << "the game was told once and ended";
    }
    EXPECT_FALSE(std::filesystem::exists(folder.File("started.txt"))) << "no second game was started";
    EXPECT_TRUE(answers.warned.empty());
}

TEST_F(MainWindowTest, AGameThatCannotStartIsSaid) {
    window->Run(MainCommand::kMapEditor);
    ASSERT_EQ(answers.warned.size(), 1u);
    EXPECT_EQ(answers.warned[0].rfind("The map editor cannot be started: there is no ketrel.exe", 0), 0u)
        << answers.warned[0];
#ifndef _WIN32
    // A Windows program with no wine to run it.
    folder.Write("ketrel.exe", "MZ\x90");
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", folder.File("Data").string().c_str());
    window->Run(MainCommand::kPlay);
    qputenv("PATH", path);
    ASSERT_EQ(answers.warned.size(), 2u);
    EXPECT_EQ(answers.warned[1].rfind("The game cannot be started: ", 0), 0u) << answers.warned[1];
    EXPECT_NE(answers.warned[1].find("no wine"), std::string::npos) << answers.warned[1];
#endif
    // A file that is no program at all.
    folder.Write("ketrel.exe", "not a program");
    const std::size_t before = answers.warned.size();
    window->Run(MainCommand::kPlay);
    ASSERT_EQ(answers.warned.size(), before + 1);
    EXPECT_NE(answers.warned.back().find("did not start"), std::string::npos) << answers.warned.back();
}

}  // namespace
}  // namespace sced
