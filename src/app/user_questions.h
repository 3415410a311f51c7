#pragma once

#include <filesystem>
#include <optional>
#include <string>

class QWidget;

namespace sced {

// The message boxes and file dialogs of the main window, behind one small
// interface, so that window tests answer them without a real box. Texts
// are code page 1251.
class UserQuestions {
public:
    enum class Answer { kYes, kNo, kCancel };

    virtual ~UserQuestions() = default;
    // A question with Yes and No, and Cancel when asked for.
    virtual Answer Ask(const std::string& text, bool withCancel) = 0;
    // A warning box captioned "ScenarioEditor".
    virtual void Warn(const std::string& text) = 0;
    // The question whether to restore unsaved work, with Restore (the
    // default) and Discard and no way around them: true for Restore.
    virtual bool OfferRestore(const std::string& text) = 0;
    // A file to write or to read, by a filter such as "Text Files (*.txt)";
    // nothing when the designer cancels.
    virtual std::optional<std::filesystem::path> FileToSave(const std::string& filter, const std::string& suffix) = 0;
    virtual std::optional<std::filesystem::path> FileToOpen(const std::string& filter,
                                                            const std::filesystem::path& folder) = 0;
};

// The real boxes and dialogs, owned by the window.
class DialogQuestions : public UserQuestions {
public:
    explicit DialogQuestions(QWidget* owner) : owner_(owner) {}
    Answer Ask(const std::string& text, bool withCancel) override;
    void Warn(const std::string& text) override;
    bool OfferRestore(const std::string& text) override;
    std::optional<std::filesystem::path> FileToSave(const std::string& filter, const std::string& suffix) override;
    std::optional<std::filesystem::path> FileToOpen(const std::string& filter,
                                                    const std::filesystem::path& folder) override;

private:
    QWidget* owner_;
};

// For the tools that draw or time the windows with no designer there: No
// to every question, Restore to no work, Cancel to every file dialog,
// warnings on standard error.
class QuietQuestions : public UserQuestions {
public:
    Answer Ask(const std::string&, bool) override { return Answer::kNo; }
    void Warn(const std::string& text) override;
    bool OfferRestore(const std::string&) override { return false; }
    std::optional<std::filesystem::path> FileToSave(const std::string&, const std::string&) override { return {}; }
    std::optional<std::filesystem::path> FileToOpen(const std::string&, const std::filesystem::path&) override {
        return {};
    }
};

// The box that ends the editor after an error: no owner, caption
// "Tarvossa Scenario Editor Error".
void ShowFatalError(const std::string& text);

}  // namespace sced
