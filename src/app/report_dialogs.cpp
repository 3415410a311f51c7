#include "app/report_dialogs.h"

#include <QBoxLayout>
#include <QLabel>
#include <algorithm>

#include "skin/cool_list_box.h"
#include "skin/qt_text.h"
#include "skin/skin.h"

namespace sced {

MissionDialog::MissionDialog(QWidget* parent, const Scenario& scenario)
    : AppDialog(parent), scenario_(scenario), list_(new CoolListBox(this)) {
    list_->setMinimumSize(380, 260);
    content()->addWidget(list_);
    connect(list_, &QListWidget::currentRowChanged, this,
            [this](int row) { okButton()->setEnabled(row >= 0 && row < static_cast<int>(missions_.size())); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { accept(); });
}

void MissionDialog::Prepare() {
    missions_ = ListMissions(scenario_);
    std::stable_sort(missions_.begin(), missions_.end(),
                     [](const MissionEntry& a, const MissionEntry& b) { return a.title < b.title; });
    std::vector<std::string> titles;
    for (const MissionEntry& mission : missions_) titles.push_back(mission.title);
    list_->SetItems(titles);
    list_->SetSelection(titles.empty() ? -1 : 0);
    okButton()->setEnabled(!titles.empty());
    list_->setFocus();
}

std::optional<MissionEntry> MissionDialog::Choose(std::string_view caption) {
    if (!ShowModal(caption)) return std::nullopt;
    int chosen = list_->GetSelection();
    if (chosen < 0 || chosen >= static_cast<int>(missions_.size())) return std::nullopt;
    return missions_[static_cast<std::size_t>(chosen)];
}

// The text's colour is the skin's own: a plain label takes the platform's,
// which on Windows is dark on the dark skin.
MessageDialog::MessageDialog(QWidget* parent) : AppDialog(parent), text_(NewLabel(Skin::Instance().text)) {
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text_->setMinimumWidth(420);
    content()->addWidget(text_);
    HideCancel();
}

void MessageDialog::Show(std::string_view caption, const std::string& text) {
    text_->setText(ToQt(text));
    ShowModal(caption);
}

}  // namespace sced
