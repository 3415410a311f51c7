#pragma once

#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "cli/script_steps.h"
#include "controls/control.h"

namespace sced::cli {

// The controls of the editor's windows as a designer script plays them:
// registered in the control table under the windows' numbers; a dialog
// that is shown takes its answers from the script's next steps until "ok"
// or "cancel" closes it. Each unregisters when it goes.
class ScriptedDialogs {
public:
    // Remarks go to remarks, as UTF-8 when asked; the default picture is
    // the game folder's.
    ScriptedDialogs(ScriptSteps& steps, std::ostream& remarks, bool utf8, std::filesystem::path gameFolder);
    ~ScriptedDialogs();
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    // The main window's scenario tree (control 18).
    TreeCtrl& scenarioTree() { return scenarioTree_; }

    // Notes a remark on the step's line.
    void Remark(int line, const std::string& text);

private:
    class Dialog;
    friend class Dialog;

    ScriptSteps& steps_;
    std::ostream& remarks_;
    bool utf8_;
    std::filesystem::path gameFolder_;
    TreeCtrl scenarioTree_;
    TreeCtrl chooserTree_, unitTree_, upgradeTree_;
    ListBox groupList_, renameList_, formationList_;
    Edit stringEdit_, numberEdit_, pageText_;
    SmartCtrl chooserSentence_, editorSentence_;
    std::vector<std::unique_ptr<Dialog>> dialogs_;
};

}  // namespace sced::cli
