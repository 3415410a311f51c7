#pragma once

#include <filesystem>
#include <vector>

#include "app/app_dialog.h"
#include "files/mission_package.h"

class QLabel;

namespace sced {

class CoolListBox;

// The mission chooser of Open and Delete: the user missions sorted by
// title. OK is enabled only while a mission is selected.
class MissionDialog : public AppDialog {
    Q_OBJECT
public:
    MissionDialog(QWidget* parent, const Scenario& scenario);
    // The chosen mission; nothing when the designer cancels.
    std::optional<MissionEntry> Choose(std::string_view caption);

protected:
    void Prepare() override;

private:
    const Scenario& scenario_;
    CoolListBox* list_;
    std::vector<MissionEntry> missions_;
};

// A dialog that only tells: the save report and About.
class MessageDialog : public AppDialog {
    Q_OBJECT
public:
    explicit MessageDialog(QWidget* parent);
    void Show(std::string_view caption, const std::string& text);

private:
    QLabel* text_;
};

}  // namespace sced
