#include "cli/scripted_dialogs.h"

#include "controls/control_table.h"
#include "core/code_page.h"
#include "core/game_path.h"
#include "core/path_text.h"
#include "core/text_reader.h"
#include "declarations/function_template.h"
#include "editing/alliances.h"
#include "editing/direction.h"
#include "editing/name_rules.h"
#include "files/mission_picture.h"
#include "model/command_tree.h"

namespace sced::cli {

namespace {

ControlEvents& Events() {
    ControlEvents* events = ControlTable::Instance().events();
    if (!events) throw ScriptStop{0, "no editing operations listen"};
    return *events;
}

int Number(const ScriptStep& step) {
    std::optional<std::int32_t> number = WholeNumber(step.rest);
    if (!number) throw ScriptStop{step.line, step.word + " needs a number"};
    return *number;
}

// The item with the text, or "#N" the N-th (from 1).
int ItemOf(const std::vector<std::string>& items, const ScriptStep& step) {
    if (step.rest.starts_with('#')) {
        std::optional<std::int32_t> n = WholeNumber(std::string_view(step.rest).substr(1));
        if (n && *n >= 1 && *n <= static_cast<int>(items.size())) return *n - 1;
    } else {
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i] == step.rest) return static_cast<int>(i);
    }
    throw ScriptStop{step.line, "there is no item " + step.rest};
}

TreePath PathOf(const Tree& tree, const ScriptStep& step) {
    TreePath path = kNoTreePath;
    const Tree* level = &tree;
    int depth = 0;
    for (const std::string& text : PathTexts(step.rest)) {
        int found = -1;
        for (std::size_t i = 0; i < level->size() && found < 0; ++i)
            if ((*level)[i].text == text) found = static_cast<int>(i);
        if (found < 0 || depth >= kTreePathLevels) throw ScriptStop{step.line, "there is no item " + step.rest};
        path[static_cast<std::size_t>(depth++)] = found;
        level = &(*level)[static_cast<std::size_t>(found)].children;
    }
    return path;
}

// "choose GROUP / FUNCTION" in the chooser: FUNCTION is the line the tree
// shows, or the function's name.
TreePath ChooserPathOf(const Tree& tree, const ScriptStep& step) {
    const std::vector<std::string> texts = PathTexts(step.rest);
    if (texts.size() == 2) {
        for (std::size_t group = 0; group < tree.size(); ++group) {
            if (tree[group].text != texts[0]) continue;
            for (std::size_t item = 0; item < tree[group].children.size(); ++item) {
                TreePath path = kNoTreePath;
                path[0] = static_cast<std::int32_t>(group);
                path[1] = static_cast<std::int32_t>(item);
                const Template* function = Events().ChooserFunction(path);
                if (tree[group].children[item].text == texts[1] || (function && function->name == texts[1]))
                    return path;
            }
        }
    }
    return PathOf(tree, step);
}

}  // namespace

// A dialog of the editor as the script answers it.
class ScriptedDialogs::Dialog : public sced::Dialog {
public:
    enum Kind { kChooser, kEditor, kGroup, kRename, kString, kNumber, kDirection, kFriends, kFormation, kUnitType,
                kUpgrade, kPage, kProperties, kTrigger };

    Dialog(ScriptedDialogs& owner, Kind kind) : owner_(owner), kind_(kind) {}

    bool ShowModal(std::string_view) override {
        Open();
        while (std::optional<ScriptStep> step = owner_.steps_.Next()) {
            if (step->word == "cancel") return false;
            if (step->word != "ok") {
                if (!Take(*step)) throw ScriptStop{step->line, "no dialog shown takes " + step->word};
                continue;
            }
            if (std::string why = Refusal(); !why.empty()) {
                owner_.Remark(step->line, "refused: " + why);
                continue;
            }
            Accept();
            return true;
        }
        throw ScriptStop{owner_.steps_.line(), "a dialog is still open at the end"};
    }

private:
    void Open() {
        if (kind_ == kFriends)
            alliances_ = AlliancesOf(Events().exchange().first, Events().exchange().second);
        if (kind_ == kDirection) direction_ = Events().exchange().first;
        if (kind_ == kTrigger) {
            name_ = Events().exchange().text;
            times_ = std::to_string(Events().exchange().times);
        }
    }

    bool Take(const ScriptStep& step) {
        const std::string& word = step.word;
        switch (kind_) {
            case kChooser:
                if (word == "choose") {
                    owner_.chooserTree_.Select(ChooserPathOf(owner_.chooserTree_.tree(), step));
                    Events().ChooserSelectionChanged();
                    return true;
                }
                if (word == "filter") {
                    Events().ChooserFilterChanged(step.rest);
                    return true;
                }
                return Click(step, owner_.chooserSentence_);
            case kEditor: return Click(step, owner_.editorSentence_);
            case kGroup: return Pick(step, owner_.groupList_);
            case kRename:
                if (word == "rename") {
                    int item = owner_.renameList_.GetSelection();
                    if (item < 0 || !Events().RenameAllowed(item))
                        owner_.Remark(step.line, "refused: this item cannot be renamed");
                    else
                        Events().Rename(item);
                    return true;
                }
                return Pick(step, owner_.renameList_);
            case kString: return Type(step, owner_.stringEdit_);
            case kNumber: return Type(step, owner_.numberEdit_);
            case kDirection:
                if (word != "direction") return false;
                direction_ = Number(step);
                if (direction_ < 0 || direction_ > 255) throw ScriptStop{step.line, "a direction runs from 0 to 255"};
                return true;
            case kFriends:
                if (word == "total-war") alliances_ = TotalWar();
                else if (word == "total-friendship") alliances_ = TotalFriendship();
                else if (word == "allies") {
                    std::string_view rest = step.rest;
                    auto player = WholeNumber(NextWord(rest));
                    auto row = WholeNumber(rest);
                    if (!player || !row || *player < 1 || *player > 8 || *row < 1 || *row > 8)
                        throw ScriptStop{step.line, "allies needs a player and a row from 1 to 8"};
                    alliances_ = MovePlayer(alliances_, *player - 1, *row - 1);
                } else
                    return false;
                return true;
            case kFormation: return Pick(step, owner_.formationList_);
            case kUnitType: return PickPath(step, owner_.unitTree_);
            case kUpgrade: return PickPath(step, owner_.upgradeTree_);
            case kPage:
                if (word == "page") {
                    std::size_t blank = step.rest.find_last_of(' ');
                    std::optional<std::int32_t> number =
                        blank == std::string::npos ? std::nullopt : WholeNumber(step.rest.substr(blank + 1));
                    if (!number) throw ScriptStop{step.line, "page needs a file and a number"};
                    std::string file = step.rest.substr(0, blank);
                    if (std::string why = WhyPageCannotName(file); !why.empty()) throw ScriptStop{step.line, why};
                    Events().exchange().pageFile = file;
                    Events().exchange().pageNumber = *number;
                    return true;
                }
                return Type(step, owner_.pageText_);
            case kTrigger:
                if (word == "type") name_ = step.rest;
                else if (word == "times") times_ = step.rest;
                else
                    return false;
                return true;
            case kProperties:
                // "\n" is a line break in both: a title's are joined, with a warning.
                if (word == "title") Events().exchange().title = WithLineBreaks(step.rest);
                else if (word == "description") Events().exchange().description = WithLineBreaks(step.rest);
                else if (word == "load-picture") Events().exchange().picture = Bitmap(step, PathOfText(step.rest));
                else if (word == "default-picture")
                    Events().exchange().picture = Bitmap(step, ResolveGamePath(owner_.gameFolder_, "Data\\ScEd_default.bmp"));
                else
                    return false;
                return true;
        }
        return false;
    }

    std::string Refusal() {
        switch (kind_) {
            case kChooser: {
                const TermCommand* command = owner_.chooserSentence_.command();
                return command && command->AllFilled() ? "" : "not every argument has a value";
            }
            case kString: return Events().ValidateName(owner_.stringEdit_.GetText());
            case kNumber: return Events().ValidateNumber(owner_.numberEdit_.GetText());
            case kPage: return Events().ValidatePageText(owner_.pageText_.GetText());
            case kTrigger: return Events().ValidateTrigger(name_, times_);
            default: return {};
        }
    }

    void Accept() {
        if (kind_ == kFriends) {
            auto values = AllianceValues(alliances_);
            Events().exchange().first = values[0];
            Events().exchange().second = values[1];
        }
        // The picker shows the direction as an angle and reads it back.
        if (kind_ == kDirection) Events().exchange().first = DirectionOfAngle(AngleOfDirection(direction_));
        if (kind_ == kTrigger) Events().exchange().text = name_;
    }

    // The mission picture of a bitmap file, as the dialog's Load picture makes it.
    static std::string Bitmap(const ScriptStep& step, const std::filesystem::path& file) {
        std::optional<std::string> bytes = ReadWholeFile(file);
        if (!bytes) throw ScriptStop{step.line, "cannot load the picture " + TextOfPath(file)};
        std::string why;
        std::optional<std::string> picture = MissionPictureOf(*bytes, why);
        if (!picture) throw ScriptStop{step.line, "cannot load the picture " + TextOfPath(file) + ": " + why};
        return *picture;
    }

    static std::string WithLineBreaks(const std::string& text) {
        std::string out;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
                out += '\n';
                ++i;
            } else {
                out += text[i];
            }
        }
        return out;
    }

    bool Click(const ScriptStep& step, SmartCtrl& sentence) {
        if (step.word != "click") return false;
        const TermCommand* command = sentence.command();
        int k = Number(step);
        if (!command || !command->function || k < 1 || k > command->function->placeholderCount)
            throw ScriptStop{step.line, "the sentence has no argument " + step.rest};
        Events().ArgumentClicked(k - 1);
        return true;
    }

    bool Pick(const ScriptStep& step, ListBox& list) {
        if (step.word != "pick") return false;
        list.SetSelection(ItemOf(list.items(), step));
        return true;
    }

    bool PickPath(const ScriptStep& step, TreeCtrl& tree) {
        if (step.word != "pick") return false;
        tree.Select(PathOf(tree.tree(), step));
        return true;
    }

    bool Type(const ScriptStep& step, Edit& edit) {
        if (step.word != "type") return false;
        edit.SetText(step.rest);
        return true;
    }

    ScriptedDialogs& owner_;
    Kind kind_;
    AllianceMatrix alliances_{};
    int direction_ = 0;
    std::string name_, times_;  // the trigger dialog's fields
};

ScriptedDialogs::ScriptedDialogs(ScriptSteps& steps, std::ostream& remarks, bool utf8,
                                 std::filesystem::path gameFolder)
    : steps_(steps), remarks_(remarks), utf8_(utf8), gameFolder_(std::move(gameFolder)) {
    ControlTable& table = ControlTable::Instance();
    table.Register(kScenarioTree, &scenarioTree_);
    table.Register(kChooserTree, &chooserTree_);
    table.Register(kUnitTypeTree, &unitTree_);
    table.Register(kUpgradeTree, &upgradeTree_);
    table.Register(kGroupList, &groupList_);
    table.Register(kRenameList, &renameList_);
    table.Register(kFormationList, &formationList_);
    table.Register(kStringEdit, &stringEdit_);
    table.Register(kNumberEdit, &numberEdit_);
    table.Register(kPageText, &pageText_);
    table.Register(kChooserSentence, &chooserSentence_);
    table.Register(kEditorSentence, &editorSentence_);
    const std::pair<int, Dialog::Kind> dialogs[] = {
        {kChooserDialog, Dialog::kChooser},   {kEditorDialog, Dialog::kEditor},
        {kGroupDialog, Dialog::kGroup},       {kRenameDialog, Dialog::kRename},
        {kStringDialog, Dialog::kString},     {kNumberDialog, Dialog::kNumber},
        {kDirectionDialog, Dialog::kDirection}, {kFriendsDialog, Dialog::kFriends},
        {kFormationDialog, Dialog::kFormation}, {kUnitTypeDialog, Dialog::kUnitType},
        {kUpgradeDialog, Dialog::kUpgrade},   {kPageDialog, Dialog::kPage},
        {kPropertiesDialog, Dialog::kProperties}, {kTriggerDialog, Dialog::kTrigger},
    };
    for (const auto& [number, kind] : dialogs) {
        dialogs_.push_back(std::make_unique<Dialog>(*this, kind));
        table.Register(number, dialogs_.back().get());
    }
}

ScriptedDialogs::~ScriptedDialogs() = default;

void ScriptedDialogs::Remark(int line, const std::string& text) {
    remarks_ << "line " << line << ": " << (utf8_ ? Cp1251ToUtf8(text) : text) << '\n';
}

}  // namespace sced::cli
