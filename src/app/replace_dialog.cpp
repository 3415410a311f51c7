#include "app/replace_dialog.h"

#include <QLabel>
#include <QVBoxLayout>

#include "app/user_questions.h"
#include "core/editor_texts.h"
#include "editing/replace_uses.h"
#include "skin/cool_list_box.h"
#include "skin/qt_text.h"
#include "skin/skin.h"

namespace sced {

ReplaceDialog::ReplaceDialog(QWidget* parent) : AppDialog(parent), list_(new CoolListBox(this)) {
    caption_ = NewLabel(Skin::Instance().caption);
    list_->setMinimumSize(300, 240);
    content()->addWidget(caption_);
    content()->addWidget(list_, 1);
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { accept(); });
}

std::optional<NamedThing> ReplaceDialog::Ask(const Scenario& scenario, UserQuestions& questions,
                                             const NamedThing& from) {
    const std::string heading = ThingHeading(scenario, from);
    const std::vector<NamedThing> things = Replacements(scenario, from);
    if (things.empty()) {
        questions.Warn(Say(text::kNoReplacement, {heading}));
        return std::nullopt;
    }
    std::vector<std::string> names;
    for (const NamedThing& thing : things) names.push_back(ThingName(scenario, thing));
    caption_->setText(ToQt(Say(text::kReplaceCaption, {heading})));
    list_->SetItems(names);
    list_->SetSelection(0);
    list_->setFocus();
    if (!ShowModal(Say(text::kReplaceWith))) return std::nullopt;
    const int chosen = list_->GetSelection();
    if (chosen < 0 || chosen >= static_cast<int>(things.size())) return std::nullopt;
    const NamedThing& to = things[static_cast<std::size_t>(chosen)];
    const std::string toHeading = ThingHeading(scenario, to);
    const int commands = CommandsReplaced(scenario, from, to);
    if (commands == 0) {
        questions.Warn(Say(text::kNothingReplaced, {heading, toHeading}));
        return std::nullopt;
    }
    const std::string count = std::to_string(commands);
    const std::string question = commands == 1 ? Say(text::kReplaceOne, {heading, toHeading})
                                               : Say(text::kReplaceMany, {heading, toHeading, count});
    if (questions.Ask(question, false) != UserQuestions::Answer::kYes) return std::nullopt;
    return to;
}

}  // namespace sced
