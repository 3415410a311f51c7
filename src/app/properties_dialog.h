#pragma once

#include <QLabel>
#include <optional>
#include <string>

#include "app/app_dialog.h"

class QPlainTextEdit;

namespace sced {

class CoolEdit;
class PictureView;
class Scenario;
class UserQuestions;

// The mission's title, description and picture. The title and description
// go in and out through the exchange; a picture loaded here (a bitmap
// file, or the game's default) goes out only with OK, so Cancel leaves the
// mission's picture as it was.
class PropertiesDialog : public AppDialog {
    Q_OBJECT
public:
    // Registers itself under the properties dialog's number.
    PropertiesDialog(QWidget* parent, const Scenario& scenario, UserQuestions& questions);

protected:
    void Prepare() override;
    std::string Refusal() override;
    void accept() override;

private:
    void LoadPicture();
    void SetDefault();
    // Shows the bytes and takes them as the picture; false (with a warning
    // naming the file) when they are no bitmap the mission can carry.
    bool TakePicture(std::optional<std::string> bytes, const std::string& file);

    const Scenario& scenario_;
    UserQuestions& questions_;
    CoolEdit* title_;
    QPlainTextEdit* description_;
    PictureView* view_;
    QLabel* reason_;
    std::optional<std::string> loaded_;
};

}  // namespace sced
