#include "app/user_questions.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <iostream>

#include "core/editor_texts.h"
#include "skin/qt_text.h"

namespace sced {

UserQuestions::Answer DialogQuestions::Ask(const std::string& text, bool withCancel) {
    auto buttons = QMessageBox::Yes | QMessageBox::No;
    if (withCancel) buttons |= QMessageBox::Cancel;
    switch (QMessageBox::question(owner_, "ScenarioEditor", ToQt(text), buttons)) {
        case QMessageBox::Yes: return Answer::kYes;
        case QMessageBox::No: return Answer::kNo;
        default: return withCancel ? Answer::kCancel : Answer::kNo;
    }
}

void DialogQuestions::Warn(const std::string& text) { QMessageBox::warning(owner_, "ScenarioEditor", ToQt(text)); }

bool DialogQuestions::OfferRestore(const std::string& text) {
    QMessageBox box(QMessageBox::Question, "ScenarioEditor", ToQt(text), QMessageBox::NoButton, owner_);
    QPushButton* restore = box.addButton(ToQt(Say(text::kRestore)), QMessageBox::AcceptRole);
    box.addButton(ToQt(Say(text::kDiscard)), QMessageBox::DestructiveRole);
    box.setDefaultButton(restore);
    // Neither Escape nor the title bar answers for the designer: the work
    // is only kept or thrown away by a button.
    box.setEscapeButton(static_cast<QAbstractButton*>(nullptr));
    do box.exec();
    while (!box.clickedButton());
    return box.clickedButton() == restore;
}

std::optional<std::filesystem::path> DialogQuestions::FileToSave(const std::string& filter, const std::string& suffix) {
    QFileDialog dialog(owner_, QString(), QString(), QString::fromStdString(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QString::fromStdString(suffix));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return PathFromQt(dialog.selectedFiles().front());
}

std::optional<std::filesystem::path> DialogQuestions::FileToOpen(const std::string& filter,
                                                                 const std::filesystem::path& folder) {
    QString file = QFileDialog::getOpenFileName(owner_, QString(), PathToQt(folder),
                                                QString::fromStdString(filter));
    if (file.isEmpty()) return std::nullopt;
    return PathFromQt(file);
}

void QuietQuestions::Warn(const std::string& text) { std::cerr << "warning: " << text << '\n'; }

void ShowFatalError(const std::string& text) {
    QMessageBox box(QMessageBox::Critical, "Tarvossa Scenario Editor Error", ToQt(text));
    box.exec();
}

}  // namespace sced
