#include <QLineEdit>
#include <QListWidget>

#include "app/picture_view.h"
#include "app/window_test.h"
#include "controls/control_table.h"
#include "core/editor_texts.h"
#include "model/command_tree.h"
#include "model/page_table.h"
#include "skin/cool_list_box.h"
#include "skin/cool_smart_ctrl.h"
#include "skin/qt_text.h"
#include "support/map_bytes.h"

namespace sced {
namespace {

// The demo mission's calls: trigger 0 (Start) and trigger 1 (Relief force).
constexpr TreePath kPageCall = PathTo({0, 1, 0});       // ShowPageEx(<1 page>) on Camp.gp
constexpr TreePath kUpgradeCall = PathTo({0, 1, 4});    // InitialUpgradeEx(player, <2 upgrade>)
constexpr TreePath kUnitCall = PathTo({0, 1, 6});       // EnableUnit(player, <2 unit type>, yes)
constexpr TreePath kAllianceCall = PathTo({0, 1, 7});   // SetAlliances(<1 alliance table>)
constexpr TreePath kFormationCall = PathTo({1, 1, 3});  // SetFormation(group, <2 formation>)
constexpr TreePath kTurnCall = PathTo({1, 1, 4});       // TurnGroup(group, <2 direction>)
constexpr TreePath kMarchCall = PathTo({1, 1, 2});      // MoveGroup(<1 Relief_force_Dyn>, Old Mill)

class ArgumentDialogsTest : public test::WindowTest {
protected:
    // Modify on the call, the argument at the sentence position clicked,
    // the designer's part in its dialog, then OK on the command.
    void ModifyArgument(const TreePath& call, int position, std::function<void(QDialog&)> act) {
        Select(call);
        test::InNextDialog([position, act](QDialog& editor) {
            test::InNextDialog(act);
            ControlTable::Instance().events()->ArgumentClicked(position);
            editor.accept();
        });
        window->Run(MainCommand::kModify);
        QApplication::processEvents();
    }
    const TermCommand& Call(const TreePath& call) {
        const auto& trigger = dynamic_cast<const CommandBlock&>(scenario->triggers.At(call[0]));
        return dynamic_cast<const TermCommand&>(trigger.actions.At(call[2]));
    }
    static void PressOk(QDialog& dialog) { test::Button(dialog, QString::fromStdString(Lookup("txtOK")))->click(); }
};

// Tab and Shift+Tab walk the arguments and then the buttons, Enter opens the
// argument at hand, and closing its dialog comes back to it; the group
// picker's chosen row is always the one it shows chosen.
TEST_F(ArgumentDialogsTest, TheKeyboardWalksTheArgumentsAndComesBackToTheOneEdited) {
    Select(kMarchCall);
    test::InNextDialog([](QDialog& editor) {
        auto* sentence = editor.findChild<CoolSmartCtrl*>();
        ASSERT_NE(sentence, nullptr);
        QApplication::setActiveWindow(&editor);
        sentence->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(sentence->focusedArgument(), 0);
        QTest::keyClick(sentence, Qt::Key_Tab);
        EXPECT_EQ(sentence->focusedArgument(), 1);
        // The second argument's list: Ctrl+click on its chosen row keeps it chosen.
        test::InNextDialog([](QDialog& picker) {
            auto* list = picker.findChild<CoolListBox*>();
            ASSERT_NE(list, nullptr);
            const int row = list->GetSelection();
            ASSERT_GE(row, 0);
            const QRect box = list->visualRect(list->model()->index(row, 0));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, box.center());
            EXPECT_TRUE(list->selectionModel()->isRowSelected(row, {}));
            EXPECT_EQ(list->GetSelection(), row);
            picker.reject();
            QApplication::setActiveWindow(picker.parentWidget()->window());
        });
        QTest::keyClick(sentence, Qt::Key_Return);
        EXPECT_EQ(editor.focusWidget(), sentence);
        EXPECT_EQ(sentence->focusedArgument(), 1) << "back at the argument just edited";
        QTest::keyClick(sentence, Qt::Key_Tab);
        EXPECT_NE(editor.focusWidget(), sentence) << "past the last argument: on to the buttons";
        QTest::keyClick(editor.focusWidget(), Qt::Key_Backtab);
        EXPECT_EQ(editor.focusWidget(), sentence);
        EXPECT_EQ(sentence->focusedArgument(), 1) << "Shift+Tab comes back at the last argument";
        editor.reject();
    });
    window->Run(MainCommand::kModify);
}

// The dialog's drawing area: its largest control.
QWidget* DrawingArea(QDialog& dialog) {
    QWidget* largest = nullptr;
    for (QWidget* child : dialog.findChildren<QWidget*>())
        if (!largest || child->width() * child->height() > largest->width() * largest->height()) largest = child;
    return largest;
}

TEST_F(ArgumentDialogsTest, TheDirectionFollowsTheMouseAndTheKeysAndStaysWithoutThem) {
    ASSERT_EQ(Call(kTurnCall).args[1], 4);
    ModifyArgument(kTurnCall, 1, PressOk);
    EXPECT_EQ(Call(kTurnCall).args[1], 4) << "OK without turning keeps the direction";
    struct Case {
        QPoint towards;  // from the centre of the arrow
        int key;
        std::int32_t direction;
    };
    const Case cases[] = {{{60, 0}, 0, 0}, {{0, 60}, 0, 64}, {{-60, 0}, 0, 128}, {{0, -60}, 0, 192},
                          {{0, -60}, Qt::Key_Left, 191}, {{60, 0}, Qt::Key_Left, 255}, {{60, 0}, Qt::Key_Right, 1}};
    for (const Case& c : cases) {
        ModifyArgument(kTurnCall, 1, [c](QDialog& dialog) {
            QWidget* area = DrawingArea(dialog);
            QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(area->width() / 2, area->height() / 2) + c.towards);
            if (c.key) QTest::keyClick(area, static_cast<Qt::Key>(c.key));
            PressOk(dialog);
        });
        EXPECT_EQ(Call(kTurnCall).args[1], c.direction) << c.towards.x() << "," << c.towards.y() << " key " << c.key;
    }
}

TEST_F(ArgumentDialogsTest, PlayersJoinTheRowTheyAreDraggedOnto) {
    // The demo's table names 6 as 2's ally but not 2 as 6's, and leaves
    // players 2 to 5 out of their own alliances: the dialog makes it whole.
    ModifyArgument(kAllianceCall, 0, PressOk);
    auto bytes = [](std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d) {
        return static_cast<std::int32_t>(a | b << 8 | c << 16 | d << 24);
    };
    EXPECT_EQ(Call(kAllianceCall).args[1], bytes(0x01, 0x02, 0x44, 0x88));
    EXPECT_EQ(Call(kAllianceCall).args[2], bytes(0x10, 0x20, 0x44, 0x88));

    // Rows: {0} {1} {2 6} {3 7} {4} {5}. Player 4 goes to the row of 2 and 6;
    // presses beside and below the grid pick and drop nothing.
    ModifyArgument(kAllianceCall, 0, [](QDialog& dialog) {
        QWidget* grid = DrawingArea(dialog);
        ASSERT_EQ(grid->width(), grid->height());
        int cell = grid->width() / 8;
        auto at = [cell](int row, int column) { return QPoint(column * cell + cell / 2, row * cell + cell / 2); };
        QTest::mousePress(grid, Qt::LeftButton, {}, QPoint(grid->width(), at(2, 0).y()));
        QTest::mouseRelease(grid, Qt::LeftButton, {}, at(0, 0));
        QTest::mousePress(grid, Qt::LeftButton, {}, at(5, 0));
        QTest::mouseRelease(grid, Qt::LeftButton, {}, QPoint(cell / 2, grid->height()));
        QTest::mousePress(grid, Qt::LeftButton, {}, at(4, 0));
        QTest::mouseMove(grid, at(2, 5));
        QTest::mouseRelease(grid, Qt::LeftButton, {}, at(2, 5));
        PressOk(dialog);
    });
    EXPECT_EQ(Call(kAllianceCall).args[1], bytes(0x01, 0x02, 0x54, 0x88));
    EXPECT_EQ(Call(kAllianceCall).args[2], bytes(0x54, 0x20, 0x54, 0x88));

    ModifyArgument(kAllianceCall, 0, [](QDialog& dialog) {
        test::Button(dialog, ToQt(Lookup("txtAllFriends")))->click();
        PressOk(dialog);
    });
    EXPECT_EQ(Call(kAllianceCall).args[1], -1);
    EXPECT_EQ(Call(kAllianceCall).args[2], -1);
}

// How many pixels of the dialog's picture have the colour.
int PixelsOf(QDialog& dialog, QColor colour) {
    QImage image = dialog.grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += image.pixelColor(x, y) == colour;
    return count;
}

TEST_F(ArgumentDialogsTest, TheFormationShownIsTheOneSelected) {
    ModifyArgument(kFormationCall, 1, [](QDialog& dialog) {
        auto* list = dialog.findChild<QListWidget*>();
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->currentRow(), 3);
        int soldiers = PixelsOf(dialog, Qt::yellow);
        list->setCurrentRow(0);  // the column: a commander before four soldiers
        int column = PixelsOf(dialog, Qt::yellow);
        EXPECT_GT(column, 0);
        EXPECT_NE(column, soldiers);
        EXPECT_GT(PixelsOf(dialog, Qt::red), 0) << "the commander";
        PressOk(dialog);
    });
    EXPECT_EQ(Call(kFormationCall).args[1], 0);
}

TEST_F(ArgumentDialogsTest, TheUnitAndUpgradeTreesGiveTheSelectedLeaf) {
    struct Case {
        TreePath call;
        TreePath selected;
        std::uint32_t value;
    };
    const Case cases[] = {{kUnitCall, PathTo({1, 2}), 0xFFFF0201u}, {kUpgradeCall, PathTo({0, 1, 0}), 0xFF000100u}};
    for (const Case& c : cases) {
        ModifyArgument(c.call, 1, [&c](QDialog& dialog) {
            auto* tree = dialog.findChild<CoolTreeCtrl*>();
            ASSERT_NE(tree, nullptr);
            tree->Select(c.selected);
            PressOk(dialog);
        });
        EXPECT_EQ(static_cast<std::uint32_t>(Call(c.call).args[1]), c.value) << c.selected[0];
    }
}

TEST_F(ArgumentDialogsTest, TheGroupListSaysWhereTheItemIsUsedAndOffersRenameOnlyForDynamicGroups) {
    ModifyArgument(kMarchCall, 0, [](QDialog& groups) {
        auto lists = groups.findChildren<QListWidget*>();
        QPushButton* rename = test::Button(groups, ToQt(Lookup("txtRename")));
        ASSERT_TRUE(lists.size() == 2 && rename);
        const QString use = "Relief force: Order {Relief_force_Dyn} to march to {Old Mill}";
        EXPECT_EQ(lists[1]->findItems(use, Qt::MatchExactly).size(), 1) << "the uses of the item the argument names";
        lists[0]->setCurrentRow(0);
        EXPECT_FALSE(rename->isEnabled()) << "a map group";
        lists[0]->setCurrentRow(lists[0]->count() - 1);
        EXPECT_TRUE(rename->isEnabled()) << "a dynamic group";
        groups.reject();
    });
}

// Replace with... in the group list sends every command bound for the old
// mill to Hill 203, the command in the dialog too; the zone put in its place
// is chosen, and with the command's OK it is one undo step.
TEST_F(ArgumentDialogsTest, ReplaceWithInTheGroupListIsOneUndoStepWithTheCommand) {
    auto shown = [&](int action) { return window->tree()->tree()[1].children[1].children[action].text; };
    answers.answers = {UserQuestions::Answer::kYes};
    ModifyArgument(kMarchCall, 1, [](QDialog& zones) {
        auto lists = zones.findChildren<QListWidget*>();
        QPushButton* replace = test::Button(zones, ToQt(Say(text::kReplaceWith)));
        ASSERT_TRUE(lists.size() == 2 && replace);
        ASSERT_EQ(lists[0]->currentItem()->text(), "Old Mill");
        test::InNextDialog([](QDialog& picker) {
            auto* list = picker.findChild<CoolListBox*>();
            ASSERT_NE(list, nullptr);
            EXPECT_EQ(list->count(), 3) << "the other zones";
            list->SetSelection(1);  // Hill 203
            PressOk(picker);
        });
        replace->click();
        EXPECT_EQ(lists[0]->currentItem()->text(), "Hill 203");
        EXPECT_EQ(lists[1]->count(), 3) << "Hill 203's uses now";
        PressOk(zones);
    });
    EXPECT_EQ(answers.asked, std::vector<std::string>{"Replace Zone \"Old Mill\" by Zone \"Hill 203\" in 2 commands?"});
    EXPECT_EQ(shown(1), "Send 4 of Field howitzer for {Corvania} to {Hill 203} in Line facing direction after 30 seconds");
    EXPECT_EQ(shown(2), "Order {Relief_force_Dyn} to march to {Hill 203}");
    window->Run(MainCommand::kUndo);
    EXPECT_EQ(shown(2), "Order {Relief_force_Dyn} to march to {Old Mill}");
    EXPECT_FALSE(window->editor().IsModified()) << "one undo step";
}

// The map editor took the old mill away: the march keeps its name. Choosing
// the zone that now stands where the mill stood mends it all the same.
TEST_F(ArgumentDialogsTest, ChoosingAZoneMendsACommandWhoseZoneTheMapLost) {
    folder.Write("Maps\\Valley.m3d", test::MapBytes({"North Ford", "Hill 203", "South Gate"},
                                                    {"Blue Scouts", "Red Column", "Bridge Guard", "Supply Train"}));
    window->editor().RefreshFromMap();
    ASSERT_TRUE(Call(kMarchCall).IsLost(1));
    ModifyArgument(kMarchCall, 1, [](QDialog& zones) {
        auto* list = zones.findChild<QListWidget*>();
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->currentRow(), -1) << "a lost zone has no item to show as chosen";
        list->setCurrentRow(1);  // where the mill stood
        PressOk(zones);
    });
    EXPECT_FALSE(Call(kMarchCall).IsLost(1));
    EXPECT_EQ(Call(kMarchCall).args[1], 1);
    EXPECT_TRUE(window->editor().IsModified());
    EXPECT_EQ(LostMapReferences(*scenario).size(), 1u) << "only the reinforcements' zone is still missing";
}

TEST_F(ArgumentDialogsTest, APageIsWrittenOnAPictureOfTheGame) {
    window->SetWinePrefix(test::DemoGame().parent_path() / "wine");
    folder.Write("Missions\\Pictures\\Zz camp.gp", folder.Read("Missions\\Pictures\\Coast.gp"));
    // The page's own picture file is gone; another takes the first place.
    folder.Write("Missions\\Pictures\\Aa.gp", folder.Read("Missions\\Pictures\\Camp.gp"));
    folder.Remove("Missions\\Pictures\\Camp.gp");
    ModifyArgument(kPageCall, 0, [](QDialog& dialog) {
        auto* tree = dialog.findChild<CoolTreeCtrl*>();
        auto* view = dialog.findChild<PictureView*>();
        auto* text = dialog.findChild<QLineEdit*>();
        ASSERT_TRUE(tree && view && text);
        // The files in name order with their pictures; the page's own file is
        // gone, so it starts on the first picture of the first file.
        ASSERT_EQ(tree->tree().size(), 3u);
        EXPECT_EQ(tree->tree()[1].text, "Coast");
        EXPECT_EQ(tree->tree()[1].children.size(), 2u);
        // A file whose name the pages file cannot carry offers no picture and says why.
        EXPECT_EQ(tree->tree()[2].text, "Zz camp (its name has a blank: not usable)");
        EXPECT_TRUE(tree->tree()[2].children.empty());
        EXPECT_EQ(tree->selected(), PathTo({0, 0}));
        const QImage first = view->image();
        EXPECT_FALSE(first.isNull());
        QModelIndex coast = tree->model()->index(1, 0);
        tree->setCurrentIndex(coast);
        EXPECT_EQ(view->image(), first) << "a file node keeps the picture";
        tree->setCurrentIndex(tree->model()->index(1, 0, coast));
        EXPECT_NE(view->image(), first);
        tree->setCurrentIndex(tree->model()->index(2, 0));
        EXPECT_NE(test::Said(dialog).find("has a blank, which the mission's pages file cannot carry"), std::string::npos)
            << test::Said(dialog);
        struct Refused {
            std::string text;
            const char* reason;
        };
        for (const Refused& r : {Refused{"#Fire", "cannot begin with #"}, Refused{std::string(512, 'a'), "511"}}) {
            text->setText(QString::fromStdString(r.text));
            PressOk(dialog);
            EXPECT_TRUE(dialog.isVisible()) << r.text;
            EXPECT_NE(test::Said(dialog).find(r.reason), std::string::npos) << test::Said(dialog);
        }
        text->setText("Hold the coast.");
        PressOk(dialog);
    });
    ASSERT_EQ(answers.warned.size(), 1u);
    EXPECT_NE(answers.warned[0].find("Camp.gp"), std::string::npos) << answers.warned[0];
    ASSERT_TRUE(Call(kPageCall).page);
    EXPECT_EQ(*Call(kPageCall).page, (PageRecord{1, "Coast.gp", "Hold the coast."}));

    // Saved and opened again, the page starts on its picture without a word.
    test::InNextDialog([](QDialog& report) { report.accept(); });
    window->Run(MainCommand::kSave);
    ASSERT_TRUE(window->editor().Open("Maps\\Valley.m3d"));
    ModifyArgument(kPageCall, 0, [](QDialog& dialog) {
        EXPECT_EQ(dialog.findChild<CoolTreeCtrl*>()->selected(), PathTo({1, 1}));
        dialog.reject();
    });
    EXPECT_EQ(answers.warned.size(), 1u);
}

}  // namespace
}  // namespace sced
