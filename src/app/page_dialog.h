#pragma once

#include <QLabel>
#include <filesystem>

#include "app/app_dialog.h"
#include "files/game_pictures.h"

namespace sced {

class CoolEdit;
class CoolTreeCtrl;
class PictureView;
class UserQuestions;

// A briefing page: the game's picture files under "Missions\Pictures\" as
// a tree with their pictures as children, the selected picture shown, and
// the page's text. The picture goes in and out through the exchange's
// page file and number; a file node selected keeps the picture before it.
class PageDialog : public AppDialog {
    Q_OBJECT
public:
    // Registers itself and its text field under the page dialog's numbers.
    PageDialog(QWidget* parent, std::filesystem::path gameFolder, UserQuestions& questions);
    void SetWinePrefix(std::filesystem::path prefix) { pictures_.SetWinePrefix(std::move(prefix)); }

protected:
    void Prepare() override;
    std::string Refusal() override;
    void accept() override;

private:
    void Choose(int file, int picture);
    // Says why the file cannot be a page's picture, when it cannot.
    void ShowUnusable(int file);

    std::filesystem::path gameFolder_;
    UserQuestions& questions_;
    GamePictures pictures_;
    CoolTreeCtrl* tree_;
    PictureView* view_;
    QLabel* failure_;
    CoolEdit* text_;
    QLabel* reason_;
    int file_ = -1;
    int picture_ = -1;
};

}  // namespace sced
